// Reading a module through its notifier: the cached source, token text, chunks near the cursor, AtEOL.
#include <string>

#include "BridgeFixture.h"

namespace skrivo::testing {
namespace {

class NotifierRead : public BridgeTest {};

TEST_F(NotifierRead, SourceSpansManyChunksExactly) {
    std::string text;
    for (int i = 0; text.size() < 25003; ++i) text += "line " + std::to_string(i) + "\r\n";
    host.OpenText("Big.pas", text);
    StartExpert();
    EXPECT_EQ(Current().GetSource(), text);
}

TEST_F(NotifierRead, SourceOfExactlyOneChunkEndsWithTheEmptyRead) {
    const std::string text(10000, 'a');
    host.OpenText("Even.pas", text);
    StartExpert();
    EXPECT_EQ(Current().GetSource(), text);
}

TEST_F(NotifierRead, SourceEndsAtTheFirstNul) {
    host.OpenText("Nul.pas", std::string("ab\0cd", 5));
    StartExpert();
    EXPECT_EQ(Current().GetSource(), "ab");
    EXPECT_EQ(Current().ReadChars(0, 5), "ab");
}

TEST_F(NotifierRead, ModificationMakesTheNextReadSeeTheNewText) {
    host.OpenText("Unit1.pas", "begin|");
    StartExpert();
    EXPECT_EQ(Current().GetSource(), "begin");
    host.Type("X");
    EXPECT_EQ(Current().GetSource(), "beginX");
}

TEST_F(NotifierRead, TokenTextFollowsTheSourceAfterAnEdit) {
    host.OpenText("Unit1.pas", "X := 'Ab';|");
    StartExpert();
    TQvNotifier& n = Current();
    EXPECT_EQ(n.GetTokens(), "x := #   ;");
    host.Type(" { C }");
    // Reading the source first must not leave the old token text beside it.
    EXPECT_EQ(n.GetSource(), "X := 'Ab'; { C }");
    EXPECT_EQ(n.GetTokens(), "x := #   ;      ");
    EXPECT_EQ(n.GetTokens().size(), n.GetSource().size());
}

TEST_F(NotifierRead, ReadCharsStopsAtTheEndAndRefusesNonsense) {
    host.OpenText("Unit1.pas", "abcdef");
    StartExpert();
    TQvNotifier& n = Current();
    EXPECT_EQ(n.ReadChars(2, 3), "cde");
    EXPECT_EQ(n.ReadChars(4, 100), "ef");
    EXPECT_EQ(n.ReadChars(6, 5), "");
    EXPECT_EQ(n.ReadChars(-1, 3), "");
    EXPECT_EQ(n.ReadChars(0, 0), "");
}

struct LineCase {
    const char* name;
    std::string text;  // "|" marks the cursor
    std::string before;
    std::string after;
};

class CurrentLineTable : public BridgeTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(CurrentLineTable, SplitsTheCursorsLine) {
    const LineCase& c = GetParam();
    host.OpenText("Unit1.pas", c.text);
    StartExpert();
    TQvNotifier& n = Current();
    EXPECT_EQ(n.CurrentLine(true, false), c.before);
    EXPECT_EQ(n.CurrentLine(false, true), c.after);
    EXPECT_EQ(n.CurrentLine(true, true), c.before + c.after);
    EXPECT_EQ(n.CurrentLine(false, false), "");
}

const std::string kLongLine(700, 'w');

INSTANTIATE_TEST_SUITE_P(
    Lines, CurrentLineTable,
    ::testing::Values(LineCase{"FirstLine", "ab|cd\r\nef", "ab", "cd"},
                      LineCase{"LastLineWithoutBreak", "ab\r\ncd|ef", "cd", "ef"},
                      LineCase{"MiddleLine", "1\r\nab|cd\r\n2", "ab", "cd"},
                      LineCase{"AtLineStart", "1\r\n|abc\r\n2", "", "abc"},
                      LineCase{"AtLineEnd", "1\r\nabc|\r\n2", "abc", ""},
                      LineCase{"EmptyText", "|", "", ""},
                      LineCase{"LongerThanManyChunks", "x\r\n" + kLongLine + "|" + kLongLine + "\r\ny", kLongLine,
                               kLongLine}),
    [](const auto& info) { return std::string(info.param.name); });

struct EolCase {
    const char* name;
    std::string text;  // "|" marks the cursor
    bool atEol;
};

class AtEolTable : public BridgeTest, public ::testing::WithParamInterface<EolCase> {};

TEST_P(AtEolTable, DecidesByTheFirstCharacterOfSubstance) {
    host.OpenText("Unit1.pas", GetParam().text);
    StartExpert();
    EXPECT_EQ(Current().AtEOL(), GetParam().atEol);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AtEolTable,
    ::testing::Values(EolCase{"BeforeThen", "if x|  then y", true},
                      EolCase{"BeforeThenInCapitals", "if x| THEN y", true},
                      EolCase{"BeforeAnIdentifier", "x|  x", false},
                      EolCase{"BeforeSemicolon", "x|  ;", true},
                      EolCase{"BeforeLineBreak", "x| \t\r\ny", true},
                      EolCase{"OnlyBlanksToTheEnd", "x|    ", true},
                      EolCase{"AtTheEnd", "x|", true},
                      EolCase{"BeforeADigit", "x| 1", false},
                      EolCase{"BeforeAQuote", "x| 'a'", false},
                      EolCase{"BeforeAWordStartingWithAKeyword", "x| thenx", false},
                      EolCase{"BeforeEndDot", "x| end.", true},
                      EolCase{"BlanksBeyondOneChunkThenSemicolon", "x|" + std::string(1500, ' ') + ";", true},
                      EolCase{"BlanksBeyondOneChunkThenWord", "x|" + std::string(2500, ' ') + "y", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NotifierRead, UnitNameIsTheFileNameBeforeItsFirstDot) {
    host.OpenText("My.Unit.pas", "x");
    StartExpert();
    TQvNotifier& n = Current();
    EXPECT_EQ(n.UnitName(), "My");
    n.FFileName = "/a.b/Plain";
    EXPECT_EQ(n.UnitName(), "Plain");
    n.FFileName = "C:\\Proj\\Unit9.pas";
    EXPECT_EQ(n.UnitName(), "Unit9");
}

}  // namespace
}  // namespace skrivo::testing
