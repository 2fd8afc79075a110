// Beep sequence files: one decimal integer a line, read as frequency/duration pairs.
#include "sounds/BeepFile.h"

#include "platform/IntegerText.h"
#include "platform/StringList.h"

namespace skrivo {

namespace {
std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
    return s;
}
}  // namespace

BeepFileContent ParseBeepFile(std::string_view text) {
    StringList lines;
    lines.SetText(text);
    BeepFileContent content;
    for (std::size_t i = 0; i < lines.Count(); ++i) {
        const std::string_view line = Trimmed(lines[i]);
        if (line.empty()) continue;
        std::int32_t value = 0;
        if (!TryStrToInt(line, value)) {
            content.notes.clear();
            content.badLine = static_cast<int>(i) + 1;
            content.badText = std::string(line);
            return content;
        }
        content.notes.push_back(value);
    }
    return content;
}

}  // namespace skrivo
