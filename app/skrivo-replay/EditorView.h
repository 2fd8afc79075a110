// What the replay commands read from the module in front: its text and where its cursor stands.
#pragma once

#include <string>

#include "host/api/Editor.h"

namespace skrivo::replay {

class Session;

struct FrontText {
    std::string text;        // the whole text, in the host's code page
    std::size_t cursor = 0;  // the cursor's linear position in text
    int virtualBlanks = 0;   // columns the cursor stands beyond the end of its line
};

FrontText ReadFrontText(Session& session);

// The text with "|" at the cursor (after blanks for columns beyond the line's end).
std::string MarkCursor(const FrontText& front);
// The cursor's line as the editor has it (no line break) and the cursor's
// place in it.
FrontText CursorLine(Session& session, const FrontText& front);

}  // namespace skrivo::replay
