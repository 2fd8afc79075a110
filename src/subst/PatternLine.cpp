// Parsing substitution pattern lines, their conditions and typed tails, and fitting them at the cursor.
#include "subst/PatternLine.h"

namespace skrivo::subst {

namespace {

bool IsBlankCode(int c) { return c >= 0 && c <= 32; }

// Text read past `skip` characters of another, for matching what follows
// a part already accounted for.
class OffsetText final : public MatchText {
public:
    OffsetText(MatchText& text, std::size_t skip) : text_(text), skip_(skip) {}
    int At(std::size_t i) override { return text_.At(i + skip_); }
    std::string_view Chunk(std::size_t from) override { return text_.Chunk(from + skip_); }

private:
    MatchText& text_;
    std::size_t skip_;
};

}  // namespace

CursorPattern::CursorPattern(std::string_view pattern) {
    const std::size_t k = pattern.find('|');
    if (k == std::string_view::npos || (k + 1 == pattern.size() && pattern.size() > 1)) {
        beforeText_ = std::string(k == std::string_view::npos ? pattern : pattern.substr(0, k));
        before_.emplace(beforeText_, PatternSide::BeforeCursor);
    } else if (k == 0) {
        after_.emplace(pattern.substr(1), PatternSide::AfterCursor);
    } else {
        beforeText_ = std::string(pattern.substr(0, k));
        before_.emplace(beforeText_, PatternSide::BeforeCursor);
        after_.emplace(pattern.substr(k + 1), PatternSide::AfterCursor);
    }
    if (before_ && !beforeText_.empty()) {
        const char last = beforeText_.back();
        if (last != '*' && last != '?' && last != ' ') lastBeforeLiteral_ = static_cast<unsigned char>(last);
    }
}

bool CursorPattern::Matches(MatchText& before, MatchText& after, TextEdge edge) const {
    if (before_ && !before_->Matches(before, edge)) return false;
    return !after_ || after_->Matches(after, edge);
}

std::optional<ParsedPatternLine> ParsePatternLine(std::string_view line) {
    ParsedPatternLine parsed;
    std::size_t at;
    if (!line.empty() && line[0] == '{') {
        const std::size_t close = line.find('}', 1);
        if (close == std::string_view::npos) return std::nullopt;
        parsed.main = std::string(line.substr(1, close - 1));
        at = close + 1;
    } else {
        const std::size_t bar = line.find('|');
        if (bar == std::string_view::npos) return std::nullopt;
        parsed.main = std::string(line.substr(0, bar + 1));
        at = bar + 1;
    }
    while (true) {
        while (at < line.size() && line[at] == ' ') ++at;
        if (at >= line.size()) break;
        PatternCondition condition;
        if (line[at] == '^') {
            condition.negated = true;
            ++at;
        }
        if (at < line.size() && line[at] == '{') {
            // An unclosed brace takes the rest of the line.
            const std::size_t close = line.find('}', at + 1);
            const std::size_t end = close == std::string_view::npos ? line.size() : close;
            condition.pattern = std::string(line.substr(at + 1, end - at - 1));
            at = close == std::string_view::npos ? line.size() : close + 1;
        } else {
            const std::size_t bar = line.find('|', at);
            const std::size_t end = bar == std::string_view::npos ? line.size() : bar + 1;
            condition.pattern = std::string(line.substr(at, end - at));
            at = end;
        }
        parsed.conditions.push_back(std::move(condition));
    }
    return parsed;
}

bool IsUsablePatternLine(std::string_view line) { return !line.empty() && line[0] != '~'; }

std::string TypedTail(std::string_view mainPattern) {
    // A main pattern without a cursor mark is all before the cursor.
    const std::size_t k = std::min(mainPattern.find('|'), mainPattern.size());
    if (k == 0) return {};
    std::size_t start = 0;
    for (std::size_t i = k - 1; i-- > 0;) {
        const char c = mainPattern[i];
        if (c == ' ' || c == '*' || c == '?') {
            start = i + 1;
            break;
        }
    }
    return std::string(mainPattern.substr(start, k - start));
}

PatternLine::PatternLine(std::string_view line) {
    std::optional<ParsedPatternLine> parsed = ParsePatternLine(line);
    if (!parsed) return;
    main_.emplace(parsed->main);
    for (const PatternCondition& c : parsed->conditions) conditions_.push_back({c.negated, CursorPattern(c.pattern)});
    tail_ = TypedTail(parsed->main);
    const std::string& before = main_->BeforePart();
    if (!tail_.empty() && tail_.back() == '*' && !before.empty())
        beforeStar_.emplace(std::string_view(before).substr(0, before.size() - 1), PatternSide::BeforeCursor);
}

bool PatternLine::Fits(MatchText& before, MatchText& after, TextEdge edge) const {
    if (!main_) return false;
    for (const Condition& condition : conditions_) {
        if (condition.pattern.Matches(before, after, edge) == condition.negated) return false;
    }
    return main_->Matches(before, after, edge);
}

std::size_t PatternLine::TailExtent(MatchText& before, TextEdge edge) const {
    std::size_t used = 0;
    const auto skipLineFeeds = [&] {
        while (before.At(used) == '\n') ++used;
    };
    // The tail is matched first, from its last character backwards; only its
    // last character can be a blank, "?" or "*".
    for (std::size_t n = tail_.size(); n-- > 0;) {
        const char p = tail_[n];
        skipLineFeeds();
        if (before.At(used) < 0) break;
        if (p == ' ') {
            while (IsBlankCode(before.At(used))) ++used;
        } else if (p == '*' && beforeStar_) {
            // The star takes as little as lets the rest fit, as a search
            // trying the rest first finds it.
            while (true) {
                OffsetText rest(before, used);
                if (beforeStar_->Matches(rest, edge)) break;
                const int c = before.At(used);
                if (c < 0 || c == '\r') break;
                ++used;
            }
        } else {
            ++used;
        }
    }
    return used;
}

}  // namespace skrivo::subst
