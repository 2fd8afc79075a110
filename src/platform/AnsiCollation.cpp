// The sort order of ANSI texts: letters regardless of case first, then accents, then lower case before upper.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/AnsiSortKey.h"
#include "platform/CodePage.h"
#include "platform/CodePageTables.h"

namespace skrivo::win {
namespace {

// Three levels, compared over the whole text one level at a time, so "ab" <
// "Ac" (letters decide first) while "ab" < "Ab" (case decides only last).
struct Weight {
    std::uint16_t primary = 0;    // the letter or symbol itself
    std::uint16_t secondary = 0;  // accent; 0 for the plain letter
    std::uint8_t tertiary = 0;    // 1 for a capital
};

// Bands of the primary weight: control characters < blanks and punctuation <
// digits < Latin letters < Cyrillic letters.
constexpr std::uint16_t kControlBand = 0x0100;
constexpr std::uint16_t kSymbolBand = 0x1000;
constexpr std::uint16_t kDigitBand = 0x4000;
constexpr std::uint16_t kLatinBand = 0x5000;
constexpr std::uint16_t kCyrillicBand = 0x6000;

struct LatinLetter {
    char base;        // 'a'..'z', or '{' / '|' for letters sorted after z
    std::uint8_t variant;  // a separate letter sorted right after its base (æ after a)
    bool accented;
};

// Latin-1 letters and the few Latin Extended ones of 1252, by lower-case form.
bool LatinOf(char32_t lower, LatinLetter& out) {
    if (lower >= U'a' && lower <= U'z') {
        out = {static_cast<char>(lower), 0, false};
        return true;
    }
    static constexpr std::string_view kLatin1Bases = "aaaaaa!ceeeeiiii!nooooo?ouuuuy!";  // U+00E0..U+00FE
    if (lower >= 0x00E0 && lower <= 0x00FE) {
        char base = kLatin1Bases[lower - 0x00E0];
        switch (lower) {
        case 0x00E6: out = {'a', 1, false}; return true;  // æ
        case 0x00F0: out = {'d', 1, false}; return true;  // ð
        case 0x00FE: out = {'{', 0, false}; return true;  // þ after z
        case 0x00F7: return false;                        // ÷
        default: out = {base, 0, true}; return true;
        }
    }
    switch (lower) {
    case 0x00DF: out = {'s', 1, false}; return true;  // ß
    case 0x00FF: out = {'y', 0, true}; return true;
    case 0x0161: out = {'s', 0, true}; return true;
    case 0x017E: out = {'z', 0, true}; return true;
    case 0x0153: out = {'o', 1, false}; return true;  // œ
    case 0x0192: out = {'f', 0, true}; return true;
    case 0x00AA: out = {'a', 0, true}; return true;   // ª
    case 0x00BA: out = {'o', 0, true}; return true;   // º
    case 0x00B5: out = {'|', 0, false}; return true;  // µ
    default: return false;
    }
}

// The Cyrillic letters of 1251 in alphabetical order, lower case.
constexpr std::u32string_view kCyrillicOrder =
    U"\u0430\u0431\u0432\u0433\u0491\u0434\u0452\u0453\u0435\u0451\u0454\u0436\u0437\u0455"
    U"\u0438\u0456\u0457\u0439\u0458\u043A\u045C\u043B\u0459\u043C\u043D\u045A\u043E\u043F"
    U"\u0440\u0441\u0442\u045B\u0443\u045E\u0444\u0445\u0446\u0447\u045F\u0448\u0449\u044A"
    U"\u044B\u044C\u044D\u044E\u044F";

Weight WeightOf(char32_t u) {
    char32_t lower = detail::UnicodeLower(u);
    std::uint8_t capital = lower != u ? 1 : 0;
    LatinLetter latin{};
    if (LatinOf(lower, latin)) {
        auto primary = static_cast<std::uint16_t>(kLatinBand + (latin.base - 'a') * 4 + latin.variant);
        auto secondary = static_cast<std::uint16_t>(latin.accented ? (lower & 0x1FF) + 1 : 0);
        return {primary, secondary, capital};
    }
    if (auto at = kCyrillicOrder.find(lower); at != std::u32string_view::npos) {
        return {static_cast<std::uint16_t>(kCyrillicBand + at * 4), 0, capital};
    }
    if (u >= U'0' && u <= U'9') return {static_cast<std::uint16_t>(kDigitBand + (u - U'0')), 0, 0};
    if (u < 0x20 || (u >= 0x7F && u <= 0x9F)) return {static_cast<std::uint16_t>(kControlBand + u), 0, 0};
    return {static_cast<std::uint16_t>(kSymbolBand + (u < 0x3000 ? u : 0x2FFF)), 0, 0};
}

using WeightTable = std::array<Weight, 256>;

WeightTable BuildWeights(CodePage cp) {
    WeightTable table{};
    for (int b = 0; b < 256; ++b) table[b] = WeightOf(AnsiToCodePoint(static_cast<unsigned char>(b), cp));
    return table;
}

const WeightTable& Weights(CodePage cp) {
    static const WeightTable cp1251 = BuildWeights(CodePage::Cp1251);
    static const WeightTable cp1252 = BuildWeights(CodePage::Cp1252);
    return cp == CodePage::Cp1251 ? cp1251 : cp1252;
}

template <typename Level>
int CompareLevel(std::string_view a, std::string_view b, const WeightTable& w, Level level) {
    std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        int wa = level(w[static_cast<unsigned char>(a[i])]);
        int wb = level(w[static_cast<unsigned char>(b[i])]);
        if (wa != wb) return wa < wb ? -1 : 1;
    }
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return 0;
}

}  // namespace

int AnsiCompareText(std::string_view a, std::string_view b) { return AnsiCompareText(a, b, GetACP()); }

int AnsiCompareText(std::string_view a, std::string_view b, CodePage cp) {
    const WeightTable& w = Weights(cp);
    if (int r = CompareLevel(a, b, w, [](const Weight& x) { return int{x.primary}; })) return r;
    if (int r = CompareLevel(a, b, w, [](const Weight& x) { return int{x.secondary}; })) return r;
    if (int r = CompareLevel(a, b, w, [](const Weight& x) { return int{x.tertiary}; })) return r;
    // Different bytes of equal weight (say two undefined bytes): keep the
    // order total so sorting stays stable and deterministic.
    int r = a.compare(b);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

namespace {

// Each primary weight's rank among those of the code page, from 1: a byte
// each, so eight characters fit one number.
using PrimaryRanks = std::array<std::uint8_t, 256>;

PrimaryRanks BuildPrimaryRanks(const WeightTable& w) {
    std::array<std::uint16_t, 256> sorted{};
    for (int b = 0; b < 256; ++b) sorted[b] = w[b].primary;
    std::sort(sorted.begin(), sorted.end());
    PrimaryRanks ranks{};
    for (int b = 0; b < 256; ++b) {
        const auto rank = std::lower_bound(sorted.begin(), sorted.end(), w[b].primary) - sorted.begin();
        // Ties of weights give ties of ranks, and so do the few ranks past
        // 255 clipped: a tie is settled by the whole comparison, never misordered.
        ranks[b] = static_cast<std::uint8_t>(std::min<long>(rank + 1, 255));
    }
    return ranks;
}

const PrimaryRanks& Ranks(CodePage cp) {
    static const PrimaryRanks cp1251 = BuildPrimaryRanks(Weights(CodePage::Cp1251));
    static const PrimaryRanks cp1252 = BuildPrimaryRanks(Weights(CodePage::Cp1252));
    return cp == CodePage::Cp1251 ? cp1251 : cp1252;
}

}  // namespace

std::uint64_t AnsiSortPrefix(std::string_view s, CodePage cp) {
    const PrimaryRanks& ranks = Ranks(cp);
    std::uint64_t prefix = 0;
    const std::size_t n = s.size() < 8 ? s.size() : 8;
    for (std::size_t i = 0; i < n; ++i) prefix = prefix << 8 | ranks[static_cast<unsigned char>(s[i])];
    // A shorter text ends in zeros: before every longer one it begins.
    return n == 0 ? 0 : prefix << (8 * (8 - n));
}

int AnsiComparePrimaryPrefix(std::string_view text, std::string_view prefix, CodePage cp) {
    const WeightTable& w = Weights(cp);
    const std::size_t n = text.size() < prefix.size() ? text.size() : prefix.size();
    for (std::size_t i = 0; i < n; ++i) {
        const int a = w[static_cast<unsigned char>(text[i])].primary;
        const int b = w[static_cast<unsigned char>(prefix[i])].primary;
        if (a != b) return a < b ? -1 : 1;
    }
    return text.size() < prefix.size() ? -1 : 0;
}

std::uint16_t AnsiPrimaryWeight(char c, CodePage cp) { return Weights(cp)[static_cast<unsigned char>(c)].primary; }

std::string AnsiSortKey(std::string_view s) {
    const WeightTable& w = Weights(GetACP());
    std::string key;
    key.reserve(s.size() * 6 + 2);
    auto put16 = [&](std::uint16_t v) {
        key.push_back(static_cast<char>(v >> 8));
        key.push_back(static_cast<char>(v & 0xFF));
    };
    // Primary weights are never 0, so the closing 0 puts a text before every
    // longer one it begins. Texts equal there have equal lengths, so the
    // later levels need no end mark.
    for (char c : s) put16(w[static_cast<unsigned char>(c)].primary);
    put16(0);
    for (char c : s) put16(w[static_cast<unsigned char>(c)].secondary);
    for (char c : s) key.push_back(static_cast<char>(w[static_cast<unsigned char>(c)].tertiary));
    key.append(s);
    return key;
}

}  // namespace skrivo::win
