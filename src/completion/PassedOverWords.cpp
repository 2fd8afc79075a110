// Noting the lists shown for the word being typed, and which of them the user typed past.
#include "completion/PassedOverWords.h"

#include <algorithm>

namespace skrivo {

const std::vector<std::string>& PassedOverWords::At(const void* unit, int start, std::string_view typed) {
    if (unit != unit_ || start != start_) {
        unit_ = unit;
        start_ = start;
        offered_.clear();
    }
    typed_ = typed;
    std::erase_if(offered_, [&](const auto& o) { return !typed.starts_with(o.first); });
    passed_.clear();
    for (const auto& [part, selected] : offered_)
        if (part.size() < typed.size()) passed_.push_back(selected);
    return passed_;
}

void PassedOverWords::Offered(std::string_view selected) {
    if (!unit_) return;
    std::erase_if(offered_, [&](const auto& o) { return o.first == typed_; });
    if (offered_.size() >= kMostNoted) offered_.erase(offered_.begin());
    offered_.emplace_back(typed_, selected);
}

}  // namespace skrivo
