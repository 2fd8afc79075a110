// The Exclusions page: the words after which the list stays hidden, each one switchable, editable and movable.
#include <QAbstractItemDelegate>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>

#include "options/DialogForm.h"
#include "options/dialog/OptionsPage.h"
#include "options/dialog/Pages.h"
#include "options/dialog/help/HelpTables.h"

namespace skrivo {

namespace {

// A word switched off keeps its place in the list behind this mark.
constexpr char kOffMark = '!';
// The caption a row had when its edit began; a new row has none.
constexpr int kPreviousCaptionRole = Qt::UserRole + 1;

class TExclusionsPage final : public TOptionsPage {
public:
    explicit TExclusionsPage(TfmOptions& form) : TOptionsPage(form, "shtExclusions", "&Исключения||E&xclusions") {
        chkHideAfterWords = AddOption("chkHideAfterWords", "Hide after words:", QRect(8, 6, 180, 17), &TExpertConfig::HideAfterWords);
        chkExcCaseSensitive = AddOption("chkExcCaseSensitive", "Case sensitive", QRect(200, 6, 170, 17), &TExpertConfig::WordsCaseSensitive);
        UpdateOn(chkHideAfterWords);
        lvWords = AddList("lvWords", {}, QRect(8, 28, 270, 228));
        lvWords->setSelectionMode(QAbstractItemView::SingleSelection);
        lvWords->setEditTriggers(QAbstractItemView::NoEditTriggers);
        lvWords->installEventFilter(this);
        connect(lvWords, &QTreeWidget::itemSelectionChanged, this, [this] { UpdateEnables(); });
        connect(lvWords->itemDelegate(), &QAbstractItemDelegate::closeEditor, this, [this] { EditEnded(); });
        btnNewWord = AddButton("btnNewWord", "New", QRect(288, 28, 88, 25));
        btnRemoveWord = AddButton("btnRemoveWord", "Remove", QRect(288, 58, 88, 25));
        btnWordUp = AddButton("btnWordUp", "Move up", QRect(288, 98, 88, 25));
        btnWordDown = AddButton("btnWordDown", "Move down", QRect(288, 128, 88, 25));
        connect(btnNewWord, &QPushButton::clicked, this, [this] { NewWord(); });
        connect(btnRemoveWord, &QPushButton::clicked, this, [this] { RemoveWord(); });
        connect(btnWordUp, &QPushButton::clicked, this, [this] { MoveWord(-1); });
        connect(btnWordDown, &QPushButton::clicked, this, [this] { MoveWord(+1); });
    }

    THelpTable Help() const override { return ExclusionsHelp(); }

    void Prepare(const TExpertConfig& cfg) override {
        PrepareBound(cfg);
        lvWords->clear();
        for (const std::string& entry : cfg.WordsList.Lines()) {
            const bool off = !entry.empty() && entry.front() == kOffMark;
            AddRow(lvWords->topLevelItemCount(), AnsiToQt(off ? entry.substr(1) : entry), !off);
        }
    }

    void WriteBack(TExpertConfig& cfg) const override {
        WriteBound(cfg);
        cfg.WordsList.Clear();
        for (int i = 0; i < lvWords->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = lvWords->topLevelItem(i);
            std::string entry = QtToAnsi(row->text(0));
            if (row->checkState(0) != Qt::Checked) entry.insert(entry.begin(), kOffMark);
            cfg.WordsList.Add(std::move(entry));
        }
    }

    void Activate() override {
        if (!lvWords->currentItem() && lvWords->topLevelItemCount() > 0) lvWords->setCurrentItem(lvWords->topLevelItem(0));
    }

    void UpdateEnables() override {
        const bool on = chkHideAfterWords->isChecked();
        chkExcCaseSensitive->setEnabled(on);
        SetFieldEnabled(lvWords, on);
        btnNewWord->setEnabled(on);
        const int row = SelectedRow();
        btnRemoveWord->setEnabled(on && row >= 0);
        btnWordUp->setEnabled(on && row > 0);
        btnWordDown->setEnabled(on && row >= 0 && row < lvWords->topLevelItemCount() - 1);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == lvWords && event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
            if (key->key() == Qt::Key_F2 && mods == Qt::NoModifier) {
                if (QTreeWidgetItem* row = SelectedItem()) Edit(row);
                return true;
            }
            if (key->key() == Qt::Key_Delete && mods == Qt::NoModifier) {
                RemoveWord();
                return true;
            }
            if ((key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) && mods == Qt::ControlModifier) {
                MoveWord(key->key() == Qt::Key_Up ? -1 : +1);
                return true;
            }
        }
        return TOptionsPage::eventFilter(watched, event);
    }

private:
    QTreeWidgetItem* AddRow(int index, const QString& caption, bool checked) {
        auto* row = new QTreeWidgetItem(QStringList{caption});
        row->setFlags(row->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsEditable);
        row->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
        lvWords->insertTopLevelItem(index, row);
        return row;
    }

    QTreeWidgetItem* SelectedItem() const {
        const QList<QTreeWidgetItem*> selected = lvWords->selectedItems();
        return selected.isEmpty() ? nullptr : selected.front();
    }
    int SelectedRow() const {
        QTreeWidgetItem* row = SelectedItem();
        return row ? lvWords->indexOfTopLevelItem(row) : -1;
    }

    void Select(QTreeWidgetItem* row) {
        lvWords->setCurrentItem(row);
        lvWords->scrollToItem(row);
        lvWords->setFocus(Qt::OtherFocusReason);
    }

    void Edit(QTreeWidgetItem* row) {
        row->setData(0, kPreviousCaptionRole, row->text(0));
        Select(row);
        lvWords->editItem(row, 0);
    }

    void NewWord() {
        const int at = SelectedRow() >= 0 ? SelectedRow() + 1 : lvWords->topLevelItemCount();
        QTreeWidgetItem* row = AddRow(at, QString(), true);
        Edit(row);
    }

    // An edit that leaves a word empty takes it back; a new row left empty
    // was never a word.
    void EditEnded() {
        for (int i = 0; i < lvWords->topLevelItemCount(); ++i) {
            QTreeWidgetItem* row = lvWords->topLevelItem(i);
            const QVariant previous = row->data(0, kPreviousCaptionRole);
            if (!previous.isValid()) continue;
            row->setData(0, kPreviousCaptionRole, QVariant());
            if (!row->text(0).isEmpty()) continue;
            if (previous.toString().isEmpty()) {
                delete row;
                if (lvWords->topLevelItemCount() > 0) Select(lvWords->topLevelItem(std::min(i, lvWords->topLevelItemCount() - 1)));
            } else {
                row->setText(0, previous.toString());
            }
        }
        UpdateEnables();
    }

    void RemoveWord() {
        const int row = SelectedRow();
        if (row < 0) return;
        delete lvWords->takeTopLevelItem(row);
        const int count = lvWords->topLevelItemCount();
        if (count > 0) Select(lvWords->topLevelItem(std::min(row, count - 1)));
        UpdateEnables();
    }

    void MoveWord(int delta) {
        const int row = SelectedRow();
        const int to = row + delta;
        if (row < 0 || to < 0 || to >= lvWords->topLevelItemCount()) return;
        QTreeWidgetItem* moved = lvWords->takeTopLevelItem(row);
        lvWords->insertTopLevelItem(to, moved);
        Select(moved);
        UpdateEnables();
    }

    QCheckBox* chkHideAfterWords;
    QCheckBox* chkExcCaseSensitive;
    QTreeWidget* lvWords;
    QPushButton* btnNewWord;
    QPushButton* btnRemoveWord;
    QPushButton* btnWordUp;
    QPushButton* btnWordDown;
};

}  // namespace

TOptionsPage* CreateExclusionsPage(TfmOptions& form) { return new TExclusionsPage(form); }

}  // namespace skrivo
