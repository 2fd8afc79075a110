// ANSI code page selection, conversion to and from UTF-8, and case mapping derived from Unicode.
#include "platform/CodePage.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <utility>

#include "platform/CodePageTables.h"

namespace skrivo::win {
namespace {

std::atomic<CodePage> gActiveCodePage{CodePage::Cp1252};

// Code point -> byte for the upper half, sorted by code point for lookup.
using ReverseTable = std::array<std::pair<char32_t, unsigned char>, 128>;

ReverseTable BuildReverse(CodePage cp) {
    ReverseTable table{};
    const auto& half = detail::UpperHalf(cp);
    for (int i = 0; i < 128; ++i) table[i] = {half[i], static_cast<unsigned char>(0x80 + i)};
    std::sort(table.begin(), table.end());
    return table;
}

const ReverseTable& Reverse(CodePage cp) {
    static const ReverseTable cp1251 = BuildReverse(CodePage::Cp1251);
    static const ReverseTable cp1252 = BuildReverse(CodePage::Cp1252);
    return cp == CodePage::Cp1251 ? cp1251 : cp1252;
}

struct CaseTables {
    std::array<unsigned char, 256> upper{};
    std::array<unsigned char, 256> lower{};
};

// A byte changes case only when the Unicode case partner of its character is
// itself in the code page: 1252 maps 0xFF to 0x9F but leaves sharp s and the
// micro sign alone, as the system's own case functions do.
CaseTables BuildCaseTables(CodePage cp) {
    CaseTables t;
    for (int b = 0; b < 256; ++b) {
        auto byte = static_cast<unsigned char>(b);
        char32_t u = AnsiToCodePoint(byte, cp);
        unsigned char mapped = byte;
        t.upper[b] = CodePointToAnsi(detail::UnicodeUpper(u), cp, mapped) ? mapped : byte;
        mapped = byte;
        t.lower[b] = CodePointToAnsi(detail::UnicodeLower(u), cp, mapped) ? mapped : byte;
    }
    return t;
}

const CaseTables& Cases(CodePage cp) {
    static const CaseTables cp1251 = BuildCaseTables(CodePage::Cp1251);
    static const CaseTables cp1252 = BuildCaseTables(CodePage::Cp1252);
    return cp == CodePage::Cp1251 ? cp1251 : cp1252;
}

void AppendUtf8(std::string& out, char32_t u) {
    if (u < 0x80) {
        out += static_cast<char>(u);
    } else if (u < 0x800) {
        out += static_cast<char>(0xC0 | (u >> 6));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else if (u < 0x10000) {
        out += static_cast<char>(0xE0 | (u >> 12));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (u >> 18));
        out += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    }
}

// Decodes one UTF-8 sequence at pos and advances pos. Malformed input
// (stray continuation bytes, truncated or overlong sequences, surrogates)
// consumes one byte and yields nothing, so the caller can mark it lossy.
bool DecodeUtf8(std::string_view s, std::size_t& pos, char32_t& out) {
    auto lead = static_cast<unsigned char>(s[pos]);
    if (lead < 0x80) {
        out = lead;
        ++pos;
        return true;
    }
    int extra = 0;
    char32_t u = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1; u = lead & 0x1F; minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2; u = lead & 0x0F; minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3; u = lead & 0x07; minimum = 0x10000;
    } else {
        ++pos;
        return false;
    }
    if (pos + extra >= s.size()) {
        ++pos;
        return false;
    }
    for (int i = 1; i <= extra; ++i) {
        auto c = static_cast<unsigned char>(s[pos + i]);
        if ((c & 0xC0) != 0x80) {
            ++pos;
            return false;
        }
        u = (u << 6) | (c & 0x3F);
    }
    if (u < minimum || u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF)) {
        ++pos;
        return false;
    }
    pos += extra + 1;
    out = u;
    return true;
}

}  // namespace

CodePage GetACP() { return gActiveCodePage.load(std::memory_order_relaxed); }
void SetACP(CodePage cp) { gActiveCodePage.store(cp, std::memory_order_relaxed); }

char32_t AnsiToCodePoint(unsigned char c, CodePage cp) {
    return c < 0x80 ? c : detail::UpperHalf(cp)[c - 0x80];
}

bool CodePointToAnsi(char32_t u, CodePage cp, unsigned char& out) {
    if (u < 0x80) {
        out = static_cast<unsigned char>(u);
        return true;
    }
    const auto& table = Reverse(cp);
    auto it = std::lower_bound(table.begin(), table.end(), u,
                               [](const auto& entry, char32_t key) { return entry.first < key; });
    if (it == table.end() || it->first != u) return false;
    out = it->second;
    return true;
}

std::string AnsiToUtf8(std::string_view ansi, CodePage cp) {
    std::string out;
    out.reserve(ansi.size() + ansi.size() / 2);
    for (char c : ansi) AppendUtf8(out, AnsiToCodePoint(static_cast<unsigned char>(c), cp));
    return out;
}

std::string Utf8ToAnsi(std::string_view utf8, CodePage cp, bool* lossy) {
    std::string out;
    out.reserve(utf8.size());
    bool lost = false;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t u = 0;
        unsigned char byte = 0;
        if (DecodeUtf8(utf8, pos, u) && CodePointToAnsi(u, cp, byte)) {
            out += static_cast<char>(byte);
        } else {
            out += '?';
            lost = true;
        }
    }
    if (lossy) *lossy = lost;
    return out;
}

unsigned char AnsiUpperChar(unsigned char c, CodePage cp) { return Cases(cp).upper[c]; }
unsigned char AnsiLowerChar(unsigned char c, CodePage cp) { return Cases(cp).lower[c]; }

std::string AnsiUpperCase(std::string_view s, CodePage cp) {
    const auto& upper = Cases(cp).upper;
    std::string out(s);
    for (char& c : out) c = static_cast<char>(upper[static_cast<unsigned char>(c)]);
    return out;
}

std::string AnsiLowerCase(std::string_view s, CodePage cp) {
    const auto& lower = Cases(cp).lower;
    std::string out(s);
    for (char& c : out) c = static_cast<char>(lower[static_cast<unsigned char>(c)]);
    return out;
}

bool AnsiSameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    const auto& lower = Cases(GetACP()).lower;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower[static_cast<unsigned char>(a[i])] != lower[static_cast<unsigned char>(b[i])]) return false;
    }
    return true;
}

std::string AsciiLower(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
    }
    return out;
}

}  // namespace skrivo::win
