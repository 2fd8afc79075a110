// The host's message boxes ("TMessageForm"): a caption, a "Message" label and named buttons.
#include "host/forms/MessageForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "host/forms/Desktop.h"
#include "host/text/AnsiText.h"

namespace skrivo::host {

TMessageForm::TMessageForm(const std::string& caption, const std::string& message, MessageButtons buttons, QWidget* parent)
    : TForm("TMessageForm", "MessageForm", parent) {
    SetCaption(caption);
    setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QString::fromStdString(AnsiToEditorText(message)), this);
    SetControlClass(label, "Message");
    label->setWordWrap(true);
    label->setMinimumWidth(220);
    layout->addWidget(label);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    auto addButton = [&](const char* name, const char* text, int result) {
        auto* button = new QPushButton(QString::fromLatin1(text), this);
        SetControlClass(button, name);
        SetButtonModalResult(button, result);
        row->addWidget(button);
        return button;
    };
    QPushButton* first = nullptr;
    switch (buttons) {
    case MessageButtons::Ok:
        first = addButton("OK", "OK", mrOk);
        break;
    case MessageButtons::OkCancel:
        first = addButton("OK", "OK", mrOk);
        addButton("Cancel", "Cancel", mrCancel);
        break;
    case MessageButtons::YesNo:
        first = addButton("Yes", "&Yes", mrYes);
        SetCancelButton(addButton("No", "&No", mrNo));
        break;
    case MessageButtons::YesNoCancel:
        first = addButton("Yes", "&Yes", mrYes);
        addButton("No", "&No", mrNo);
        addButton("Cancel", "Cancel", mrCancel);
        break;
    }
    layout->addLayout(row);
    if (first) {
        first->setDefault(true);
        first->setFocus(Qt::OtherFocusReason);
    }
    adjustSize();
    const QSize screen = Desktop::Instance().ScreenSize();
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

int MessageDlg(const std::string& caption, const std::string& message, MessageButtons buttons) {
    TMessageForm form(caption, message, buttons);
    return form.ShowModal();
}

}  // namespace skrivo::host
