// The Macros page: the recorded macros, their names, shortcuts and order, and ".km" files to exchange them.
#include <QCheckBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>

#include "host/api/FileDialogs.h"
#include "host/api/Form.h"
#include "macros/MacroListFile.h"
#include "macros/ui/ShortcutDialog.h"
#include "options/DialogForm.h"
#include "options/dialog/ListRowsView.h"
#include "options/dialog/OptionsForm.h"
#include "options/dialog/OptionsPage.h"
#include "options/dialog/OptionsServices.h"
#include "options/dialog/Pages.h"
#include "options/dialog/TellFailure.h"
#include "options/dialog/help/HelpTables.h"
#include "options/lists/MacroPageRows.h"
#include "platform/FileIO.h"

namespace skrivo {

namespace {

using options::MacroColumn;
using options::MacroPageRows;
using options::MacroRow;

constexpr const char* kMacroFilter = "Skrivo macros (*.km)|*.km";

class TMacrosPage final : public TOptionsPage {
public:
    explicit TMacrosPage(TfmOptions& form) : TOptionsPage(form, "shtMacros", "Мак&росы||M&acros") {
        lvMacroList = AddList("lvMacroList", {QStringLiteral("Name"), QStringLiteral("Shortcut")}, QRect(8, 6, 280, 206));
        lvMacroList->setSelectionMode(QAbstractItemView::ExtendedSelection);
        lvMacroList->setEditTriggers(QAbstractItemView::NoEditTriggers);
        lvMacroList->setColumnWidth(0, 160);
        lvMacroList->header()->setSectionsClickable(true);
        connect(lvMacroList, &QTreeWidget::itemSelectionChanged, this, [this] {
            TakeSelection(lvMacroList, rows_);
            UpdateEnables();
        });
        connect(lvMacroList, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
            if (column == 0) rows_.Rename(static_cast<std::size_t>(lvMacroList->indexOfTopLevelItem(item)), QtToAnsi(item->text(0)));
        });
        connect(lvMacroList->header(), &QHeaderView::sectionClicked, this, [this](int column) {
            rows_.HeaderClick(column == 1 ? MacroColumn::Shortcut : MacroColumn::Name);
            Show();
        });

        btnMacroUp = AddButton("btnMacroUp", "Up", QRect(296, 6, 80, 25));
        btnMacroDown = AddButton("btnMacroDown", "Down", QRect(296, 34, 80, 25));
        btnMacroTop = AddButton("btnMacroTop", "Top", QRect(296, 62, 80, 25));
        btnMacroShortcut = AddButton("btnMacroShortcut", "Shortcut", QRect(296, 98, 80, 25));
        btnMacroDelete = AddButton("btnMacroDelete", "Delete", QRect(296, 126, 80, 25));
        btnMacroSave = AddButton("btnMacroSave", "Save...", QRect(296, 160, 80, 25));
        btnMacroLoad = AddButton("btnMacroLoad", "Load...", QRect(296, 188, 80, 25));
        connect(btnMacroUp, &QPushButton::clicked, this, [this] { Change(rows_.Up()); });
        connect(btnMacroDown, &QPushButton::clicked, this, [this] { Change(rows_.Down()); });
        connect(btnMacroTop, &QPushButton::clicked, this, [this] { Change(rows_.Top()); });
        connect(btnMacroShortcut, &QPushButton::clicked, this, [this] { ChangeShortcut(); });
        connect(btnMacroDelete, &QPushButton::clicked, this, [this] { Change(rows_.Delete()); });
        connect(btnMacroSave, &QPushButton::clicked, this, [this] { Save(); });
        connect(btnMacroLoad, &QPushButton::clicked, this, [this] { Load(); });

        AddOption("chkLastMacroToTop", "Move last executed macro to top", QRect(8, 220, 280, 17), &TExpertConfig::MoveLastMacroToTop);
        AddOption("chkUseMacroShortcuts", "Use shortcuts to call macro", QRect(8, 240, 280, 17), &TExpertConfig::UseMacroShortcuts);
    }

    THelpTable Help() const override { return MacrosHelp(); }

    void Prepare(const TExpertConfig& cfg) override {
        PrepareBound(cfg);
        rows_.Fill(cfg.MacroList);
        Show();
    }

    void WriteBack(TExpertConfig& cfg) const override {
        WriteBound(cfg);
        cfg.MacroList = rows_.CopyList();
    }

    void UpdateEnables() override {
        btnMacroSave->setEnabled(rows_.CanSave());
        btnMacroDelete->setEnabled(rows_.CanDelete());
        btnMacroShortcut->setEnabled(rows_.CanShortcut());
        btnMacroUp->setEnabled(rows_.CanUp());
        btnMacroTop->setEnabled(rows_.CanTop());
        btnMacroDown->setEnabled(rows_.CanDown());
    }

    void Localize(int language) override {
        lvMacroList->setHeaderLabels(language == 1 ? QStringList{QString::fromUtf8("Название"), QString::fromUtf8("Быстрые клавиши")}
                                                   : QStringList{QStringLiteral("Name"), QStringLiteral("Shortcut")});
    }

    // The list's commands work while the page is in front, wherever the
    // focus is on it.
    bool PageKey(QKeyEvent& event) override {
        if (Editing()) return false;
        const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
        const int key = event.key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (mods == Qt::ControlModifier && (key == Qt::Key_Up || key == Qt::Key_Down)) {
            Change(key == Qt::Key_Up ? rows_.Up() : rows_.Down());
            return true;
        }
        if (mods == Qt::NoModifier && key == Qt::Key_Delete) {
            Change(rows_.Delete());
            return true;
        }
        if (mods == Qt::NoModifier && enter && rows_.SingleSelected() >= 0) {
            EditName();
            return true;
        }
        if (mods == Qt::ControlModifier && enter) {
            ChangeShortcut();
            return true;
        }
        return false;
    }

private:
    // A name being edited has the keys to itself.
    bool Editing() const {
        const QWidget* focus = Form().focusWidget();
        return focus && focus != lvMacroList && lvMacroList->isAncestorOf(focus);
    }

    void Show() {
        ShowRows(lvMacroList, rows_, [this](QTreeWidgetItem& item, const MacroRow& row) {
            item.setFlags((item.flags() | Qt::ItemIsEditable) & ~Qt::ItemIsUserCheckable);
            item.setText(0, AnsiToQt(row.macro->FName));
            item.setText(1, AnsiToQt(win::ShortCutToText(row.macro->FShtcut)));
        });
        lvMacroList->header()->setSortIndicatorShown(rows_.SortColumn() >= 0);
        if (rows_.SortColumn() >= 0) lvMacroList->header()->setSortIndicator(rows_.SortColumn(), Qt::AscendingOrder);
        UpdateEnables();
    }

    void Change(bool changed) {
        if (!changed) return;
        Show();
        lvMacroList->setFocus(Qt::OtherFocusReason);
    }

    void EditName() {
        QTreeWidgetItem* item = lvMacroList->topLevelItem(rows_.SingleSelected());
        if (item) lvMacroList->editItem(item, 0);
    }

    void ChangeShortcut() {
        const int row = rows_.SingleSelected();
        if (row < 0) return;
        win::TShortCut shortCut = rows_.Macro(static_cast<std::size_t>(row)).FShtcut;
        if (!AskShortcut(shortCut, &Form())) return;
        rows_.SetShortcut(static_cast<std::size_t>(row), shortCut);
        Show();
    }

    void Save() {
        if (!rows_.CanSave()) return;
        host::TFileDialogOptions options{.filter = kMacroFilter, .defaultExt = "km", .initialDir = Form().Expert().AppPath()};
        const auto file = host::SaveFileDialog(options);
        if (!file) return;
        const std::vector<const TMacro*> chosen = rows_.SelectedMacros();
        TellFailure([&] { SaveMacroListFile(*file, chosen); });
    }

    // Files that are no macro lists add nothing; a damaged one adds the
    // macros stored whole before the damage.
    void Load() {
        host::TFileDialogOptions options{.filter = kMacroFilter, .defaultExt = "km", .initialDir = Form().Expert().AppPath(),
                                         .multiSelect = true};
        std::vector<std::unique_ptr<TMacro>> loaded;
        for (const std::string& file : host::OpenFileDialog(options)) {
            TellFailure([&] {
                TMacroListRead read = LoadMacroListFile(file);
                for (auto& macro : read.macros) loaded.push_back(std::move(macro));
            });
        }
        if (loaded.empty()) return;
        rows_.Append(std::move(loaded));
        Change(true);
    }


    MacroPageRows rows_;
    QTreeWidget* lvMacroList;
    QPushButton* btnMacroUp;
    QPushButton* btnMacroDown;
    QPushButton* btnMacroTop;
    QPushButton* btnMacroShortcut;
    QPushButton* btnMacroDelete;
    QPushButton* btnMacroSave;
    QPushButton* btnMacroLoad;
};

}  // namespace

TOptionsPage* CreateMacrosPage(TfmOptions& form) { return new TMacrosPage(form); }

}  // namespace skrivo
