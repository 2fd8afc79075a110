// TfmNewMacro: names a new recording and gives it a shortcut.
#pragma once

#include <string>

#include "options/DialogForm.h"
#include "platform/ShortCut.h"

class QLineEdit;
class QPushButton;

namespace skrivo {

class TKeyPreview;

class TfmNewMacro final : public TDialogForm {
    Q_OBJECT
public:
    TfmNewMacro();
    ~TfmNewMacro() override;
    TfmNewMacro(const TfmNewMacro&) = delete;
    TfmNewMacro& operator=(const TfmNewMacro&) = delete;

    // Owned by the form (Qt children).
    QLineEdit* edName;
    QLineEdit* edShortcut;
    QPushButton* btnOK;
    QPushButton* btnClear;
    QPushButton* btnCancel;

private:
    TKeyPreview* preview_;
};

// The store-macro dialog while it is open; nullptr otherwise.
extern TfmNewMacro* fmNewMacro;

// Shows the dialog with the name preset; on OK gives the name and the
// shortcut (0 when the box is empty) and returns true.
bool AskNewMacro(const std::string& preset, std::string& name, win::TShortCut& shortCut);

}  // namespace skrivo
