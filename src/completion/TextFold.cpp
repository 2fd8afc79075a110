// Case folding and trimming of 8-bit text for dictionary matching.
#include "completion/TextFold.h"

#include <algorithm>
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

void FoldedWordList::Build(const StringList& list, win::CodePage cp) {
    const CaseFold fold(cp);
    codePage_ = cp;
    std::size_t total = 0;
    for (std::size_t i = 0; i < list.Count(); ++i)
        if (!TooLongToOffer(list[i])) total += list[i].size();
    text_.resize(total);
    offsets_.resize(list.Count() + 1);
    std::size_t at = 0;
    for (std::size_t i = 0; i < list.Count(); ++i) {
        offsets_[i] = at;
        if (TooLongToOffer(list[i])) continue;
        for (char c : list[i]) text_[at++] = static_cast<char>(fold.Lower(c));
    }
    offsets_[list.Count()] = at;
    for (auto& bucket : startingWith_) bucket.clear();
    for (auto& bucket : blankThen_) bucket.clear();
    for (auto& bucket : trimmedStartingWith_) bucket.clear();
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const std::string_view low = (*this)[i];
        std::size_t first = 0;
        while (first < low.size() && IsBlankOrControl(low[first])) ++first;
        if (first < low.size())
            trimmedStartingWith_[static_cast<unsigned char>(low[first])].push_back(static_cast<std::uint32_t>(i));
        if (low.empty()) continue;
        startingWith_[static_cast<unsigned char>(low[0])].push_back(static_cast<std::uint32_t>(i));
        if (low.size() > 1 && low[0] == ' ') blankThen_[static_cast<unsigned char>(low[1])].push_back(static_cast<std::uint32_t>(i));
    }
}

std::size_t FoldedWordList::EntryAt(std::size_t blockPos) const {
    if (offsets_.empty()) return 0;
    // The last entry starting at or before the position; empty entries share
    // their start with the next one, so take the last of equal starts.
    const auto it = std::upper_bound(offsets_.begin(), offsets_.end() - 1, blockPos);
    return static_cast<std::size_t>(it - offsets_.begin()) - 1;
}

const FoldedWordList& FoldedWordCache::Get(const StringList& list, std::uint64_t version) const {
    const win::CodePage cp = win::GetACP();
    // The count check is a cheap guard against a change that slipped past
    // the version number; a stale copy would offer wrong words.
    if (!built_ || builtVersion_ != version || folded_.CodePage() != cp || folded_.Count() != list.Count()) {
        folded_.Build(list, cp);
        builtVersion_ = version;
        built_ = true;
    }
    return folded_;
}


}  // namespace skrivo
