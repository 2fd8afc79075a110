// TfmSearchFast: the search dialog that a recording uses in place of the IDE's own.
#pragma once

#include <string>
#include <vector>

#include "host/api/EditorTypes.h"
#include "options/DialogForm.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace skrivo {

class TfmSearchFast final : public TDialogForm {
    Q_OBJECT
public:
    TfmSearchFast();

    // Shows the options; the text box and its drop-down from the history.
    void SetOptions(const host::TSearchOptions& options, const std::vector<std::string>& history);
    host::TSearchOptions Options() const;

    // Owned by the form (Qt children).
    QComboBox* cbText;
    QGroupBox* grpOptions;
    QCheckBox* chkCaseSensitive;
    QCheckBox* chkWholeWordsOnly;
    QCheckBox* chkRegularExpressions;
    QGroupBox* grpDirection;
    QRadioButton* rbForward;
    QRadioButton* rbBackward;
    QGroupBox* grpScope;
    QRadioButton* rbGlobal;
    QRadioButton* rbSelectedText;
    QGroupBox* grpOrigin;
    QRadioButton* rbFromCursor;
    QRadioButton* rbEntireScope;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};

// Shows the dialog over options; on OK writes the chosen options back and
// returns true.
bool AskSearch(host::TSearchOptions& options, const std::vector<std::string>& history);

}  // namespace skrivo
