// TOptionsPage: one page of the options dialog, with the hooks the dialog calls and helpers that build named controls.
#include "options/dialog/OptionsPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "host/api/Form.h"
#include "options/dialog/FocusLabel.h"
#include "options/dialog/OptionsForm.h"
#include "options/dialog/RadioGroup.h"

namespace skrivo {

namespace {

template <typename Control>
Control* Named(Control* control, const char* name, const QRect& bounds) {
    host::TForm::SetControlClass(control, name);
    control->setGeometry(bounds);
    return control;
}

// Group captions stand between two blanks on each side, as the frame's
// line would otherwise touch them.
QString Framed(const char* caption) { return QStringLiteral("  ") + QString::fromUtf8(caption) + QStringLiteral("  "); }

}  // namespace

TOptionsPage::TOptionsPage(TfmOptions& form, const std::string& name, const char* tabHint) : form_(form) {
    host::TForm::SetControlClass(this, name);
    SetHint(this, QString::fromUtf8(tabHint));
}

QCheckBox* TOptionsPage::AddCheck(const char* name, const char* caption, const QRect& bounds, QWidget* parent) {
    return Named(new QCheckBox(QString::fromUtf8(caption), Parent(parent)), name, bounds);
}

QLabel* TOptionsPage::AddLabel(const char* name, const char* caption, const QRect& bounds, QWidget* parent) {
    auto* label = Named(new QLabel(QString::fromUtf8(caption), Parent(parent)), name, bounds);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

TFocusLabel* TOptionsPage::AddCheckLabel(const char* name, QCheckBox* box, const QRect& bounds, QWidget* parent) {
    auto* label = Named(new TFocusLabel(box->text(), box, Parent(parent)), name, bounds);
    // The box keeps its caption (the option search finds it) but is only as
    // wide as its square, so the label alone shows the text.
    box->resize(box->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 4, box->height());
    return label;
}

QPushButton* TOptionsPage::AddButton(const char* name, const char* caption, const QRect& bounds, QWidget* parent) {
    auto* button = Named(new QPushButton(QString::fromUtf8(caption), Parent(parent)), name, bounds);
    button->setAutoDefault(true);
    return button;
}

QLineEdit* TOptionsPage::AddEdit(const char* name, const QRect& bounds, QWidget* parent) {
    return Named(new QLineEdit(Parent(parent)), name, bounds);
}

QComboBox* TOptionsPage::AddCombo(const char* name, const QStringList& items, bool editable, const QRect& bounds, QWidget* parent) {
    auto* combo = Named(new QComboBox(Parent(parent)), name, bounds);
    combo->setEditable(editable);
    if (editable) combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    return combo;
}

QGroupBox* TOptionsPage::AddGroup(const char* name, const char* caption, const QRect& bounds, QWidget* parent) {
    return Named(new QGroupBox(Framed(caption), Parent(parent)), name, bounds);
}

TSKRadioGroup* TOptionsPage::AddRadioGroup(const char* name, const char* caption, const QStringList& items, const QRect& bounds,
                                           QWidget* parent) {
    auto* group = Named(new TSKRadioGroup(Parent(parent)), name, bounds);
    group->setTitle(caption[0] ? Framed(caption) : QString());
    group->SetItems(items);
    return group;
}

QTreeWidget* TOptionsPage::AddList(const char* name, const QStringList& columns, const QRect& bounds, QWidget* parent) {
    auto* list = Named(new QTreeWidget(Parent(parent)), name, bounds);
    list->setRootIsDecorated(false);
    list->setColumnCount(static_cast<int>(std::max<qsizetype>(1, columns.size())));
    if (columns.isEmpty())
        list->setHeaderHidden(true);
    else
        list->setHeaderLabels(columns);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    return list;
}

QCheckBox* TOptionsPage::AddOption(const char* name, const char* caption, const QRect& bounds, bool TExpertConfig::*option,
                                   QWidget* parent) {
    QCheckBox* box = AddCheck(name, caption, bounds, parent);
    checks_.emplace_back(box, option);
    return box;
}

TSKRadioGroup* TOptionsPage::AddOption(const char* name, const char* caption, const QStringList& items, const QRect& bounds,
                                       std::int32_t TExpertConfig::*option, QWidget* parent) {
    TSKRadioGroup* group = AddRadioGroup(name, caption, items, bounds, parent);
    indexes_.emplace_back(group, option);
    return group;
}

void TOptionsPage::PrepareBound(const TExpertConfig& cfg) {
    for (const auto& [box, option] : checks_) box->setChecked(cfg.*option);
    for (const auto& [group, option] : indexes_) group->SetItemIndex(cfg.*option);
}

void TOptionsPage::WriteBound(TExpertConfig& cfg) const {
    for (const auto& [box, option] : checks_) cfg.*option = box->isChecked();
    // A group with nothing chosen keeps the option: -1 is no choice of any.
    for (const auto& [group, option] : indexes_)
        if (group->ItemIndex() >= 0) cfg.*option = group->ItemIndex();
}

void TOptionsPage::UpdateOn(QCheckBox* box) {
    connect(box, &QCheckBox::toggled, this, [this] { UpdateEnables(); });
}

void TOptionsPage::UpdateOn(TSKRadioGroup* group) {
    group->OnClick = [this] { UpdateEnables(); };
}

void TOptionsPage::SetFieldEnabled(QWidget* field, bool enabled) {
    field->setEnabled(enabled);
    QPalette pal = field->palette();
    const QPalette standard;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, QPalette::Base, standard.color(QPalette::Active, enabled ? QPalette::Base : QPalette::Button));
    field->setPalette(pal);
}

}  // namespace skrivo
