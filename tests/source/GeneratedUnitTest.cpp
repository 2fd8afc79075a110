// Navigation over a large generated unit whose pairs are known from the way it was written.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

#include "bridge/TokenText.h"
#include "source/BlockNavigation.h"
#include "source/PascalUnitGenerator.h"
#include "source/SourceWalker.h"

namespace skrivo {
namespace {

using test::GeneratedUnit;

std::string Around(const std::string& source, int at) {
  const int from = std::max(0, at - 40);
  return "..." + source.substr(static_cast<std::size_t>(from), 80) + "...";
}

std::optional<int> Expected(int close) { return close < 0 ? std::nullopt : std::optional<int>(close); }

int CountWord(const std::string& lowered, const std::string& word) {
  int count = 0;
  for (std::size_t at = lowered.find(word); at != std::string::npos; at = lowered.find(word, at + 1)) ++count;
  return count;
}

class GeneratedUnitTest : public ::testing::TestWithParam<unsigned> {
 protected:
  void SetUp() override {
    unit_ = test::GeneratePascalUnit(GetParam(), 30, 60);
    tokens_ = MakeTokenText(unit_.source);
  }

  GeneratedUnit unit_;
  std::string tokens_;
};

TEST_P(GeneratedUnitTest, IsLargeAndFullOfDecoys) {
  EXPECT_GT(unit_.lines, 3000);
  EXPECT_GT(unit_.beginEnd.size(), 500u);
  // Keywords that are no keywords: many more "begin" and "end" in the text
  // than the blocks written, all of them in comments and literals.
  std::string lowered = unit_.source;
  std::transform(lowered.begin(), lowered.end(), lowered.begin(), [](unsigned char c) { return std::tolower(c); });
  EXPECT_GT(CountWord(lowered, "begin"), static_cast<int>(unit_.beginEnd.size()) + 50);
  EXPECT_GT(CountWord(lowered, "end"), static_cast<int>(unit_.beginEnd.size()) + 50);
  EXPECT_FALSE(unit_.directives.empty());
  EXPECT_FALSE(unit_.declarations.empty());
}

TEST_P(GeneratedUnitTest, EveryBeginLandsOnItsEndAndBack) {
  int failures = 0;
  for (const GeneratedUnit::Pair& pair : unit_.beginEnd) {
    ASSERT_EQ(tokens_.compare(static_cast<std::size_t>(pair.open), 5, "begin"), 0) << Around(unit_.source, pair.open);
    const std::optional<int> forward = BeginEndTarget(tokens_, pair.open);
    const std::optional<int> fromAfterKeyword = BeginEndTarget(tokens_, pair.open + 5);
    EXPECT_EQ(forward, Expected(pair.close)) << Around(unit_.source, pair.open);
    EXPECT_EQ(fromAfterKeyword, Expected(pair.close)) << Around(unit_.source, pair.open);
    if (pair.close >= 0) {
      const std::optional<int> back = BeginEndTarget(tokens_, pair.close);
      EXPECT_EQ(back, pair.open) << Around(unit_.source, pair.close);
      failures += back != pair.open;
    }
    failures += forward != Expected(pair.close);
    ASSERT_LT(failures, 5) << "stopping after the first failures";
  }
}

TEST_P(GeneratedUnitTest, LevelUpFromTheFirstStatementOfEveryBlock) {
  for (const GeneratedUnit::Pair& pair : unit_.beginEnd) {
    TSourceWalker walker(tokens_, pair.open);
    walker.Next();
    ASSERT_EQ(LevelUpTarget(tokens_, walker.Pos()), pair.open) << Around(unit_.source, walker.Pos());
  }
}

TEST_P(GeneratedUnitTest, EveryDeclarationLandsOnItsEndAndBack) {
  for (const GeneratedUnit::Pair& pair : unit_.declarations) {
    ASSERT_EQ(BeginEndTarget(tokens_, pair.open), pair.close) << Around(unit_.source, pair.open);
    ASSERT_EQ(BeginEndTarget(tokens_, pair.close), pair.open) << Around(unit_.source, pair.close);
  }
}

// From the "{", from the directive's name and from just after its "}".
TEST_P(GeneratedUnitTest, EveryConditionalDirectiveLandsOnItsEndifAndBack) {
  for (const GeneratedUnit::Pair& pair : unit_.directives) {
    for (const auto& [from, to] : {std::pair{pair.open, pair.close}, std::pair{pair.close, pair.open}}) {
      const int afterBrace = static_cast<int>(unit_.source.find('}', static_cast<std::size_t>(from))) + 1;
      for (const int cursor : {from, from + 3, afterBrace})
        ASSERT_EQ(BeginEndTarget(tokens_, cursor), to) << cursor - from << Around(unit_.source, from);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, GeneratedUnitTest, ::testing::Values(1u, 2u, 2024u));

}  // namespace
}  // namespace skrivo
