// Reading numbers, layouts and cursor texts from replay arguments, with script-level errors.
#pragma once

#include <string>

#include "CommandTable.h"
#include "ScriptLine.h"
#include "platform/WinTypes.h"

namespace skrivo::replay {

class Session;

// A whole decimal number in [min, max]; ReplayError naming what it is otherwise.
long long ParseNumber(const std::string& text, const char* what, long long min, long long max);
// A keyboard layout by its language identifier in hexadecimal ("0409", "0419").
win::HKL ParseLayout(const std::string& text);
// A UTF-8 text with the cursor mark, converted to the session's code page.
CursorText ParseCursorText(Session& session, const std::string& utf8);

}  // namespace skrivo::replay
