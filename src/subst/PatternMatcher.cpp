// The pattern side matcher: a set of pattern positions carried through the text, equal in its answers to backtracking.
#include "subst/PatternMatcher.h"

#include <algorithm>
#include <array>

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

template <std::size_t N>
bool PatternSide::MatchWords(MatchText& text, TextEdge edge) const {
    // N words hold the sets; small patterns get their word count exactly, so
    // the loops below unroll.
    using Set = std::array<Word, N>;
    const std::size_t n = N <= 4 ? N : words_;
    const auto load = [&](const std::vector<Word>& from) {
        Set set{};
        for (std::size_t w = 0; w < n; ++w) set[w] = from[w];
        return set;
    };
    const Set star = load(star_), across = load(starAcrossLines_), blank = load(blank_);
    const Set endOk = load(endOk_), runEndOk = load(runEndOk_);
    // set |= (from & mask), moved one pattern position on; true when set grew.
    const auto orAdvanced = [&](Set& set, const Set& from, const Word* mask) {
        Word carry = 0, grew = 0;
        for (std::size_t w = 0; w < n; ++w) {
            const Word bits = mask ? (from[w] & mask[w]) : from[w];
            const Word moved = (bits << 1) | carry;
            carry = bits >> 63;
            grew |= moved & ~set[w];
            set[w] |= moved;
        }
        return grew != 0;
    };

    // entered: pattern positions reached by taking the previous character;
    // stayed: the stars among them that took it themselves; inRun: blanks
    // that have taken at least one character of their run.
    struct State {
        Set entered{}, stayed{}, inRun{};
        bool operator==(const State&) const = default;
    };
    State state;
    state.entered[0] = 1;
    const std::size_t done = length_;  // the position after the last pattern character
    const Word doneBit = Word{1} << (done % 64);
    const bool lineEdge = edge == TextEdge::LineEdge;
    enum Outcome { kGoOn, kFits, kFails };

    // One character of the text (no line feed) taken by every position at once.
    const auto step = [&](State& st, int c) {
        Set active = st.entered;
        const bool blankChar = IsBlankCode(c);
        // A run of blanks ends before a character above 32.
        if (!blankChar) {
            orAdvanced(active, st.inRun, nullptr);
            st.inRun = Set{};
        }
        // A star may match nothing here: the rest is tried in its place.
        while (orAdvanced(active, active, star.data())) {
        }
        // The pattern used up with text left: inside a module it fits when a
        // line break follows.
        if (!lineEdge && c == kCR && (active[done / 64] & doneBit)) return kFits;

        Set next{};
        orAdvanced(next, active, &literal_[static_cast<std::size_t>(c) * words_]);
        Word any = 0;
        for (std::size_t w = 0; w < n; ++w) {
            st.stayed[w] = active[w] & star[w] & (c == kCR ? across[w] : ~Word{0});
            st.inRun[w] = blankChar ? ((active[w] & blank[w]) | st.inRun[w]) : 0;
            next[w] |= st.stayed[w];
            any |= next[w] | st.inRun[w];
        }
        st.entered = next;
        return any ? kGoOn : kFails;
    };

    // Long stretches of a module often change nothing (a "**" waiting for
    // its next character): once the positions stand still, the characters
    // that would leave them as they are are found once and then skipped.
    constexpr std::size_t kSkipTableEvery = 1024;
    std::array<bool, 256> unchanged{};
    bool haveTable = false, onTable = false;
    State tableFor;
    std::size_t sinceTable = kSkipTableEvery;

    for (std::size_t i = 0;;) {
        const std::string_view chunk = text.Chunk(i);
        if (chunk.empty()) {
            // The text's end. A module's start and end are no line breaks;
            // at a line's edge what is left of the pattern decides. A star
            // that took the last character may still hand over to the rest,
            // but the rest is not searched any deeper.
            if (!lineEdge) return false;
            orAdvanced(state.entered, state.stayed, nullptr);
            for (std::size_t w = 0; w < n; ++w)
                if ((state.inRun[w] & runEndOk[w]) || (state.entered[w] & endOk[w])) return true;
            return false;
        }
        i += chunk.size();
        for (const char ch : chunk) {
            const int c = static_cast<unsigned char>(ch);
            if (c == kLF) continue;  // line feeds are not there for the pattern
            if (onTable && unchanged[static_cast<std::size_t>(c)]) continue;
            // Only a text longer than kSkipTableEvery pays for watching the state.
            const bool watch = ++sinceTable >= kSkipTableEvery;
            State before;
            if (watch) before = state;
            const Outcome outcome = step(state, c);
            if (outcome != kGoOn) return outcome == kFits;
            if (haveTable) onTable = state == tableFor;
            if (watch && !onTable && state == before) {
                for (int k = 0; k < 256; ++k) {
                    State probe = state;
                    unchanged[static_cast<std::size_t>(k)] = k != kLF && step(probe, k) == kGoOn && probe == state;
                }
                tableFor = state;
                haveTable = onTable = true;
                sinceTable = 0;
            }
        }
    }
}

bool PatternSide::Matches(MatchText& text, TextEdge edge) const {
    switch (words_) {
        case 1: return MatchWords<1>(text, edge);
        case 2: return MatchWords<2>(text, edge);
        case 3: return MatchWords<3>(text, edge);
        case 4: return MatchWords<4>(text, edge);
        default:
            // Longer than any stored line; beyond this no pattern matches.
            return words_ <= kMaxWords && MatchWords<kMaxWords>(text, edge);
    }
}

}  // namespace skrivo::subst
