// The IDE's Editor Options dialog: automatic indentation and tab stops of the editors.
#pragma once

#include "host/api/Form.h"

class QCheckBox;
class QSpinBox;

namespace skrivo::host {

// Components: cbAutoIndent, seTabWidth, btnOK, btnCancel.
class TEditorOptionsDialog final : public TForm {
    Q_OBJECT
public:
    TEditorOptionsDialog(bool autoIndent, int tabWidth, QWidget* parent = nullptr);
    bool AutoIndent() const;
    int TabWidth() const;

private:
    QCheckBox* autoIndent_;
    QSpinBox* tabWidth_;
};

}  // namespace skrivo::host
