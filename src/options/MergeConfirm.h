// TfmMergeConfirm: asks whether to merge a dictionary file another IDE instance changed.
#pragma once

#include "options/DialogForm.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace skrivo {

class TfmMergeConfirm final : public TDialogForm {
    Q_OBJECT
public:
    TfmMergeConfirm();
    ~TfmMergeConfirm() override;
    TfmMergeConfirm(const TfmMergeConfirm&) = delete;
    TfmMergeConfirm& operator=(const TfmMergeConfirm&) = delete;

    // Owned by the form (Qt children).
    QLabel* Label1;
    QPushButton* btnOK;
    QPushButton* btnCancel;
    QCheckBox* chkNoMoreShow;

    void FormShow();
    void btnOKClick();
    void btnCancelClick();

protected:
    void showEvent(QShowEvent* event) override;
};

// The confirmation while it exists; nullptr otherwise.
extern TfmMergeConfirm* fmMergeConfirm;

}  // namespace skrivo
