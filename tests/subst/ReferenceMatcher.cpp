// Backtracking exactly as the rules read; exponential in the worst case, which only tests may afford.
#include "subst/ReferenceMatcher.h"

#include <algorithm>
#include <string>

namespace skrivo::subst::testing {

namespace {

bool AllStars(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c == '*'; });
}
bool Blank(char c) { return static_cast<unsigned char>(c) <= 32; }

struct Side {
    std::string_view p;
    std::string_view t;
    bool lineEdge;

    void SkipLineFeeds(std::size_t& a) const {
        while (a < t.size() && t[a] == '\n') ++a;
    }
    bool Doubled(std::size_t k) const {
        return (k > 0 && p[k - 1] == '*') || (k + 1 < p.size() && p[k + 1] == '*');
    }

    // P[0..i-1] still to match, a characters of the text used.
    bool Back(std::size_t i, std::size_t a) const {
        while (true) {
            SkipLineFeeds(a);
            if (i == 0 || a == t.size()) break;
            const char pc = p[i - 1];
            const char c = t[a];
            if (pc == ' ') {
                if (!Blank(c)) return false;
                while (a < t.size() && Blank(t[a])) ++a;
                if (a == t.size()) return lineEdge && AllStars(p.substr(0, i - 1));
                --i;
            } else if (pc == '*') {
                const bool doubled = Doubled(i - 1);
                while (true) {
                    if (Back(i - 1, a)) return true;
                    SkipLineFeeds(a);
                    if (a == t.size()) break;
                    if (t[a] == '\r' && !doubled) return false;
                    ++a;
                }
                break;
            } else if (pc == '?') {
                if (c == '\r') return false;
                ++a;
                --i;
            } else {
                if (c != pc) return false;
                ++a;
                --i;
            }
        }
        SkipLineFeeds(a);
        if (a < t.size()) return i == 0 && !lineEdge && t[a] == '\r';
        if (!lineEdge) return false;
        const std::string_view rest = p.substr(0, i);
        return rest == "?" || AllStars(rest) || (rest.back() == ' ' && AllStars(rest.substr(0, rest.size() - 1)));
    }

    // P[j..] still to match, a characters of the text used.
    bool Fwd(std::size_t j, std::size_t a) const {
        const auto restOk = [&](std::size_t from) {
            const std::string_view rest = p.substr(from);
            return rest == "?" || AllStars(rest);
        };
        while (true) {
            SkipLineFeeds(a);
            if (j == p.size() || a == t.size()) break;
            const char pc = p[j];
            const char c = t[a];
            if (pc == ' ') {
                if (!Blank(c)) return false;
                while (a < t.size() && Blank(t[a])) ++a;
                if (a == t.size()) return lineEdge && restOk(j + 1);
                ++j;
            } else if (pc == '*') {
                const bool doubled = Doubled(j);
                while (true) {
                    if (Fwd(j + 1, a)) return true;
                    SkipLineFeeds(a);
                    if (a == t.size()) break;
                    if (t[a] == '\r' && !doubled) return false;
                    ++a;
                }
                break;
            } else if (pc == '?') {
                if (c == '\r') return false;
                ++a;
                ++j;
            } else {
                if (c != pc) return false;
                ++a;
                ++j;
            }
        }
        SkipLineFeeds(a);
        if (a < t.size()) return j == p.size() && !lineEdge && t[a] == '\r';
        return lineEdge && restOk(j);
    }
};

}  // namespace

bool ReferenceMatchBefore(std::string_view side, std::string_view text, bool lineEdge) {
    return Side{side, text, lineEdge}.Back(side.size(), 0);
}

bool ReferenceMatchAfter(std::string_view side, std::string_view text, bool lineEdge) {
    return Side{side, text, lineEdge}.Fwd(0, 0);
}

}  // namespace skrivo::subst::testing
