// The fast matcher against plain backtracking on random patterns and texts, and its bounds on reading.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "subst/MatchText.h"
#include "subst/PatternLine.h"
#include "subst/PatternMatcher.h"
#include "subst/ReferenceMatcher.h"

namespace skrivo::subst {
namespace {

std::string Random(std::mt19937& rng, std::string_view alphabet, std::size_t maxLength) {
    std::uniform_int_distribution<std::size_t> length(0, maxLength);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string s(length(rng), ' ');
    for (char& c : s) c = alphabet[pick(rng)];
    return s;
}

std::string Shown(std::string s) {
    std::string out;
    for (char c : s) out += c == '\r' ? std::string("\\r") : c == '\n' ? std::string("\\n") : c == '\t' ? std::string("\\t") : std::string(1, c);
    return "\"" + out + "\"";
}

TEST(PatternMatcher, AgreesWithBacktrackingOnRandomPatternsAndTexts) {
    std::mt19937 rng(20261208);
    int fits = 0;
    for (int round = 0; round < 15000; ++round) {
        const std::string pattern = Random(rng, "ab *?*", 7);
        const std::string text = Random(rng, "ab  \r\n\ta", 10);
        for (const bool lineEdge : {true, false}) {
            const TextEdge edge = lineEdge ? TextEdge::LineEdge : TextEdge::ModuleEdge;
            StringMatchText t(text, StringMatchText::Forward);  // already in match order
            const bool before = PatternSide(pattern, PatternSide::BeforeCursor).Matches(t, edge);
            ASSERT_EQ(before, testing::ReferenceMatchBefore(pattern, text, lineEdge))
                << "before " << Shown(pattern) << " on " << Shown(text) << " lineEdge " << lineEdge;
            const bool after = PatternSide(pattern, PatternSide::AfterCursor).Matches(t, edge);
            ASSERT_EQ(after, testing::ReferenceMatchAfter(pattern, text, lineEdge))
                << "after " << Shown(pattern) << " on " << Shown(text) << " lineEdge " << lineEdge;
            fits += before + after;
        }
    }
    // Both answers must occur often, or the comparison proves little.
    EXPECT_GT(fits, 5000);
    EXPECT_LT(fits, 55000);
}

// Lines are turned away by the character typed before any matching; never
// one that fits.
TEST(PatternLine, TheCharacterTypedTurnsAwayOnlyLinesThatCannotFit) {
    std::mt19937 rng(20261209);
    int fits = 0, turnedAway = 0;
    for (int i = 0; i < 20000; ++i) {
        const std::string line = Random(rng, "ab *?|^{}", 9);
        const std::string before = Random(rng, "ab \n\t", 6);
        const std::string after = Random(rng, "ab ", 3);
        const PatternLine pattern(line);
        const std::size_t last = before.find_last_not_of('\n');
        const bool mayFit = pattern.MayFit(last == std::string::npos ? -1 : static_cast<unsigned char>(before[last]));
        turnedAway += mayFit ? 0 : 1;
        StringMatchText b(before, StringMatchText::Backward);
        StringMatchText a(after, StringMatchText::Forward);
        if (!pattern.Fits(b, a, TextEdge::LineEdge)) continue;
        ++fits;
        EXPECT_TRUE(mayFit) << Shown(line) << " before " << Shown(before) << " after " << Shown(after);
    }
    EXPECT_GT(fits, 150);
    EXPECT_GT(turnedAway, 500);
}

TEST(PatternMatcher, LongPatternsCrossWordBoundaries) {
    std::mt19937 rng(7);
    for (int round = 0; round < 3000; ++round) {
        // One star: the yardstick's search stays quadratic.
        std::string pattern = Random(rng, "a? ", 3) + "*" + std::string(60 + round % 140, 'a') + Random(rng, "a? ", 3);
        std::string text = std::string(60 + round % 150, 'a') + Random(rng, "a \r", 6);
        StringMatchText t(text, StringMatchText::Forward);
        ASSERT_EQ(PatternSide(pattern, PatternSide::BeforeCursor).Matches(t, TextEdge::LineEdge),
                  testing::ReferenceMatchBefore(pattern, text, true))
            << Shown(pattern) << " on " << Shown(text);
    }
}

TEST(PatternMatcher, LongModulesWithQuietStretchesAgree) {
    // Long runs of a character no pattern holds let the matcher skip ahead;
    // the answers must stay those of the search that looks at everything.
    std::mt19937 rng(11);
    for (int round = 0; round < 15; ++round) {
        const std::string pattern = Random(rng, "ab? ", 3) + "**" + Random(rng, "ab? \r", 3);
        std::string text;
        while (text.size() < 1500) text += std::string(std::uniform_int_distribution<int>(0, 1500)(rng), 'x') + Random(rng, "ab \r\n", 4);
        for (const bool lineEdge : {true, false}) {
            const TextEdge edge = lineEdge ? TextEdge::LineEdge : TextEdge::ModuleEdge;
            StringMatchText t(text, StringMatchText::Forward);
            ASSERT_EQ(PatternSide(pattern, PatternSide::BeforeCursor).Matches(t, edge),
                      testing::ReferenceMatchBefore(pattern, text, lineEdge))
                << "before " << Shown(pattern) << " lineEdge " << lineEdge;
            ASSERT_EQ(PatternSide(pattern, PatternSide::AfterCursor).Matches(t, edge),
                      testing::ReferenceMatchAfter(pattern, text, lineEdge))
                << "after " << Shown(pattern) << " lineEdge " << lineEdge;
        }
    }
}

TEST(PatternMatcher, ManyStarsDoNotExplode) {
    // Backtracking would try every split of 60 characters among 12 stars.
    std::string pattern;
    for (int i = 0; i < 12; ++i) pattern += "*a";
    pattern += "*b";
    const std::string text(60, 'a');
    StringMatchText t(text, StringMatchText::Backward);
    EXPECT_FALSE(PatternSide(pattern, PatternSide::BeforeCursor).Matches(t, TextEdge::LineEdge));
    EXPECT_TRUE(PatternSide("*" + pattern.substr(0, pattern.size() - 2) + "*a", PatternSide::BeforeCursor).Matches(t, TextEdge::LineEdge));
}

TEST(BlockMatchText, ReadsOnlyTheBlocksAPatternNeeds) {
    // Ten lines of 100 characters; the cursor at the end of the last line.
    std::string module;
    for (int line = 0; line < 10; ++line) module += std::string(98, 'x') + "\r\n";
    module += "begin";
    int reads = 0;
    auto reader = [&](int pos, int count) {
        ++reads;
        return module.substr(static_cast<std::size_t>(pos), static_cast<std::size_t>(count));
    };
    const int cursor = static_cast<int>(module.size());
    BlockMatchText before(reader, cursor, BlockMatchText::Backward);
    EXPECT_TRUE(PatternSide("*begin", PatternSide::BeforeCursor).Matches(before, TextEdge::ModuleEdge));
    EXPECT_EQ(before.CharactersRead(), 256u);
    EXPECT_EQ(reads, 1);

    BlockMatchText across(reader, cursor, BlockMatchText::Backward);
    EXPECT_FALSE(PatternSide("**q**begin", PatternSide::BeforeCursor).Matches(across, TextEdge::ModuleEdge));
    EXPECT_EQ(across.CharactersRead(), module.size());  // to the module's start, and no further
}

}  // namespace
}  // namespace skrivo::subst
