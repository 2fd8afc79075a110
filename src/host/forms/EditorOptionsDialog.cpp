// The IDE's Editor Options dialog: automatic indentation and tab stops of the editors.
#include "host/forms/EditorOptionsDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace skrivo::host {

TEditorOptionsDialog::TEditorOptionsDialog(bool autoIndent, int tabWidth, QWidget* parent)
    : TForm("TEditorOptionsDialog", "EditorOptionsDialog", parent) {
    SetCaption("Editor Options");
    setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(this);
    autoIndent_ = new QCheckBox(QStringLiteral("&Auto indent mode"), this);
    SetControlClass(autoIndent_, "cbAutoIndent");
    autoIndent_->setChecked(autoIndent);
    layout->addWidget(autoIndent_);

    auto* row = new QHBoxLayout;
    auto* tabLabel = new QLabel(QStringLiteral("&Tab stops:"), this);
    tabWidth_ = new QSpinBox(this);
    SetControlClass(tabWidth_, "seTabWidth");
    tabWidth_->setRange(1, 32);
    tabWidth_->setValue(tabWidth);
    tabLabel->setBuddy(tabWidth_);
    row->addWidget(tabLabel);
    row->addWidget(tabWidth_);
    layout->addLayout(row);

    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    SetControlClass(ok, "btnOK");
    SetControlClass(cancel, "btnCancel");
    SetButtonModalResult(ok, mrOk);
    SetButtonModalResult(cancel, mrCancel);
    ok->setDefault(true);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    adjustSize();
}

bool TEditorOptionsDialog::AutoIndent() const { return autoIndent_->isChecked(); }
int TEditorOptionsDialog::TabWidth() const { return tabWidth_->value(); }

}  // namespace skrivo::host
