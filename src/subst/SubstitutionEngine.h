// The substitution subsystem's state: the list's pattern lines parsed once, and the search for the first that fits.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/StringList.h"
#include "subst/MatchText.h"
#include "subst/PatternLine.h"

namespace skrivo::subst {

// What a fitting pair asks for at the cursor.
struct SubstitutionFit {
    std::size_t pair = 0;            // index of the pair in the list
    std::string replacement;         // the replacement line as written
    std::size_t removeBefore = 0;    // characters before the cursor the typed tail took
};

class SubstitutionEngine {
public:
    SubstitutionEngine() = default;
    SubstitutionEngine(const SubstitutionEngine&) = delete;
    SubstitutionEngine& operator=(const SubstitutionEngine&) = delete;

    // The first usable pair of list (pattern, replacement, pattern, ...)
    // whose pattern line fits a line split by the cursor into before and
    // after. An odd last line is no pair.
    std::optional<SubstitutionFit> FindFit(const StringList& list, const std::string& before, const std::string& after);

    // Whether a pattern line fits at a cursor inside a module's text, read
    // through the given texts (for macro conditions).
    static bool LineFitsInModule(const std::string& patternLine, MatchText& before, MatchText& after);

private:
    // Parses the list again only when it changed since the last keystroke.
    void Refresh(const StringList& list);
    std::vector<std::string> lines_;  // the list as last parsed
    std::vector<std::unique_ptr<PatternLine>> patterns_;  // per pair; null: not usable
};

}  // namespace skrivo::subst
