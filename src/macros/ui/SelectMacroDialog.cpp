// TfmSelectMacro: chooses a macro to play and, in its lower panel, the repeat count and the text condition.
#include "macros/ui/SelectMacroDialog.h"

#include <limits>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QTreeWidget>

#include "bridge/Diagnostics.h"
#include "macros/Macro.h"
#include "macros/ShortcutRules.h"
#include "macros/ui/KeyPreview.h"
#include "platform/VirtualKeys.h"

namespace skrivo {

namespace {

constexpr int kNameColumnWidth = 150;
constexpr int kMinNameColumn = 100;
constexpr int kMinShortcutColumn = 20;


// Digits only, so the count cannot be negative; a count past what 32 bits
// hold plays as often as they allow.
std::int32_t RepeatCountOf(const QString& text) {
    if (text.isEmpty()) return 0;
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok || value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

}  // namespace

TfmSelectMacro::TfmSelectMacro() : TDialogForm("TfmSelectMacro", "fmSelectMacro", kSelectMacroWidth, kSelectMacroCollapsed) {
    SetCaption("Select macro");
    SetStayOnTop(true);

    lvMacroList = new QTreeWidget(this);
    SetControlClass(lvMacroList, "lvMacroList");
    lvMacroList->setGeometry(8, 8, 257, 165);
    lvMacroList->setColumnCount(2);
    lvMacroList->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Shortcut")});
    lvMacroList->setRootIsDecorated(false);
    lvMacroList->setSelectionMode(QAbstractItemView::SingleSelection);
    lvMacroList->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvMacroList->setEditTriggers(QAbstractItemView::EditKeyPressed);
    lvMacroList->header()->setMinimumSectionSize(kMinShortcutColumn);
    lvMacroList->header()->setStretchLastSection(true);
    lvMacroList->setColumnWidth(0, kNameColumnWidth);

    btnOK = AddButton("btnOK", "Execute", QRect(280, 8, 92, 25));
    btnCancel = AddButton("btnCancel", "Cancel", QRect(280, 40, 92, 25));
    btnAdvanced = AddButton("btnAdvanced", "Advanced >>", QRect(280, 148, 92, 25));
    SetDefaultButton(btnOK);
    SetCancelButton(btnCancel);
    SetButtonModalResult(btnOK, host::mrOk);
    SetButtonModalResult(btnCancel, host::mrCancel);

    Label1 = AddLabel("Label1", "Text at cursor:", QRect(8, 190, 120, 16));
    // Room for its caption in wider fonts than the dialog was laid out for.
    chkCheckOnce = AddCheckBox("chkCheckOnce", "Check once", QRect(262, 189, 112, 17));
    chkCheckOnce->setEnabled(false);
    cbTextAtCursor = new QComboBox(this);
    SetControlClass(cbTextAtCursor, "cbTextAtCursor");
    cbTextAtCursor->setEditable(true);
    cbTextAtCursor->setInsertPolicy(QComboBox::NoInsert);
    cbTextAtCursor->setGeometry(8, 208, 364, 21);

    grpIfNotMatches = new QGroupBox(QStringLiteral("  If not matches  "), this);
    SetControlClass(grpIfNotMatches, "grpIfNotMatches");
    grpIfNotMatches->setGeometry(8, 238, 257, 77);
    grpIfNotMatches->setEnabled(false);
    rbStop = new QRadioButton(QStringLiteral("Stop execution of entire playback"), grpIfNotMatches);
    rbStop->setGeometry(10, 22, 240, 20);
    rbStop->setChecked(true);
    rbSkip = new QRadioButton(QStringLiteral("Skip this macro call and continue"), grpIfNotMatches);
    rbSkip->setGeometry(10, 46, 240, 20);

    Label2 = AddLabel("Label2", "Repeat count:", QRect(280, 244, 92, 16));
    edRepeatCount = new QLineEdit(this);
    SetControlClass(edRepeatCount, "edRepeatCount");
    edRepeatCount->setGeometry(280, 262, 92, 21);
    edRepeatCount->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edRepeatCount));

    connect(btnAdvanced, &QPushButton::clicked, this, [this] { btnAdvancedClick(); });
    connect(cbTextAtCursor, &QComboBox::editTextChanged, this, [this](const QString& text) { ConditionChanged(text); });
    connect(lvMacroList, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
        if (column != 0) return;
        const auto index = static_cast<std::size_t>(item->data(0, Qt::UserRole).toInt());
        if (index >= macros_.size()) return;
        macros_[index]->SetName(QtToAnsi(item->text(0)));
        FChanged = true;
    });
    preview_ = new TKeyPreview(this, [this](const TPreviewKey& key) { return PreviewKey(key); });
}

TfmSelectMacro::~TfmSelectMacro() = default;

void TfmSelectMacro::AddMacro(TMacro& macro) {
    auto* item = new QTreeWidgetItem(lvMacroList);
    const QSignalBlocker quiet(lvMacroList);
    item->setText(0, AnsiToQt(macro.FName));
    item->setText(1, AnsiToQt(win::ShortCutToText(macro.FShtcut)));
    item->setData(0, Qt::UserRole, static_cast<int>(macros_.size()));
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    macros_.push_back(&macro);
}

TMacro* TfmSelectMacro::SelectedMacro() const {
    const QList<QTreeWidgetItem*> selected = lvMacroList->selectedItems();
    if (selected.isEmpty()) return nullptr;
    const auto index = static_cast<std::size_t>(selected.front()->data(0, Qt::UserRole).toInt());
    return index < macros_.size() ? macros_[index] : nullptr;
}

void TfmSelectMacro::showEvent(QShowEvent* event) {
    TDialogForm::showEvent(event);
    if (!event->spontaneous()) FormActivate();
}

void TfmSelectMacro::FormActivate() {
    ShowPanel();
    if (lvMacroList->selectedItems().isEmpty() && lvMacroList->topLevelItemCount() > 0)
        Select(lvMacroList->topLevelItem(0));
    lvMacroList->setFocus(Qt::OtherFocusReason);
}

void TfmSelectMacro::ShowPanel() {
    btnAdvanced->setText(FAdvanced ? QStringLiteral("<< Advanced") : QStringLiteral("Advanced >>"));
    setFixedSize(kSelectMacroWidth, FAdvanced ? kSelectMacroExpanded : kSelectMacroCollapsed);
    const int rest = lvMacroList->viewport()->width() - lvMacroList->columnWidth(0);
    lvMacroList->setColumnWidth(1, std::max(rest, kMinShortcutColumn));
}

void TfmSelectMacro::btnAdvancedClick() {
    FChanged = true;
    FAdvanced = !FAdvanced;
    ShowPanel();
}

void TfmSelectMacro::ConditionChanged(const QString& text) {
    chkCheckOnce->setEnabled(!text.isEmpty());
    grpIfNotMatches->setEnabled(!text.isEmpty());
}

void TfmSelectMacro::Select(QTreeWidgetItem* item) {
    lvMacroList->setCurrentItem(item);
    item->setSelected(true);
    lvMacroList->scrollToItem(item);
}

bool TfmSelectMacro::PreviewKey(const TPreviewKey& key) {
    if (key.key != 0) {
        QTreeWidgetItem* first = nullptr;
        for (int i = 0; i < lvMacroList->topLevelItemCount(); ++i) {
            if (!KeyMatches(macros_[static_cast<std::size_t>(i)]->FShtcut, key.key, key.shift)) continue;
            QTreeWidgetItem* item = lvMacroList->topLevelItem(i);
            if (first) return true;  // two macros share it: the first stays chosen, nothing plays
            first = item;
            Select(item);
            lvMacroList->setFocus(Qt::OtherFocusReason);
            Rpt("....... Item selected: ", QtToAnsi(item->text(0)));
        }
        if (first) {
            SetModalResult(host::mrOk);
            return true;
        }
    }
    const bool inList = key.event && (key.target == lvMacroList || key.target == lvMacroList->viewport());
    if (!inList) return false;
    if (key.key == win::VK_F1 + 1 && key.shift == 0) {
        if (QTreeWidgetItem* item = lvMacroList->currentItem()) lvMacroList->editItem(item, 0);
        return true;
    }
    if (key.shift & (win::ssCtrl | win::ssAlt)) return false;
    const QString typed = key.event->text();
    if (typed.size() != 1 || !typed.at(0).isPrint()) return false;
    TypeAhead(typed);
    return true;
}

bool TfmSelectMacro::TypeAhead(const QString& typed) {
    const int count = lvMacroList->topLevelItemCount();
    if (count == 0) return false;
    const QTreeWidgetItem* current = lvMacroList->selectedItems().isEmpty() ? nullptr : lvMacroList->selectedItems().front();
    const int from = current ? lvMacroList->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(current)) : -1;
    const QChar wanted = typed.at(0).toUpper();
    for (int step = 1; step < count + (from < 0 ? 1 : 0); ++step) {
        QTreeWidgetItem* item = lvMacroList->topLevelItem((from + step) % count);
        const QString caption = item->text(0);
        if (!caption.isEmpty() && caption.at(0).toUpper() == wanted) {
            Select(item);
            lvMacroList->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return false;
}

TSelectMacroAnswer AskSelectMacro(const TSelectMacroRequest& request) {
    TfmSelectMacro form;
    form.FAdvanced = request.advanced;
    for (TMacro* macro : request.macros) form.AddMacro(*macro);
    for (const std::string& condition : request.conditions) form.cbTextAtCursor->addItem(AnsiToQt(condition));
    form.cbTextAtCursor->setEditText(QString());
    TSelectMacroAnswer answer;
    answer.execute = form.ShowModal() == host::mrOk;
    answer.chosen = form.SelectedMacro();
    answer.textAtCursor = QtToAnsi(form.cbTextAtCursor->currentText());
    answer.checkOnce = form.chkCheckOnce->isChecked();
    answer.repeatCount = RepeatCountOf(form.edRepeatCount->text());
    answer.stopIfNotMatches = form.rbStop->isChecked();
    answer.advanced = form.FAdvanced;
    answer.changed = form.FChanged;
    return answer;
}

}  // namespace skrivo
