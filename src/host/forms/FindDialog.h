// The IDE's Find Text dialog: the search text and options of the editor in front, then a search.
#pragma once

#include "host/api/EditorTypes.h"
#include "host/api/Form.h"

class QCheckBox;
class QComboBox;
class QRadioButton;

namespace skrivo::host {

// Components: cbText, chkCaseSensitive, chkWholeWordsOnly,
// chkRegularExpressions, rbForward / rbBackward, rbGlobal / rbSelectedText,
// rbFromCursor / rbEntireScope, btnOK, btnCancel.
class TFindTextDialog final : public TForm {
    Q_OBJECT
public:
    explicit TFindTextDialog(const TSearchOptions& options, QWidget* parent = nullptr);
    // The options as the dialog shows them (the text in the active code page).
    TSearchOptions Options() const;

private:
    QComboBox* text_;
    QCheckBox* caseSensitive_;
    QCheckBox* wholeWords_;
    QCheckBox* regex_;
    QRadioButton* forward_;
    QRadioButton* global_;
    QRadioButton* fromCursor_;
};

}  // namespace skrivo::host
