// The host's message boxes ("TMessageForm"): an icon-less caption, a "Message" label and named buttons.
#pragma once

#include <string>

#include "host/api/Form.h"

namespace skrivo::host {

// Components: the label "Message" and the buttons "OK", "Cancel", "Yes", "No"
// (those the box has), as the IDE's own message boxes name them.
class TMessageForm final : public TForm {
    Q_OBJECT
public:
    TMessageForm(const std::string& caption, const std::string& message, MessageButtons buttons, QWidget* parent = nullptr);
};

}  // namespace skrivo::host
