// The Sound page: the error beep, the sound of each completion event, and sound schemes to keep sets of them.
#include <memory>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>

#include "host/api/FileDialogs.h"
#include "host/api/Form.h"
#include "host/api/Host.h"
#include "options/DialogForm.h"
#include "options/dialog/OptionsForm.h"
#include "options/dialog/OptionsPage.h"
#include "options/dialog/OptionsServices.h"
#include "options/dialog/Pages.h"
#include "options/dialog/TellFailure.h"
#include "options/dialog/help/HelpTables.h"
#include "options/lists/SoundPageModel.h"
#include "platform/FileIO.h"
#include "platform/ScopedValue.h"
#include "sounds/BeepFile.h"
#include "sounds/BeepPlayer.h"

namespace skrivo {

namespace {

using options::SoundPageModel;
using options::SoundRowImage;

constexpr const char* kSoundFilter = "WAV (*.wav)|*.wav|BEEP (*.bip)|*.bip";
constexpr const char* kSchemeFilter = "Sound scheme (*.ss)|*.ss";
// The file combo's list shows whole paths.
constexpr int kSoundFileDropDownWidth = 480;

// Event rows in event order; "Escape" and "Backspace" read the same in both.
constexpr const char* kEventCaptions[2][kSoundEventCount] = {
    {"Appear", "Disappear", "Replaced", "Restored", "Char matches", "Arrow in list", "Any char", "Carriage", "Escape",
     "Backspace", "Any other key", "Have words"},
    {"Появление", "Скрытие", "Замена", "Восстановление", "Символ уже есть", "Курсор в списке", "Любой символ",
     "Каретка", "Escape", "Backspace", "Другая клавиша", "Есть слова"},
};
constexpr const char* kCurrentScheme[2] = {"< current >", "< текущая >"};

QIcon RowIcon(SoundRowImage image) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (image) {
    case SoundRowImage::None:
        p.setPen(QColor(170, 170, 170));
        p.drawEllipse(QRectF(4.5, 4.5, 7, 7));
        break;
    case SoundRowImage::Wave:  // a loudspeaker
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 60, 140));
        p.drawPolygon(QPolygonF({QPointF(2, 6), QPointF(5, 6), QPointF(9, 2), QPointF(9, 14), QPointF(5, 10), QPointF(2, 10)}));
        p.setPen(QPen(QColor(30, 60, 140), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(8, 4, 6, 8), -60 * 16, 120 * 16);
        break;
    case SoundRowImage::Beep:  // a note
        p.setPen(QPen(QColor(120, 40, 40), 1.5));
        p.setBrush(QColor(120, 40, 40));
        p.drawEllipse(QRectF(3, 10, 5, 4));
        p.drawLine(QPointF(7.5, 12), QPointF(7.5, 2));
        p.drawLine(QPointF(7.5, 2), QPointF(12, 4));
        break;
    }
    return QIcon(pixmap);
}

// A row without a check box.
void PlainRow(QTreeWidget* list, const QString& caption) {
    auto* row = new QTreeWidgetItem(list, QStringList{caption});
    row->setFlags(row->flags() & ~Qt::ItemIsUserCheckable);
}

class TSoundPage final : public TOptionsPage {
public:
    explicit TSoundPage(TfmOptions& form) : TOptionsPage(form, "shtSound", "З&вук||&Sound") {
        AddOption("chkBeep", "Beep on error", QRect(8, 6, 180, 17), &TExpertConfig::BeepOnError);
        chkEnableSounds = AddOption("chkEnableSounds", "Enable sound", QRect(196, 6, 180, 17), &TExpertConfig::AllowSounds);
        UpdateOn(chkEnableSounds);

        lvEvents = AddList("lvEvents", {}, QRect(8, 28, 180, 230));
        lvEvents->setSelectionMode(QAbstractItemView::ExtendedSelection);
        lvEvents->setIconSize(QSize(16, 16));
        for (const char* caption : kEventCaptions[0]) PlainRow(lvEvents, QString::fromUtf8(caption));
        connect(lvEvents, &QTreeWidget::itemSelectionChanged, this, [this] { EventsSelected(); });

        AddLabel("lblSchemes", "Sound schemes:", QRect(196, 28, 180, 16));
        lvSchemes = AddList("lvSchemes", {}, QRect(196, 46, 180, 94));
        lvSchemes->setSelectionMode(QAbstractItemView::SingleSelection);
        connect(lvSchemes, &QTreeWidget::itemSelectionChanged, this, [this] {
            const QList<QTreeWidgetItem*> chosen = lvSchemes->selectedItems();
            if (!chosen.isEmpty()) SchemeChosen(lvSchemes->indexOfTopLevelItem(chosen.front()));
        });
        btnSaveScheme = AddButton("btnSaveScheme", "Save as...", QRect(196, 144, 180, 25));
        connect(btnSaveScheme, &QPushButton::clicked, this, [this] { SaveSchemeAs(); });

        cbSoundFileName = AddCombo("cbSoundFileName", {}, true, QRect(196, 178, 180, 22));
        cbSoundFileName->view()->setMinimumWidth(kSoundFileDropDownWidth);
        connect(cbSoundFileName, &QComboBox::currentTextChanged, this, [this](const QString& text) { FileTyped(text); });
        btnBrowseSound = AddButton("btnBrowseSound", "Browse...", QRect(196, 204, 88, 25));
        connect(btnBrowseSound, &QPushButton::clicked, this, [this] { Browse(); });
        btnTestSound = AddButton("btnTestSound", "Test", QRect(288, 204, 88, 25));
        connect(btnTestSound, &QPushButton::clicked, this, [this] { Test(); });
        btnClearSound = AddButton("btnClearSound", "Clear", QRect(196, 233, 88, 25));
        connect(btnClearSound, &QPushButton::clicked, this, [this] { ClearSounds(); });
    }

    THelpTable Help() const override { return SoundHelp(); }

    void Prepare(const TExpertConfig& cfg) override {
        PrepareBound(cfg);
        model_.SetPaths(cfg.Sounds);
        ShowPaths();
    }

    void WriteBack(TExpertConfig& cfg) const override {
        WriteBound(cfg);
        cfg.Sounds = model_.Paths();
    }

    void Activate() override {
        const std::string home = Form().Expert().AppPath();
        model_.Activate(model_.Paths(), home, home);
        ShowSchemes();
        ShowPaths();
    }

    bool BeforeOk() override {
        return TellFailure([this] { model_.SaveChangedScheme(); });
    }

    void UpdateEnables() override {
        const bool on = chkEnableSounds->isChecked();
        lvEvents->setEnabled(on);
        lvSchemes->setEnabled(on);
        btnSaveScheme->setEnabled(on);
        const bool events = on && model_.CanBrowse();
        SetFieldEnabled(cbSoundFileName, events);
        btnBrowseSound->setEnabled(events);
        btnTestSound->setEnabled(on && model_.CanTest(QtToAnsi(cbSoundFileName->currentText())));
        btnClearSound->setEnabled(on && model_.CanClear());
    }

    // Rows are translated by the caption they show, so a row no table knows
    // keeps its caption.
    void Localize(int language) override {
        const int to = language == 1 ? 1 : 0;
        for (int i = 0; i < lvEvents->topLevelItemCount(); ++i) {
            QTreeWidgetItem* row = lvEvents->topLevelItem(i);
            for (int e = 0; e < kSoundEventCount; ++e)
                for (const auto& table : kEventCaptions)
                    if (row->text(0) == QString::fromUtf8(table[e])) row->setText(0, QString::fromUtf8(kEventCaptions[to][e]));
        }
        language_ = to;
        if (QTreeWidgetItem* first = lvSchemes->topLevelItem(0); first && first->text(0).startsWith(QLatin1Char('<')))
            first->setText(0, QString::fromUtf8(kCurrentScheme[to]));
    }

private:
    void ShowPaths() {
        const ScopedValue<bool> quiet(showing_, true);
        const QString typed = cbSoundFileName->currentText();
        cbSoundFileName->clear();
        for (const std::string& path : model_.FileChoices()) cbSoundFileName->addItem(AnsiToQt(path));
        for (int e = 0; e < kSoundEventCount && e < lvEvents->topLevelItemCount(); ++e) {
            const std::string& path = model_.Paths()[static_cast<std::size_t>(e)];
            QTreeWidgetItem* row = lvEvents->topLevelItem(e);
            row->setIcon(0, RowIcon(options::ImageOfSoundPath(path)));
            row->setToolTip(0, AnsiToQt(path));
        }
        ShowCommonPath();
        UpdateEnables();
    }

    // All selected events share a path: the combo shows it; otherwise it is
    // empty.
    void ShowCommonPath() {
        const ScopedValue<bool> quiet(showing_, true);
        const QString common = AnsiToQt(model_.CommonPath());
        if (!common.isEmpty() && cbSoundFileName->findText(common) < 0) cbSoundFileName->addItem(common);
        cbSoundFileName->setCurrentIndex(common.isEmpty() ? -1 : cbSoundFileName->findText(common));
        cbSoundFileName->setEditText(common);
    }

    void ShowSchemes() {
        const ScopedValue<bool> quiet(showing_, true);
        lvSchemes->clear();
        for (const std::string& name : model_.Schemes()) PlainRow(lvSchemes, AnsiToQt(name));
        if (QTreeWidgetItem* first = lvSchemes->topLevelItem(0)) first->setText(0, QString::fromUtf8(kCurrentScheme[language_]));
        if (QTreeWidgetItem* chosen = lvSchemes->topLevelItem(model_.SelectedScheme())) lvSchemes->setCurrentItem(chosen);
    }

    void EventsSelected() {
        if (showing_) return;
        for (int e = 0; e < kSoundEventCount && e < lvEvents->topLevelItemCount(); ++e)
            model_.SetEventSelected(e, lvEvents->topLevelItem(e)->isSelected());
        ShowCommonPath();
        UpdateEnables();
    }

    void FileTyped(const QString& text) {
        if (showing_) return;
        model_.Assign(QtToAnsi(text));
        const ScopedValue<bool> quiet(showing_, true);
        for (int e = 0; e < kSoundEventCount; ++e)
            lvEvents->topLevelItem(e)->setIcon(0, RowIcon(options::ImageOfSoundPath(model_.Paths()[static_cast<std::size_t>(e)])));
        UpdateEnables();
    }

    void Browse() {
        if (!model_.CanBrowse()) return;
        host::TFileDialogOptions options{.filter = kSoundFilter, .defaultExt = "wav", .initialDir = Form().Expert().AppPath()};
        const std::vector<std::string> files = host::OpenFileDialog(options);
        if (files.empty()) return;
        model_.Assign(files.front());
        ShowPaths();
    }

    void ClearSounds() {
        model_.ClearSelected();
        ShowPaths();
    }

    // Plays what the combo names, as the event would sound.
    void Test() {
        const std::string path = ResolveSoundPath(QtToAnsi(cbSoundFileName->currentText()), Form().Expert().AppPath());
        if (path.empty()) return;
        if (options::ImageOfSoundPath(path) == SoundRowImage::Wave) {
            host::IHost* h = host::Host();
            std::string bytes;
            if (!h || !TellFailure([&] { bytes = ReadFileBytes(path); }) || bytes.empty()) return;
            h->Sound().PlayWave(bytes, false);
            return;
        }
        std::string text;
        if (!TellFailure([&] { text = ReadFileBytes(path); })) return;
        BeepFileContent melody = ParseBeepFile(text);
        if (melody.notes.size() < 2) {
            Form().RefusedKeyBeep();
            return;
        }
        if (!player_) player_ = std::make_unique<TBeepPlayer>();
        player_->Play(std::move(melody.notes));
    }

    void SchemeChosen(int row) {
        if (showing_ || row < 0 || row == model_.SelectedScheme()) return;
        TellFailure([&] {
            model_.SelectScheme(row, [](const std::string& question) {
                return host::MessageDlg("Skrivo Expert", question, host::MessageButtons::YesNo) == host::mrYes;
            });
        });
        ShowSchemes();
        ShowPaths();
    }

    void SaveSchemeAs() {
        host::TFileDialogOptions options{.filter = kSchemeFilter, .defaultExt = "ss", .initialDir = Form().Expert().AppPath()};
        const auto file = host::SaveFileDialog(options);
        if (!file) return;
        TellFailure([&] { model_.SaveAs(*file); });
        ShowSchemes();
    }

    SoundPageModel model_;
    std::unique_ptr<TBeepPlayer> player_;
    int language_ = 0;
    bool showing_ = false;
    QCheckBox* chkEnableSounds;
    QTreeWidget* lvEvents;
    QTreeWidget* lvSchemes;
    QPushButton* btnSaveScheme;
    QComboBox* cbSoundFileName;
    QPushButton* btnBrowseSound;
    QPushButton* btnTestSound;
    QPushButton* btnClearSound;
};

}  // namespace

TOptionsPage* CreateSoundPage(TfmOptions& form) { return new TSoundPage(form); }

}  // namespace skrivo
