// The fixed-size dialogs of the expert: dialog font, centred placement, default and cancel buttons.
#pragma once

#include <string>
#include <string_view>

#include <QFont>
#include <QRect>
#include <QString>

#include "host/api/Form.h"

class QCheckBox;
class QKeyEvent;
class QLabel;
class QPushButton;

namespace skrivo {

// The dialogs were laid out for "MS Sans Serif" with a character height of
// 13 pixels. Where that family is not installed the platform's sans-serif
// takes its place at the same pixel size, so the fixed layouts still fit.
inline constexpr const char* kDialogFontFamily = "MS Sans Serif";
inline constexpr int kDialogFontPixels = 13;
QFont DialogFont();

// Control texts arrive as ANSI in the active code page.
QString AnsiToQt(std::string_view ansi);

// A dialog with a fixed client area, no title-bar buttons, centred on the
// screen, and the keyboard rules of a Windows dialog that a plain QWidget
// lacks: Enter clicks the focused push button or else the default one,
// Escape clicks the cancel button. Geometry of controls is in client
// coordinates, as the layouts give it.
class TDialogForm : public host::TForm {
    Q_OBJECT
public:
    TDialogForm(std::string className, const std::string& name, int clientWidth, int clientHeight);

    QPushButton* DefaultButton() const { return defaultButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }

protected:
    // Controls named as their components, placed in client coordinates. A
    // push button takes Enter itself while it has the focus, as on Windows.
    QPushButton* AddButton(const std::string& name, std::string_view caption, const QRect& bounds);
    QLabel* AddLabel(const std::string& name, std::string_view caption, const QRect& bounds);
    QCheckBox* AddCheckBox(const std::string& name, std::string_view caption, const QRect& bounds);

    // Both buttons must be children of this form.
    void SetDefaultButton(QPushButton* button);
    void SetCancelButton(QPushButton* button) { cancelButton_ = button; }

    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* defaultButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace skrivo
