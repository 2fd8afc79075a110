// The General page: language, tips, bookmarks, animated help, the working folder and the configuration files.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "host/api/FileDialogs.h"
#include "host/api/Form.h"
#include "options/DialogForm.h"
#include "options/dialog/OptionsForm.h"
#include "options/dialog/OptionsPage.h"
#include "options/dialog/OptionsServices.h"
#include "options/dialog/Pages.h"
#include "options/dialog/help/HelpTables.h"
#include "platform/FileIO.h"

namespace skrivo {

namespace {

constexpr const char* kConfigFilter = "Skrivo configuration (*.sk)|*.sk";

std::string WithTrailingSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
    return folder;
}

class TGeneralPage final : public TOptionsPage {
public:
    explicit TGeneralPage(TfmOptions& form) : TOptionsPage(form, "shtGeneral", "&Общие||&General") {
        AddLabel("lblLanguage", "Language:", QRect(8, 12, 80, 16));
        cbLanguage = AddCombo("cbLanguage", {QStringLiteral("English"), QString::fromUtf8("Русский")}, false, QRect(92, 8, 121, 21));
        QObject::connect(cbLanguage, &QComboBox::currentIndexChanged, this, [this](int) {
            Form().LocalizyCaptions(Form().Language());
        });
        AddOption("chkShowTips", "Show tips", QRect(8, 40, 250, 17), &TExpertConfig::ShowTips);
        AddOption("chkBookmarks", "Auto-load bookmarks", QRect(8, 60, 250, 17), &TExpertConfig::AutoBookmarks);
        AddOption("chkAnimatedTooltips", "Animated tooltips", QRect(8, 80, 250, 17), &TExpertConfig::AnimatedTooltips);

        QGroupBox* folder = AddGroup("grpDirectory", "Working folder", QRect(8, 106, 368, 54));
        edDirectory = AddEdit("edDirectory", QRect(10, 22, 262, 21), folder);
        QPushButton* browse = AddButton("btnBrowse", "Browse...", QRect(280, 20, 78, 25), folder);
        QObject::connect(browse, &QPushButton::clicked, this, [this] { Browse(); });

        QGroupBox* config = AddGroup("grpConfiguration", "Configuration", QRect(8, 168, 368, 56));
        QPushButton* save = AddButton("btnSaveToFile", "Save to file", QRect(10, 20, 110, 25), config);
        QPushButton* load = AddButton("btnLoadFromFile", "Load from file", QRect(128, 20, 110, 25), config);
        QPushButton* reset = AddButton("btnResetDefault", "Reset default", QRect(246, 20, 110, 25), config);
        QObject::connect(save, &QPushButton::clicked, this, [this] { SaveToFile(); });
        QObject::connect(load, &QPushButton::clicked, this, [this] { LoadFromFile(); });
        QObject::connect(reset, &QPushButton::clicked, this, [this] { ResetDefault(); });
    }

    THelpTable Help() const override { return GeneralHelp(); }

    void Prepare(const TExpertConfig& cfg) override {
        PrepareBound(cfg);
        cbLanguage->setCurrentIndex(cfg.Language == 1 ? 1 : 0);
        edDirectory->setText(AnsiToQt(cfg.Directory));
    }

    void WriteBack(TExpertConfig& cfg) const override {
        WriteBound(cfg);
        cfg.Language = cbLanguage->currentIndex() == 1 ? 1 : 0;
        // A folder that does not exist would leave the dictionaries nowhere
        // to go: the old one stays.
        const std::string folder = QtToAnsi(edDirectory->text().trimmed());
        if (!folder.empty() && DirectoryExists(folder)) cfg.Directory = WithTrailingSeparator(folder);
    }

private:
    // Where the file dialogs start: the working folder, unless they remember
    // one of their own.
    std::string StartFolder() const { return QtToAnsi(edDirectory->text().trimmed()); }

    host::TFileDialogOptions ConfigFileOptions() const {
        host::TFileDialogOptions options;
        options.filter = kConfigFilter;
        options.defaultExt = "sk";
        options.initialDir = StartFolder();
        return options;
    }

    void Browse() {
        if (auto chosen = host::BrowseForFolder("Select working folder", StartFolder())) edDirectory->setText(AnsiToQt(*chosen));
    }

    void SaveToFile() {
        const auto file = host::SaveFileDialog(ConfigFileOptions());
        if (!file) return;
        // The file gets what the dialog shows, not only what was confirmed
        // before it opened; Cancel still puts the running record back.
        IOptionsExpert& expert = Form().Expert();
        Form().WriteBack(expert.Cfg());
        Run([&] { expert.LoadSaveConfig(true, *file); });
    }

    void LoadFromFile() {
        const std::vector<std::string> files = host::OpenFileDialog(ConfigFileOptions());
        if (files.empty()) return;
        IOptionsExpert& expert = Form().Expert();
        Run([&] { expert.LoadSaveConfig(false, files.front()); });
        expert.PrepareOptionsForm();
    }

    void ResetDefault() {
        IOptionsExpert& expert = Form().Expert();
        Run([&] { expert.ResetDefaultConfig(); });
        expert.PrepareOptionsForm();
    }

    // A file that cannot be written or read is told, and the dialog stays.
    template <typename Work>
    void Run(Work work) {
        try {
            work();
        } catch (const std::exception& e) {
            host::MessageDlg("Skrivo Expert", e.what(), host::MessageButtons::Ok);
        }
    }

    QComboBox* cbLanguage;
    QLineEdit* edDirectory;
};

}  // namespace

TOptionsPage* CreateGeneralPage(TfmOptions& form) { return new TGeneralPage(form); }

}  // namespace skrivo
