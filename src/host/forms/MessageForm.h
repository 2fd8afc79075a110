// The host's message boxes ("TMessageForm"): an icon-less caption, a "Message" label and named buttons.
#pragma once

#include <string>

#include "host/forms/Form.h"

namespace skrivo::host {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };

// Components: the label "Message" and the buttons "OK", "Cancel", "Yes", "No"
// (those the box has), as the IDE's own message boxes name them.
class TMessageForm final : public TForm {
    Q_OBJECT
public:
    TMessageForm(const std::string& caption, const std::string& message, MessageButtons buttons, QWidget* parent = nullptr);
};

// Shows a message box modally and returns its modal result (mrOk, mrYes, ...).
int MessageDlg(const std::string& caption, const std::string& message, MessageButtons buttons);

}  // namespace skrivo::host
