// Case folding and trimming of 8-bit text for dictionary matching.
#include "completion/TextFold.h"

#include <cstring>

namespace skrivo {

CaseFold::CaseFold() : CaseFold(win::GetACP()) {}

const CaseFold& CaseFold::ForActiveCodePage() {
    static const CaseFold cp1251(win::CodePage::Cp1251);
    static const CaseFold cp1252(win::CodePage::Cp1252);
    return win::GetACP() == win::CodePage::Cp1251 ? cp1251 : cp1252;
}

CaseFold::CaseFold(win::CodePage cp) {
    std::array<int, 256> sources{};
    onlySource_.fill(-1);
    for (int c = 0; c < 256; ++c) {
        lower_[c] = win::AnsiLowerChar(static_cast<unsigned char>(c), cp);
        if (++sources[lower_[c]] == 1) onlySource_[lower_[c]] = static_cast<short>(c);
    }
    for (int v = 0; v < 256; ++v)
        if (sources[v] != 1) onlySource_[v] = -1;
}

std::string CaseFold::Lower(std::string_view s) const {
    std::string out(s.size(), '\0');
    for (std::size_t i = 0; i < s.size(); ++i) out[i] = static_cast<char>(Lower(s[i]));
    return out;
}

std::size_t CaseFold::Find(std::string_view text, std::string_view lowNeedle) const {
    if (lowNeedle.empty()) return 0;
    if (text.size() < lowNeedle.size()) return std::string_view::npos;
    const std::size_t last = text.size() - lowNeedle.size();
    const auto first = static_cast<unsigned char>(lowNeedle[0]);
    const short only = onlySource_[first];
    for (std::size_t p = 0; p <= last; ++p) {
        if (only >= 0) {
            const void* hit = std::memchr(text.data() + p, only, last + 1 - p);
            if (!hit) break;
            p = static_cast<std::size_t>(static_cast<const char*>(hit) - text.data());
        } else if (Lower(text[p]) != first) {
            continue;
        }
        if (StartsWith(text.substr(p), lowNeedle)) return p;
    }
    return std::string_view::npos;
}

}  // namespace skrivo
