// The fixed-size dialogs of the expert: dialog font, centred placement, default and cancel buttons.
#include "options/DialogForm.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QLabel>
#include <QKeyEvent>
#include <QPushButton>

#include "host/api/Host.h"
#include "platform/CodePage.h"

namespace skrivo {

QFont DialogFont() {
    QFont font;
    if (QFontDatabase::hasFamily(QString::fromLatin1(kDialogFontFamily))) {
        font.setFamily(QString::fromLatin1(kDialogFontFamily));
    } else {
        font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        font.setStyleHint(QFont::SansSerif);
    }
    // A pixel size, not a point size: the layouts are in pixels and are not
    // scaled with the screen's resolution.
    font.setPixelSize(kDialogFontPixels);
    return font;
}

QString AnsiToQt(std::string_view ansi) { return QString::fromStdString(win::AnsiToUtf8(ansi, win::GetACP())); }

TDialogForm::TDialogForm(std::string className, const std::string& name, int clientWidth, int clientHeight)
    : host::TForm(std::move(className), name) {
    // Nothing on the title bar: these dialogs end through their own buttons,
    // and their fixed layouts cannot be resized.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(DialogFont());
    setFixedSize(clientWidth, clientHeight);
    if (host::IHost* h = host::Host()) move((h->Screen().Width() - clientWidth) / 2, (h->Screen().Height() - clientHeight) / 2);
}

QPushButton* TDialogForm::AddButton(const std::string& name, std::string_view caption, const QRect& bounds) {
    auto* button = new QPushButton(AnsiToQt(caption), this);
    SetControlClass(button, name);
    button->setAutoDefault(true);
    button->setGeometry(bounds);
    return button;
}

QLabel* TDialogForm::AddLabel(const std::string& name, std::string_view caption, const QRect& bounds) {
    auto* label = new QLabel(AnsiToQt(caption), this);
    SetControlClass(label, name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(bounds);
    return label;
}

QCheckBox* TDialogForm::AddCheckBox(const std::string& name, std::string_view caption, const QRect& bounds) {
    auto* box = new QCheckBox(AnsiToQt(caption), this);
    SetControlClass(box, name);
    box->setGeometry(bounds);
    return box;
}

void TDialogForm::SetDefaultButton(QPushButton* button) {
    if (defaultButton_) defaultButton_->setDefault(false);
    defaultButton_ = button;
    if (button) button->setDefault(true);
}

void TDialogForm::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & ~Qt::KeypadModifier) {
        host::TForm::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // A focused push button takes Enter itself (it is auto-default);
        // whatever else has the focus hands it to the default button.
        if (defaultButton_ && defaultButton_->isEnabled()) {
            defaultButton_->click();
            return;
        }
        break;
    }
    case Qt::Key_Escape:
        if (cancelButton_ && cancelButton_->isEnabled()) {
            cancelButton_->click();
            return;
        }
        break;
    default:
        break;
    }
    host::TForm::keyPressEvent(event);
}

}  // namespace skrivo
