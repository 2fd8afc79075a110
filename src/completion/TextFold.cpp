// Case folding and trimming of 8-bit text for dictionary matching.
#include "completion/TextFold.h"

namespace skrivo {

CaseFold::CaseFold() : CaseFold(win::GetACP()) {}

CaseFold::CaseFold(win::CodePage cp) {
    for (int c = 0; c < 256; ++c)
        lower_[c] = win::AnsiLowerChar(static_cast<unsigned char>(c), cp);
}

std::string CaseFold::Lower(std::string_view s) const {
    std::string out(s.size(), '\0');
    for (std::size_t i = 0; i < s.size(); ++i) out[i] = static_cast<char>(Lower(s[i]));
    return out;
}

bool CaseFold::Equal(std::string_view a, std::string_view b) const {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

bool CaseFold::StartsWith(std::string_view text, std::string_view lowPrefix) const {
    if (text.size() < lowPrefix.size()) return false;
    for (std::size_t i = 0; i < lowPrefix.size(); ++i)
        if (Lower(text[i]) != static_cast<unsigned char>(lowPrefix[i])) return false;
    return true;
}

std::size_t CaseFold::Find(std::string_view text, std::string_view lowNeedle) const {
    if (lowNeedle.empty()) return 0;
    if (text.size() < lowNeedle.size()) return std::string_view::npos;
    const std::size_t last = text.size() - lowNeedle.size();
    const auto first = static_cast<unsigned char>(lowNeedle[0]);
    for (std::size_t p = 0; p <= last; ++p) {
        if (Lower(text[p]) != first) continue;
        if (StartsWith(text.substr(p), lowNeedle)) return p;
    }
    return std::string_view::npos;
}

std::string_view Trim(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && IsBlankOrControl(s[b])) ++b;
    while (e > b && IsBlankOrControl(s[e - 1])) --e;
    return s.substr(b, e - b);
}

}  // namespace skrivo
