// The pattern side matcher: a set of pattern positions carried through the text, equal in its answers to backtracking.
#include "subst/PatternMatcher.h"

#include <algorithm>

namespace skrivo::subst {

namespace {

constexpr int kCR = '\r';
constexpr int kLF = '\n';

bool IsBlankCode(int c) { return c >= 0 && c <= 32; }

bool AllStars(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c == '*'; });
}

}  // namespace

PatternSide::PatternSide(std::string_view side, Direction direction) : length_(side.size()) {
    words_ = (length_ + 1 + 63) / 64;
    star_.assign(words_, 0);
    starAcrossLines_.assign(words_, 0);
    blank_.assign(words_, 0);
    literal_.assign(256 * words_, 0);
    endOk_.assign(words_, 0);
    runEndOk_.assign(words_, 0);

    // Match order: before the cursor the pattern is taken from its end.
    std::string q(side);
    if (direction == BeforeCursor) std::reverse(q.begin(), q.end());
    const auto written = [&](std::size_t j) { return direction == BeforeCursor ? length_ - 1 - j : j; };

    for (std::size_t j = 0; j < length_; ++j) {
        const char c = q[j];
        if (c == '*') {
            Set(star_, j);
            const std::size_t k = written(j);
            const bool doubled = (k > 0 && side[k - 1] == '*') || (k + 1 < length_ && side[k + 1] == '*');
            if (doubled) Set(starAcrossLines_, j);
        } else if (c == ' ') {
            Set(blank_, j);
        } else if (c == '?') {
            for (int ch = 0; ch < 256; ++ch)
                if (ch != kCR && ch != kLF) literal_[static_cast<std::size_t>(ch) * words_ + j / 64] |= Word{1} << (j % 64);
        } else {
            literal_[static_cast<std::size_t>(static_cast<unsigned char>(c)) * words_ + j / 64] |= Word{1} << (j % 64);
        }
    }

    // What may be left when the text runs out (rest = q[j..], in match order).
    for (std::size_t j = 0; j <= length_; ++j) {
        const std::string_view rest = std::string_view(q).substr(j);
        bool ok;
        if (direction == BeforeCursor) {
            // Before the start of the text only stars, a single "?", or a
            // blank preceded by nothing but stars may be left: the blank then
            // matches nothing, as typing an abbreviation in column 1 needs.
            ok = rest == "?" || AllStars(rest) || (rest[0] == ' ' && AllStars(rest.substr(1)));
        } else {
            ok = rest == "?" || AllStars(rest);
        }
        if (ok) Set(endOk_, j);
        if (j < length_ && q[j] == ' ') {
            const std::string_view after = rest.substr(1);
            const bool runOk = direction == BeforeCursor ? AllStars(after) : (after == "?" || AllStars(after));
            if (runOk) Set(runEndOk_, j);
        }
    }
}

bool PatternSide::OrAdvanced(std::vector<Word>& set, const std::vector<Word>& from, const Word* mask) const {
    bool grew = false;
    Word carry = 0;
    for (std::size_t w = 0; w < words_; ++w) {
        const Word bits = mask ? (from[w] & mask[w]) : from[w];
        const Word moved = (bits << 1) | carry;
        carry = bits >> 63;
        const Word before = set[w];
        set[w] |= moved;
        grew = grew || set[w] != before;
    }
    return grew;
}

bool PatternSide::Matches(MatchText& text, TextEdge edge) const {
    // entered: pattern positions reached by taking the previous character;
    // stayed: the stars among them that took it themselves; inRun: blanks
    // that have taken at least one character of their run.
    std::vector<Word> entered(words_, 0), stayed(words_, 0), inRun(words_, 0);
    std::vector<Word> active(words_, 0), next(words_, 0), nextStayed(words_, 0), nextRun(words_, 0);
    Set(entered, 0);
    const std::size_t done = length_;  // the position after the last pattern character
    const bool lineEdge = edge == TextEdge::LineEdge;

    for (std::size_t i = 0;; ++i) {
        const int c = text.At(i);
        if (c == kLF) continue;  // line feeds are not there for the pattern

        if (c < 0) {
            // The text's end. A module's start and end are no line breaks;
            // at a line's edge what is left of the pattern decides. A star
            // that took the last character may still hand over to the rest,
            // but the rest is not searched any deeper.
            if (!lineEdge) return false;
            OrAdvanced(entered, stayed, nullptr);
            for (std::size_t w = 0; w < words_; ++w)
                if ((inRun[w] & runEndOk_[w]) || (entered[w] & endOk_[w])) return true;
            return false;
        }

        active = entered;
        // A run of blanks ends before a character above 32.
        if (!IsBlankCode(c)) {
            OrAdvanced(active, inRun, nullptr);
            std::fill(inRun.begin(), inRun.end(), 0);
        }
        // A star may match nothing here: the rest is tried in its place.
        while (OrAdvanced(active, active, star_.data())) {
        }
        // The pattern used up with text left: inside a module it fits when a
        // line break follows.
        if (!lineEdge && c == kCR && Test(active, done)) return true;

        std::fill(next.begin(), next.end(), 0);
        OrAdvanced(next, active, &literal_[static_cast<std::size_t>(c) * words_]);
        bool any = false;
        for (std::size_t w = 0; w < words_; ++w) {
            nextStayed[w] = active[w] & star_[w] & (c == kCR ? starAcrossLines_[w] : ~Word{0});
            nextRun[w] = IsBlankCode(c) ? ((active[w] & blank_[w]) | inRun[w]) : 0;
            next[w] |= nextStayed[w];
            any = any || next[w] || nextRun[w];
        }
        entered.swap(next);
        stayed.swap(nextStayed);
        inRun.swap(nextRun);
        if (!any) return false;
    }
}

}  // namespace skrivo::subst
