// The text rules of automatic brackets, quotes and mirrored blanks.
#include "subst/AutoBrackets.h"

#include <algorithm>

namespace skrivo::subst {

bool MayMirrorBlanks(char nextChar, char ch) { return ch != ' ' && (nextChar == ')' || nextChar == ']'); }

std::size_t MirroredBlanks(std::string_view lineBefore, char nextChar, char ch) {
    if (!MayMirrorBlanks(nextChar, ch)) return 0;
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

void AutoClosers::Opened(const void* editor, int line, std::string restOfLine) {
    // Pairs on another line are left behind for good; a deep nest on one
    // line is held to a bound.
    constexpr std::size_t kMostNested = 32;
    if (restOfLine.empty()) return;
    if (editor != editor_ || line != line_) closers_.clear();
    editor_ = editor;
    line_ = line;
    if (closers_.size() == kMostNested) closers_.erase(closers_.begin());
    closers_.push_back(std::move(restOfLine));
}

bool AutoClosers::StepOver(const void* editor, int line, std::string_view restOfLine, char ch) {
    if (closers_.empty() || editor != editor_ || line != line_) return false;
    // The innermost pair may have been removed (Backspace restores the text
    // as it was); an outer one whose rest the line still shows takes its place.
    while (!closers_.empty() && closers_.back().size() > restOfLine.size()) closers_.pop_back();
    if (closers_.empty() || closers_.back() != restOfLine || restOfLine.front() != ch) return false;
    closers_.pop_back();
    return true;
}

}  // namespace skrivo::subst
