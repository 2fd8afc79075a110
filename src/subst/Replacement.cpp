// Expanding a replacement line's marks.
#include "subst/Replacement.h"

namespace skrivo::subst {

ExpandedReplacement ExpandReplacement(std::string_view replacement, std::string_view indent,
                                      std::string_view lineBreak) {
    ExpandedReplacement out;
    out.text.reserve(replacement.size());
    for (const char c : replacement) {
        if (c == '\\') {
            out.text.append(lineBreak).append(indent);
        } else if (c == '&') {
            out.text += kPlaceholderMark;
        } else if (c == '|' && out.cursor == std::string::npos) {
            out.cursor = out.text.size();
        } else {
            out.text += c;
        }
    }
    return out;
}

std::string LeadingIndent(std::string_view line) {
    std::size_t n = 0;
    while (n < line.size() && (line[n] == ' ' || line[n] == '\t')) ++n;
    return std::string(line.substr(0, n));
}

}  // namespace skrivo::subst
