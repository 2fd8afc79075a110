// Token text: the comment scan and the lower-casing that keyword matching relies on.
#include "bridge/TokenText.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace skrivo {
namespace {

using namespace std::string_literals;

struct CommentCase {
  const char* name;
  std::string source;
  std::string expected;
};

class RemoveCommentsTest : public ::testing::TestWithParam<CommentCase> {};

TEST_P(RemoveCommentsTest, RewritesAsExpected) {
  const CommentCase& c = GetParam();
  const std::string result = RemoveComments(c.source);
  EXPECT_EQ(result, c.expected);
  EXPECT_EQ(result.size(), c.source.size());
}

INSTANTIATE_TEST_SUITE_P(
    CommentScan, RemoveCommentsTest,
    ::testing::Values(
        CommentCase{"LiteralCommentsLineBreakAndDirective",
                    "x := 'a{b}'; {c} (*d*) // e\r\n{$ifdef f}",
                    "x := #     ;" " " "   " " " "     " " " "     " " " "{$ifdef f}"},
        CommentCase{"EmptyBraceCommentIsComplete", "{}x", "  x"},
        CommentCase{"ParenStarClosesAtFirstStarParen", "(* a **)x", "        x"},
        CommentCase{"ParenStarParenDoesNotCloseItself", "(*)x*)y", "      y"},
        CommentCase{"UnclosedBraceBlanksToEnd", "a {b\r\nc", "a      "},
        CommentCase{"UnclosedParenStarBlanksToEnd", "a (*b", "a    "},
        CommentCase{"LineCommentEndsWithItsCR", "a // b\r\nc", "a       c"},
        CommentCase{"LineCommentWithoutCRRunsToEnd", "a // b", "a     "},
        CommentCase{"LineCommentIgnoresLoneLF", "a // b\nc", "a       "},
        CommentCase{"DirectiveKeptWithItsControlCharacters", "{$ifdef\tx}\t", "{$ifdef\tx} "},
        CommentCase{"UnclosedDirectiveKeptToEnd", "{$i 'x\r\n", "{$i 'x\r\n"},
        CommentCase{"DoubledQuoteOpensNewLiteral", "'it''s';", "#   #  ;"},
        CommentCase{"EmptyLiteral", "x('')", "x(# )"},
        CommentCase{"UnclosedLiteralEndsAtCR", "'abc\r\nx", "#     x"},
        CommentCase{"CommentOpenersInsideLiteralAreText", "'{(*//'x", "#      x"},
        CommentCase{"QuoteInsideCommentIsComment", "{'}x", "   x"},
        CommentCase{"BraceInsideParenStarComment", "(* { *)x", "       x"},
        CommentCase{"ParenStarInsideBraceComment", "{ (* }x", "      x"},
        CommentCase{"LoneSlashAndParenStay", "a/b(c)/(d", "a/b(c)/(d"},
        CommentCase{"SlashBeforeQuoteIsExaminedNormally", "/'a'", "/#  "},
        CommentCase{"CharacterCodesStay", "#13#10", "#13#10"},
        CommentCase{"ControlCharactersBecomeSpaces", "a\x01\x1f b", "a   b"},
        CommentCase{"HighCharactersStay", "\xE9\xC0\xFF", "\xE9\xC0\xFF"},
        CommentCase{"ScanStopsAtNul", "{a}\0{b}\x01"s, "   \0{b}\x01"s},
        CommentCase{"NulInsideCommentEndsIt", "{a\0}b"s, "  \0}b"s},
        CommentCase{"Empty", "", ""}),
    [](const ::testing::TestParamInfo<CommentCase>& info) { return std::string(info.param.name); });

TEST(TokenText, LowersAsciiLettersOnly) {
  EXPECT_EQ(MakeTokenText("BEGIN Foo \xC0\xE9 End"), "begin foo \xC0\xE9 end");
}

TEST(TokenText, DirectivesAreLoweredButKept) {
  EXPECT_EQ(MakeTokenText("{$IFDEF Debug}X{$ENDIF}"), "{$ifdef debug}x{$endif}");
}

TEST(TokenText, KeywordsInCommentsAndLiteralsVanish) {
  const std::string source = "S := 'Begin'; // End\r\n{ END } (* begin *)";
  const std::string head = "s := #      ;";
  EXPECT_EQ(MakeTokenText(source), head + std::string(source.size() - head.size(), ' '));
}

TEST(TokenText, InPlaceMatchesCopy) {
  std::string text = "A := 'B'; { C } Y";
  const std::string copy = MakeTokenText(text);
  MakeTokenTextInPlace(text);
  EXPECT_EQ(text, copy);
}

// Random text biased towards the characters the scan reacts to, so that
// comments, literals and directives start and end in every combination.
std::string RandomSource(std::mt19937& rng, std::size_t length) {
  static const std::string alphabet = "{}$()*/'#\r\n\t \x01" "aBz;\xE0\xC0";
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> nul(0, 400);
  std::string text(length, ' ');
  for (char& c : text) c = nul(rng) == 0 ? '\0' : alphabet[pick(rng)];
  return text;
}

TEST(TokenText, RandomInputKeepsLengthAndOnlyBlanksOrMarks) {
  std::mt19937 rng(20240611);
  for (int round = 0; round < 2000; ++round) {
    const std::string source = RandomSource(rng, 1 + round % 97);
    const std::string tokens = MakeTokenText(source);
    ASSERT_EQ(tokens.size(), source.size()) << "round " << round;
    const std::size_t nulAt = std::min(source.size(), source.find('\0'));
    for (std::size_t i = 0; i < source.size(); ++i) {
      const char lowered = source[i] >= 'A' && source[i] <= 'Z' ? source[i] - 'A' + 'a' : source[i];
      if (i >= nulAt) {
        ASSERT_EQ(tokens[i], lowered) << "round " << round << " index " << i;
      } else if (tokens[i] == '#') {
        ASSERT_TRUE(source[i] == '#' || source[i] == '\'') << "round " << round << " index " << i;
      } else {
        ASSERT_TRUE(tokens[i] == lowered || tokens[i] == ' ') << "round " << round << " index " << i;
      }
    }
    // Token text has nothing left to rewrite: a second scan changes nothing.
    ASSERT_EQ(RemoveComments(tokens), tokens) << "round " << round;
  }
}

}  // namespace
}  // namespace skrivo
