// Finding the substitution that fits at the cursor.
#include "subst/SubstitutionEngine.h"

namespace skrivo::subst {

void SubstitutionEngine::Refresh(const StringList& list) {
    const std::size_t count = list.Count();
    bool same = lines_.size() == count;
    for (std::size_t i = 0; same && i < count; ++i) same = lines_[i] == list[i];
    if (same) return;
    lines_.assign(count, {});
    for (std::size_t i = 0; i < count; ++i) lines_[i] = list[i];
    patterns_.clear();
    for (std::size_t pair = 0; pair < count / 2; ++pair) {
        const std::string& line = lines_[2 * pair];
        patterns_.push_back(IsUsablePatternLine(line) ? std::make_unique<PatternLine>(line) : nullptr);
    }
}

std::optional<SubstitutionFit> SubstitutionEngine::FindFit(const StringList& list, const std::string& before,
                                                           const std::string& after) {
    Refresh(list);
    StringMatchText beforeText(before, StringMatchText::Backward);
    StringMatchText afterText(after, StringMatchText::Forward);
    const std::size_t last = before.find_last_not_of('\n');
    const int lastBefore = last == std::string::npos ? -1 : static_cast<unsigned char>(before[last]);
    for (std::size_t pair = 0; pair < patterns_.size(); ++pair) {
        const PatternLine* pattern = patterns_[pair].get();
        if (!pattern || !pattern->MayFit(lastBefore) || !pattern->Fits(beforeText, afterText, TextEdge::LineEdge))
            continue;
        SubstitutionFit fit;
        fit.pair = pair;
        fit.replacement = lines_[2 * pair + 1];
        fit.removeBefore = pattern->TailExtent(beforeText, TextEdge::LineEdge);
        return fit;
    }
    return std::nullopt;
}

bool SubstitutionEngine::LineFitsInModule(const std::string& patternLine, MatchText& before, MatchText& after) {
    return PatternLine(patternLine).Fits(before, after, TextEdge::ModuleEdge);
}

}  // namespace skrivo::subst
