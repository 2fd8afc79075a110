// Line scan and tab detection: single passes over the text, no allocation.
#include "bridge/LineScan.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace skrivo {

host::TCharPos LineScan(std::string_view text, int pos) {
    std::int32_t line = 1;
    int lineStart = 0;
    std::size_t scan = 0;
    const char* data = text.data();
    const std::size_t size = text.size();
    while (scan < size) {
        const void* found = std::memchr(data + scan, '\r', size - scan);
        if (!found) break;
        std::size_t next = static_cast<const char*>(found) - data + 1;
        if (next < size && data[next] == '\n') ++next;
        if (static_cast<long long>(next) > pos) break;
        ++line;
        lineStart = static_cast<int>(next);
        scan = next;
    }
    host::TCharPos result;
    result.CharIndex = static_cast<std::int16_t>(static_cast<std::uint16_t>(pos - lineStart));
    result.Line = line;
    return result;
}

bool TabBeforeOnLine(std::string_view text, int pos) {
    if (pos <= 0 || text.empty()) return false;
    std::size_t i = std::min<std::size_t>(static_cast<std::size_t>(pos), text.size());
    while (i > 0) {
        const char c = text[--i];
        if (c == '\t') return true;
        if (c == '\r' || c == '\n') return false;
    }
    return false;
}

bool IsLineEndingKeyword(std::string_view lowerWord) {
    static constexpr std::array<std::string_view, 15> kWords = {
        "then", "do", "to", "of", "and", "or", "xor", "div", "mod",
        "else", "until", "end", "finally", "except", "downto"};
    for (auto w : kWords)
        if (w == lowerWord) return true;
    return false;
}

}  // namespace skrivo
