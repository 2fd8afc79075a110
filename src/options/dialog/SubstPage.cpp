// The Substitutions page: the patterns typed text is rewritten by, each switchable, and ".sl" files to exchange them.
#include <QCheckBox>
#include <QPushButton>
#include <QTreeWidget>

#include "host/api/FileDialogs.h"
#include "host/api/Form.h"
#include "options/DialogForm.h"
#include "options/NewSubst.h"
#include "options/dialog/ListRowsView.h"
#include "options/dialog/OptionsForm.h"
#include "options/dialog/OptionsPage.h"
#include "options/dialog/OptionsServices.h"
#include "options/dialog/Pages.h"
#include "options/dialog/TellFailure.h"
#include "options/dialog/help/HelpTables.h"
#include "options/lists/SubstPageRows.h"
#include "platform/FileIO.h"
#include "subst/SubstRows.h"

namespace skrivo {

namespace {

using options::SubstPageRows;
using subst::TSubstRow;

constexpr const char* kSubstFilter = "Skrivo substitutions (*.sl)|*.sl";

class TSubstPage final : public TOptionsPage {
public:
    explicit TSubstPage(TfmOptions& form) : TOptionsPage(form, "shtSubstitutions", "Подс&тановки||Su&bstitutions") {
        AddOption("chkUseSubstitutions", "Use substitutions", QRect(8, 6, 280, 17), &TExpertConfig::UseSubstitutions);
        lvSubst = AddList("lvSubst", {QStringLiteral("From"), QStringLiteral("To")}, QRect(8, 28, 280, 230));
        lvSubst->setSelectionMode(QAbstractItemView::ExtendedSelection);
        lvSubst->setEditTriggers(QAbstractItemView::NoEditTriggers);
        lvSubst->setColumnWidth(0, 110);
        lvSubst->setFont(SubstitutionFont());
        connect(lvSubst, &QTreeWidget::itemSelectionChanged, this, [this] {
            TakeSelection(lvSubst, rows_);
            UpdateEnables();
        });
        connect(lvSubst, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
            const int row = lvSubst->indexOfTopLevelItem(item);
            if (column == 0 && row >= 0) rows_[static_cast<std::size_t>(row)].checked = item->checkState(0) == Qt::Checked;
        });
        connect(lvSubst, &QTreeWidget::itemDoubleClicked, this, [this] { EditSubst(); });

        btnNewSubst = AddButton("btnNewSubst", "New...", QRect(296, 28, 80, 25));
        btnEditSubst = AddButton("btnEditSubst", "Edit...", QRect(296, 56, 80, 25));
        btnDuplicateSubst = AddButton("btnDuplicateSubst", "Duplicate", QRect(296, 84, 80, 25));
        btnDeleteSubst = AddButton("btnDeleteSubst", "Delete", QRect(296, 112, 80, 25));
        btnSubstUp = AddButton("btnSubstUp", "Up", QRect(296, 146, 80, 25));
        btnSubstDown = AddButton("btnSubstDown", "Down", QRect(296, 174, 80, 25));
        btnSaveSubst = AddButton("btnSaveSubst", "Save...", QRect(296, 206, 80, 25));
        btnLoadSubst = AddButton("btnLoadSubst", "Load...", QRect(296, 234, 80, 25));
        connect(btnNewSubst, &QPushButton::clicked, this, [this] { NewSubst(); });
        connect(btnEditSubst, &QPushButton::clicked, this, [this] { EditSubst(); });
        connect(btnDuplicateSubst, &QPushButton::clicked, this, [this] { Change(rows_.Duplicate()); });
        connect(btnDeleteSubst, &QPushButton::clicked, this, [this] { Change(rows_.Delete()); });
        connect(btnSubstUp, &QPushButton::clicked, this, [this] { Change(rows_.Up()); });
        connect(btnSubstDown, &QPushButton::clicked, this, [this] { Change(rows_.Down()); });
        connect(btnSaveSubst, &QPushButton::clicked, this, [this] { Save(); });
        connect(btnLoadSubst, &QPushButton::clicked, this, [this] { Load(); });
    }

    THelpTable Help() const override { return SubstHelp(); }

    void Prepare(const TExpertConfig& cfg) override {
        PrepareBound(cfg);
        rows_.Fill(cfg.SubstList);
        Show();
    }

    void WriteBack(TExpertConfig& cfg) const override {
        WriteBound(cfg);
        cfg.SubstList = rows_.Pairs();
    }

    void UpdateEnables() override {
        btnSaveSubst->setEnabled(rows_.CanSave());
        btnDeleteSubst->setEnabled(rows_.CanDelete());
        btnEditSubst->setEnabled(rows_.CanEdit());
        btnDuplicateSubst->setEnabled(rows_.CanDuplicate());
        btnSubstUp->setEnabled(rows_.CanUp());
        btnSubstDown->setEnabled(rows_.CanDown());
    }

    void Localize(int language) override {
        lvSubst->setHeaderLabels(language == 1 ? QStringList{QString::fromUtf8("Было"), QString::fromUtf8("Станет")}
                                               : QStringList{QStringLiteral("From"), QStringLiteral("To")});
    }

private:
    void Show() {
        ShowRows(lvSubst, rows_, [](QTreeWidgetItem& item, const TSubstRow& row) {
            item.setFlags(item.flags() | Qt::ItemIsUserCheckable);
            item.setCheckState(0, row.checked ? Qt::Checked : Qt::Unchecked);
            item.setText(0, AnsiToQt(row.from));
            item.setText(1, AnsiToQt(row.to));
        });
        UpdateEnables();
    }

    void Change(bool changed) {
        if (!changed) return;
        Show();
        lvSubst->setFocus(Qt::OtherFocusReason);
    }

    void NewSubst() {
        std::string from, to;
        if (!AskSubstitution(from, to, &Form())) return;
        rows_.New(std::move(from), std::move(to));
        Change(true);
    }

    void EditSubst() {
        const int row = rows_.SingleSelected();
        if (row < 0) return;
        std::string from = rows_[static_cast<std::size_t>(row)].from;
        std::string to = rows_[static_cast<std::size_t>(row)].to;
        if (!AskSubstitution(from, to, &Form())) return;
        Change(rows_.Edit(std::move(from), std::move(to)));
    }

    // With nothing selected there is nothing to save: no file dialog, no file.
    void Save() {
        if (!rows_.CanSave()) return;
        host::TFileDialogOptions options{.filter = kSubstFilter, .defaultExt = "sl", .initialDir = Form().Expert().AppPath()};
        const auto file = host::SaveFileDialog(options);
        if (!file) return;
        const subst::TSubstRows chosen = rows_.SelectedRows();
        TellFailure([&] { subst::SaveSubstListFile(*file, chosen); });
    }

    void Load() {
        host::TFileDialogOptions options{.filter = kSubstFilter, .defaultExt = "sl", .initialDir = Form().Expert().AppPath(),
                                         .multiSelect = true};
        bool added = false;
        for (const std::string& file : host::OpenFileDialog(options)) {
            TellFailure([&] {
                const subst::TSubstRows loaded = subst::LoadSubstListFile(file);
                rows_.Append(loaded);
                added = added || !loaded.empty();
            });
        }
        Change(added);
    }


    SubstPageRows rows_;
    QTreeWidget* lvSubst;
    QPushButton* btnNewSubst;
    QPushButton* btnEditSubst;
    QPushButton* btnDuplicateSubst;
    QPushButton* btnDeleteSubst;
    QPushButton* btnSubstUp;
    QPushButton* btnSubstDown;
    QPushButton* btnSaveSubst;
    QPushButton* btnLoadSubst;
};

}  // namespace

TOptionsPage* CreateSubstPage(TfmOptions& form) { return new TSubstPage(form); }

}  // namespace skrivo
