// TfmMergeConfirm: asks whether to merge a dictionary file another IDE instance changed.
#include "options/MergeConfirm.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "host/api/Host.h"

namespace skrivo {

TfmMergeConfirm* fmMergeConfirm = nullptr;

TfmMergeConfirm::TfmMergeConfirm() : TDialogForm("TfmMergeConfirm", "fmMergeConfirm", 250, 126) {
    SetCaption("Confirmation");
    Label1 = AddLabel("Label1",
                      "Dictionary was changed on disk. Merge it ?\n"
                      "\n"
                      "This can take several minutes.",
                      QRect(8, 0, 233, 65));
    Label1->setWordWrap(true);
    btnOK = AddButton("btnOK", "Yes", QRect(40, 72, 75, 25));
    btnCancel = AddButton("btnCancel", "No", QRect(136, 72, 75, 25));
    chkNoMoreShow = AddCheckBox("chkNoMoreShow", "No more ask", QRect(8, 104, 169, 17));
    SetDefaultButton(btnOK);
    SetCancelButton(btnCancel);
    btnOK->setFocus(Qt::OtherFocusReason);

    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
    fmMergeConfirm = this;
}

TfmMergeConfirm::~TfmMergeConfirm() {
    if (fmMergeConfirm == this) fmMergeConfirm = nullptr;
}

void TfmMergeConfirm::showEvent(QShowEvent* event) {
    TDialogForm::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

// The host's system beep stands for the exclamation sound. It is a request
// to the sound service and is not waited for: holding the main thread would
// only delay the dialog's first paint.
void TfmMergeConfirm::FormShow() {
    if (host::IHost* h = host::Host()) h->Windows().MessageBeep();
}

void TfmMergeConfirm::btnOKClick() { SetModalResult(host::mrOk); }
void TfmMergeConfirm::btnCancelClick() { SetModalResult(host::mrCancel); }

}  // namespace skrivo
