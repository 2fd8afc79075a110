// TSourceWalker: positioning, token steps in both directions and token tests over token text.
#include "source/SourceWalker.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "bridge/TokenText.h"
#include "source/CodePageGuard.h"

namespace skrivo {
namespace {

using test::CodePageGuard;

int PositionAfter(std::string_view text, int position) {
  TSourceWalker w(text, position);
  return w.Pos();
}

TEST(WalkerSetPosition, ClampsToTheText) {
  EXPECT_EQ(PositionAfter("ab;", 10), 2);
  EXPECT_EQ(PositionAfter("", 5), 0);
  EXPECT_EQ(PositionAfter("", -1), 0);
  EXPECT_EQ(PositionAfter("begin", -7), 0);
}

TEST(WalkerSetPosition, GoesToTheStartOfTheWordOrHashRun) {
  const std::string text = "x begin  ;##  y";
  EXPECT_EQ(PositionAfter(text, 4), 2);   // inside "begin"
  EXPECT_EQ(PositionAfter(text, 7), 2);   // on the blank right after it
  EXPECT_EQ(PositionAfter(text, 8), 2);   // on the second blank
  EXPECT_EQ(PositionAfter(text, 9), 9);   // ";" is a token of its own
  EXPECT_EQ(PositionAfter(text, 11), 10); // second "#" of the run
  EXPECT_EQ(PositionAfter(text, 13), 10); // blanks after a "#" run
}

TEST(WalkerSetPosition, StaysInsideBraceGroupsAndOnLeadingBlanks) {
  // Not back to the "{": only the word inside the group is found.
  EXPECT_EQ(PositionAfter("{$ifdef a}", 1), 1);
  EXPECT_EQ(PositionAfter("{$ifdef a}", 4), 2);
  EXPECT_EQ(PositionAfter("  x", 0), 0);
  EXPECT_EQ(PositionAfter("  x", 1), 0);
}

TEST(WalkerNext, SkipsTheTokenAndTheBlanksAfterIt) {
  TSourceWalker word("begin  x", 0);
  word.Next();
  EXPECT_EQ(word.Pos(), 7);

  TSourceWalker directive("{$ifdef a} x", 0);
  directive.Next();
  EXPECT_EQ(directive.Pos(), 11);

  // A one-letter literal: '#' and two blanks in token text.
  const std::string literal = MakeTokenText("s := 'a';");
  TSourceWalker hash(literal, 5);
  ASSERT_EQ(hash.GetCurrentToken(), "#");
  hash.Next();
  EXPECT_EQ(hash.Pos(), 8);

  TSourceWalker unclosed("{$ifdef a", 0);
  unclosed.Next();
  EXPECT_TRUE(unclosed.Eof());
}

TEST(WalkerNext, ReachesEofAfterTheLastTokenAndStaysThere) {
  TSourceWalker w("a ; ", 0);
  w.Next();
  EXPECT_EQ(w.Pos(), 2);
  EXPECT_FALSE(w.Eof());
  w.Next();
  EXPECT_TRUE(w.Eof());
  w.Next();
  EXPECT_TRUE(w.Eof());
  EXPECT_FALSE(w.AtAlpha());
  EXPECT_EQ(w.GetCurrentToken(), "");
}

TEST(WalkerPrev, GoesToTheStartOfThePreviousToken) {
  TSourceWalker word("begin  x", 7);
  word.Prev();
  EXPECT_EQ(word.Pos(), 0);

  TSourceWalker directive("a {$endif} x", 11);
  directive.Prev();
  EXPECT_EQ(directive.Pos(), 2);

  TSourceWalker hashes("x ## y", 5);
  hashes.Prev();
  EXPECT_EQ(hashes.Pos(), 2);

  TSourceWalker start("begin", 0);
  start.Prev();
  EXPECT_EQ(start.Pos(), 0);

  TSourceWalker fromEof("a bc", 0);
  fromEof.Next();
  fromEof.Next();
  ASSERT_TRUE(fromEof.Eof());
  fromEof.Prev();
  EXPECT_EQ(fromEof.Pos(), 2);
}

TEST(WalkerTokenTest, WholeWordsForKeywordsPrefixForDirectives) {
  TSourceWalker w("endif end. end;( {$ifdef debug} x end", 0);
  EXPECT_FALSE(w.TokenAtPosIs(0, "end"));
  EXPECT_TRUE(w.TokenAtPosIs(6, "end"));
  EXPECT_TRUE(w.TokenAtPosIs(11, "end"));
  EXPECT_TRUE(w.TokenAtPosIs(15, "("));
  EXPECT_TRUE(w.TokenAtPosIs(17, "{$ifdef"));
  EXPECT_TRUE(w.TokenAtPosIs(34, "end"));   // the end of the text ends the word
  EXPECT_FALSE(w.TokenAtPosIs(34, "end;")); // longer than what is left
  EXPECT_FALSE(w.TokenAtPosIs(37, "end"));
  EXPECT_FALSE(w.TokenAtPosIs(-1, "end"));
  EXPECT_FALSE(w.TokenAtPosIs(6, "End"));   // token text is lower case; so are the patterns
  EXPECT_FALSE(w.CurTokenIs("en"));
}

TEST(WalkerCurrentToken, WordsHashesAndSingleCharacters) {
  CodePageGuard guard(win::CodePage::Cp1252);
  EXPECT_EQ(TSourceWalker("foo bar", 4).GetCurrentToken(), "bar");
  EXPECT_EQ(TSourceWalker("x12y+", 0).GetCurrentToken(), "x12y");
  EXPECT_EQ(TSourceWalker("##", 1).GetCurrentToken(), "#");
  EXPECT_EQ(TSourceWalker(":=", 0).GetCurrentToken(), ":");
  EXPECT_EQ(TSourceWalker("", 0).GetCurrentToken(), "");
  // Word characters that token text never holds give no token.
  EXPECT_EQ(TSourceWalker("$ff", 0).GetCurrentToken(), "");
  EXPECT_EQ(TSourceWalker("Abc", 0).GetCurrentToken(), "");
  EXPECT_EQ(TSourceWalker("\xE9t\xE9", 0).GetCurrentToken(), "");
}

TEST(WalkerAtAlpha, FollowsTheLetterTable) {
  CodePageGuard guard(win::CodePage::Cp1251);
  EXPECT_TRUE(TSourceWalker("x", 0).AtAlpha());
  EXPECT_TRUE(TSourceWalker("\xE4", 0).AtAlpha());
  EXPECT_FALSE(TSourceWalker("(x", 0).AtAlpha());
  EXPECT_FALSE(TSourceWalker("9", 0).AtAlpha());
  EXPECT_FALSE(TSourceWalker("", 0).AtAlpha());
}

// Random token text built token by token, with the token starts known, so
// that a forward walk and a backward walk can be checked against them.
struct TokenLine {
  std::string text;
  std::vector<int> starts;
};

TokenLine RandomTokenLine(std::mt19937& rng) {
  static const std::vector<std::string> words = {"begin", "end", "x1", "_a", "@@l", "42", "if"};
  static const std::vector<std::string> marks = {";", "(", ")", ":", "=", ".", "[", "]", "^", "$", "\xE9"};
  static const std::vector<std::string> groups = {"{$ifdef a}", "{$endif}", "{}", "{$i x.inc}"};
  std::uniform_int_distribution<int> kind(0, 3), blanks(0, 3), count(1, 40);
  TokenLine line;
  line.text.append(static_cast<std::size_t>(blanks(rng)), ' ');
  bool lastWasRun = false;  // words and "#" runs need a blank before a run of the same kind
  char lastRun = 0;
  const int tokens = count(rng);
  for (int i = 0; i < tokens; ++i) {
    std::string token;
    char run = 0;
    switch (kind(rng)) {
      case 0: token = words[rng() % words.size()]; run = 'w'; break;
      case 1: token = std::string(1 + rng() % 3, '#'); run = '#'; break;
      case 2: token = marks[rng() % marks.size()]; break;
      default: token = groups[rng() % groups.size()]; break;
    }
    int gap = blanks(rng);
    if (lastWasRun && run == lastRun && gap == 0) gap = 1;
    line.text.append(static_cast<std::size_t>(gap), ' ');
    line.starts.push_back(static_cast<int>(line.text.size()));
    line.text += token;
    lastWasRun = run != 0;
    lastRun = run;
  }
  line.text.append(static_cast<std::size_t>(blanks(rng)), ' ');
  return line;
}

TEST(WalkerSteps, ForwardAndBackwardVisitEveryTokenStart) {
  CodePageGuard guard(win::CodePage::Cp1252);
  std::mt19937 rng(7);
  for (int round = 0; round < 500; ++round) {
    const TokenLine line = RandomTokenLine(rng);
    TSourceWalker w(line.text, line.starts.front());
    std::vector<int> forward;
    while (!w.Eof()) {
      forward.push_back(w.Pos());
      w.Next();
    }
    ASSERT_EQ(forward, line.starts) << "round " << round << " '" << line.text << "'";

    std::vector<int> backward;
    int before = -1;
    do {
      before = w.Pos();
      w.Prev();
      if (w.Pos() != before) backward.push_back(w.Pos());
    } while (w.Pos() != before);
    if (!backward.empty() && backward.back() != line.starts.front()) backward.pop_back();  // leading blanks
    std::vector<int> expected(line.starts.rbegin(), line.starts.rend());
    ASSERT_EQ(backward, expected) << "round " << round << " '" << line.text << "'";

    // Every position inside a word or "#" run finds the run's start.
    for (std::size_t t = 0; t < line.starts.size(); ++t) {
      const int start = line.starts[t];
      const char c = line.text[static_cast<std::size_t>(start)];
      if (c != '#' && !IsTokenChar(c)) continue;
      int end = start;
      while (end < static_cast<int>(line.text.size()) && line.text[static_cast<std::size_t>(end)] == c) ++end;
      if (c != '#') {
        end = start;
        while (end < static_cast<int>(line.text.size()) && IsTokenChar(line.text[static_cast<std::size_t>(end)])) ++end;
      }
      for (int p = start; p < end; ++p) ASSERT_EQ(PositionAfter(line.text, p), start) << line.text << " @" << p;
    }
  }
}

}  // namespace
}  // namespace skrivo
