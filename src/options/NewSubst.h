// TfmNewSubst: defines or edits one substitution, its pattern and its replacement.
#pragma once

#include <string>

#include "options/DialogForm.h"

class QLineEdit;
class QPushButton;

namespace skrivo {

class TfmNewSubst final : public TDialogForm {
    Q_OBJECT
public:
    explicit TfmNewSubst(QWidget* owner = nullptr);
    TfmNewSubst(const TfmNewSubst&) = delete;
    TfmNewSubst& operator=(const TfmNewSubst&) = delete;

    // Owned by the form (Qt children).
    QLineEdit* edFrom;
    QLineEdit* edTo;
    QPushButton* btnOK;
    QPushButton* btnCancel;

protected:
    // Up and Down walk between the two lines, as in a two-line form.
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Patterns line up column by column only in a fixed-pitch font: the
// dialog's lines and the substitution list use it.
QFont SubstitutionFont();

// Shows the dialog with the texts preset; on OK gives them back and returns
// true.
bool AskSubstitution(std::string& from, std::string& to, QWidget* owner = nullptr);

}  // namespace skrivo
