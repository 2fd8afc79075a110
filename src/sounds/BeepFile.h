// Beep sequence files: one decimal integer a line, read as frequency/duration pairs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace skrivo {

struct BeepFileContent {
    std::vector<std::int32_t> notes;  // every number of the file, in order
    // The first line that is not a 32-bit decimal integer (1-based) and its
    // text; 0 when every line is one. Such a file plays nothing.
    int badLine = 0;
    std::string badText;
};

// Lines are trimmed of blanks and control characters; empty lines are
// skipped. A line that is not an integer makes the whole melody empty rather
// than playing a part of what the user wrote.
BeepFileContent ParseBeepFile(std::string_view text);

}  // namespace skrivo
