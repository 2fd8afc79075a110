// Reading a compiler's output: the lines that point at a place in a source file.
#include "host/compile/CompilerMessages.h"

#include <charconv>

namespace skrivo::host {

namespace {
// Reads a positive number at pos and moves past it.
std::optional<int> Number(std::string_view s, std::size_t& pos) {
    int value = 0;
    const auto [end, error] = std::from_chars(s.data() + pos, s.data() + s.size(), value);
    if (error != std::errc() || end == s.data() + pos || value <= 0) return std::nullopt;
    pos = static_cast<std::size_t>(end - s.data());
    return value;
}
}  // namespace

std::optional<CompilerMessage> ParseCompilerMessage(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
    // The place is the last "(line,column) " before the text: file names may
    // hold parentheses themselves.
    for (std::size_t open = line.find('('); open != std::string_view::npos; open = line.find('(', open + 1)) {
        if (open == 0) continue;
        std::size_t pos = open + 1;
        const std::optional<int> row = Number(line, pos);
        if (!row || pos >= line.size() || line[pos] != ',') continue;
        ++pos;
        const std::optional<int> column = Number(line, pos);
        if (!column || line.substr(pos, 2) != ") ") continue;
        return CompilerMessage{std::string(line.substr(0, open)), *row, *column, std::string(line.substr(pos + 2))};
    }
    return std::nullopt;
}

}  // namespace skrivo::host
