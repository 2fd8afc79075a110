// A substitution pattern line: the main pattern and its conditions, parsed once and matched at the cursor.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "subst/MatchText.h"
#include "subst/PatternMatcher.h"

namespace skrivo::subst {

// One pattern: the part before its first "|" is matched against the text
// before the cursor, the part after it against the text after the cursor.
// Without "|", or with "|" only at its end, only the text before counts;
// with "|" first only the text after does ("|" alone: nothing after).
class CursorPattern {
public:
    explicit CursorPattern(std::string_view pattern);
    bool Matches(MatchText& before, MatchText& after, TextEdge edge) const;
    // The part matched against the text before the cursor ("" when none).
    const std::string& BeforePart() const { return beforeText_; }
    // The character the text before the cursor must end with (line feeds
    // aside) for the pattern to match: the last of the part before the
    // cursor when it stands for itself; -1 when there is none.
    int LastBeforeLiteral() const { return lastBeforeLiteral_; }

private:
    std::string beforeText_;
    int lastBeforeLiteral_ = -1;
    std::optional<PatternSide> before_;
    std::optional<PatternSide> after_;
};

struct PatternCondition {
    bool negated = false;  // "^": the line fits only when this does not match
    std::string pattern;
};

// "{main} cond cond" or "main| cond cond": the main pattern is the braced
// text, or everything up to and including the first "|"; each condition is
// "^"-optional, then a braced pattern or the text up to and including the
// next "|" (the rest of the line without one).
struct ParsedPatternLine {
    std::string main;
    std::vector<PatternCondition> conditions;
};

// Nothing for a line that can never fit: no "|" in an unbraced main pattern,
// or a "{" without its "}".
std::optional<ParsedPatternLine> ParsePatternLine(std::string_view line);

// True for a pattern line a substitution may use: not empty and not "~"-disabled.
bool IsUsablePatternLine(std::string_view line);

// The typed tail of a main pattern: the characters just before its cursor
// mark back to (not including) the last blank, "*" or "?" before the
// character next to the mark; that character always belongs to it. For
// "* wh |" it is "wh ", for "* for *=|" "=". Its text is what the typing
// replaced by the replacement was.
std::string TypedTail(std::string_view mainPattern);

// A pattern line ready to match: conditions left to right, stopping at the
// first that fails, then the main pattern.
class PatternLine {
public:
    explicit PatternLine(std::string_view line);
    bool CanFit() const { return main_.has_value(); }
    bool Fits(MatchText& before, MatchText& after, TextEdge edge) const;
    // False when the line cannot fit a text before the cursor whose last
    // character (line feeds aside) is lastBefore, -1 for none; most lines
    // are told apart by the character just typed, before any matching.
    bool MayFit(int lastBefore) const {
        return main_ && (main_->LastBeforeLiteral() < 0 || main_->LastBeforeLiteral() == lastBefore);
    }
    // How many characters before the cursor the typed tail took in a fitting
    // match (a blank of the tail takes its whole run; line feeds count).
    std::size_t TailExtent(MatchText& before, TextEdge edge) const;
    const std::string& Tail() const { return tail_; }

private:
    struct Condition {
        bool negated;
        CursorPattern pattern;
    };
    std::optional<CursorPattern> main_;
    std::vector<Condition> conditions_;
    std::string tail_;
    // The main pattern's part before the cursor without its last character,
    // for a tail that ends with a star.
    std::optional<PatternSide> beforeStar_;
};

}  // namespace skrivo::subst
