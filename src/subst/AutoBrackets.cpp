// The text rules of automatic brackets, quotes and mirrored blanks.
#include "subst/AutoBrackets.h"

#include <algorithm>

namespace skrivo::subst {

std::size_t MirroredBlanks(std::string_view lineBefore, char nextChar, char ch) {
    if (ch == ' ' || (nextChar != ')' && nextChar != ']')) return 0;
    if (lineBefore.empty() || lineBefore.back() != ' ') return 0;
    std::size_t blanks = 0;
    while (blanks < lineBefore.size() && lineBefore[lineBefore.size() - 1 - blanks] == ' ') ++blanks;
    if (blanks == lineBefore.size()) return 0;
    const char opening = lineBefore[lineBefore.size() - 1 - blanks];
    return (opening == '(' && nextChar == ')') || (opening == '[' && nextChar == ']') ? blanks : 0;
}

std::string_view BracketPair(char ch) {
    switch (ch) {
        case '(': return "()";
        case '[': return "[]";
        case '{': return "{}";
        default: return {};
    }
}

bool InsideStringLiteral(std::string_view lineBefore) {
    return std::count(lineBefore.begin(), lineBefore.end(), '\'') % 2 == 1;
}

}  // namespace skrivo::subst
