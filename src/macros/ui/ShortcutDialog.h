// TfmShortcut: captures one key combination (the options dialog's shortcut boxes).
#pragma once

#include "options/DialogForm.h"
#include "platform/ShortCut.h"

class QLineEdit;
class QPushButton;

namespace skrivo {

class TKeyPreview;

class TfmShortcut final : public TDialogForm {
    Q_OBJECT
public:
    explicit TfmShortcut(QWidget* owner = nullptr);
    ~TfmShortcut() override;
    TfmShortcut(const TfmShortcut&) = delete;
    TfmShortcut& operator=(const TfmShortcut&) = delete;

    // Owned by the form (Qt children).
    QLineEdit* edShortcut;
    QPushButton* btnOK;
    QPushButton* btnClear;
    QPushButton* btnCancel;

private:
    TKeyPreview* preview_;
};

// The key combination dialog while it is open; nullptr otherwise.
extern TfmShortcut* fmShortcut;

// Shows the dialog with the current shortcut; on OK stores the captured one
// (0 when cleared) and returns true.
bool AskShortcut(win::TShortCut& shortCut, QWidget* owner = nullptr);

}  // namespace skrivo
