// The name in a Pascal source's header ("unit Greeter;"), found so that Save As can rename it.
#include "host/editor/UnitHeader.h"

#include <cctype>
#include <string>

namespace skrivo::host {

namespace {

bool IsIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// Skips blanks and comments from pos; npos inside an unclosed comment.
std::size_t SkipBlanks(std::string_view s, std::size_t pos) {
    while (pos < s.size()) {
        const char c = s[pos];
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++pos;
        } else if (c == '{') {
            pos = s.find('}', pos);
            if (pos == std::string_view::npos) return pos;
            ++pos;
        } else if (c == '(' && pos + 1 < s.size() && s[pos + 1] == '*') {
            pos = s.find("*)", pos + 2);
            if (pos == std::string_view::npos) return pos;
            pos += 2;
        } else if (c == '/' && pos + 1 < s.size() && s[pos + 1] == '/') {
            pos = s.find_first_of("\r\n", pos);
            if (pos == std::string_view::npos) return s.size();
        } else {
            break;
        }
    }
    return pos;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

}  // namespace

std::optional<TextRange> FindUnitName(std::string_view source) {
    std::size_t pos = SkipBlanks(source, 0);
    if (pos >= source.size() || !IsIdentStart(source[pos])) return std::nullopt;
    std::size_t end = pos;
    while (end < source.size() && IsIdentChar(source[end])) ++end;
    const std::string_view keyword = source.substr(pos, end - pos);
    if (!EqualsIgnoringCase(keyword, "unit") && !EqualsIgnoringCase(keyword, "program") && !EqualsIgnoringCase(keyword, "library"))
        return std::nullopt;
    pos = SkipBlanks(source, end);
    if (pos == end || pos >= source.size() || !IsIdentStart(source[pos])) return std::nullopt;
    end = pos;
    while (end < source.size() && (IsIdentChar(source[end]) || (source[end] == '.' && end + 1 < source.size() && IsIdentStart(source[end + 1]))))
        ++end;
    const std::size_t after = SkipBlanks(source, end);
    if (after >= source.size() || source[after] != ';') return std::nullopt;
    return TextRange{static_cast<int>(pos), static_cast<int>(end)};
}

bool IsUnitIdentifier(std::string_view name) {
    if (name.empty()) return false;
    bool partStart = true;
    for (char c : name) {
        if (c == '.') {
            if (partStart) return false;
            partStart = true;
        } else if (partStart ? IsIdentStart(c) : IsIdentChar(c)) {
            partStart = false;
        } else {
            return false;
        }
    }
    return !partStart;
}

}  // namespace skrivo::host
