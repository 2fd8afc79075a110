// The replay script's notation: splitting lines, quoting texts, the cursor mark.
#include <gtest/gtest.h>

#include "ScriptLine.h"

namespace skrivo::replay {
namespace {

ScriptArgs Split(std::string_view line) {
    auto result = SplitScriptLine(line);
    if (auto* error = std::get_if<ScriptSyntaxError>(&result)) ADD_FAILURE() << error->reason << " in " << line;
    return std::get_if<ScriptArgs>(&result) ? std::get<ScriptArgs>(result) : ScriptArgs{};
}

std::string SyntaxError(std::string_view line) {
    auto result = SplitScriptLine(line);
    auto* error = std::get_if<ScriptSyntaxError>(&result);
    return error ? error->reason : std::string("(no error)");
}

TEST(ScriptLine, BlanksAndTabsSeparateArguments) {
    EXPECT_EQ(Split("  cursor\t3   7 "), (ScriptArgs{"cursor", "3", "7"}));
    EXPECT_EQ(Split("key Shift+Ctrl+Num\t5"), (ScriptArgs{"key", "Shift+Ctrl+Num", "5"}));
}

TEST(ScriptLine, QuotesGroupAndEscapesTranslate) {
    EXPECT_EQ(Split(R"(type "a b")"), (ScriptArgs{"type", "a b"}));
    EXPECT_EQ(Split(R"(text "x := 'a';\r\n|end.")"), (ScriptArgs{"text", "x := 'a';\r\n|end."}));
    EXPECT_EQ(Split(R"(type "say \"hi\" \\ \t")"), (ScriptArgs{"type", "say \"hi\" \\ \t"}));
    EXPECT_EQ(Split(R"(type "")"), (ScriptArgs{"type", ""}));
    EXPECT_EQ(Split(R"(text "As\x01|;\x7f\xE9")"), (ScriptArgs{"text", "As\x01|;\x7F\xC3\xA9"}));
}

TEST(ScriptLine, HashStartsACommentOnlyAtAnArgumentsStart) {
    EXPECT_TRUE(Split("# a comment").empty());
    EXPECT_TRUE(Split("   ").empty());
    EXPECT_EQ(Split("wait 250 # a quarter second"), (ScriptArgs{"wait", "250"}));
    EXPECT_EQ(Split("type a#b"), (ScriptArgs{"type", "a#b"}));
    EXPECT_EQ(Split(R"(type "#13")"), (ScriptArgs{"type", "#13"}));
}

TEST(ScriptLine, MalformedQuotesAreErrors) {
    EXPECT_EQ(SyntaxError(R"(type "abc)"), "a quoted text is not closed");
    EXPECT_EQ(SyntaxError(R"(type "a\qb")"), "unknown escape \\q in a quoted text");
    EXPECT_EQ(SyntaxError(R"(type "a\)"), "a backslash ends the line inside a quoted text");
    EXPECT_EQ(SyntaxError(R"(type "a"b)"), "a blank must follow a quoted text");
    EXPECT_EQ(SyntaxError(R"(type "\x1")"), "\\x needs two hexadecimal digits");
    EXPECT_EQ(SyntaxError(R"(type "\xg0")"), "\\x needs two hexadecimal digits");
}

TEST(ScriptLine, QuotingRoundTripsThroughTheSplitter) {
    const std::string texts[] = {"plain", "with blank", "tab\tcr\rlf\n", "quote\" and \\", "", "#hash", "mark\x01\x1F"};
    for (const auto& text : texts) {
        const ScriptArgs args = Split("x " + QuoteScriptText(text));
        ASSERT_EQ(args.size(), 2u) << text;
        EXPECT_EQ(args[1], text);
    }
}

TEST(ScriptLine, ControlCharactersShowAsHexEscapes) {
    EXPECT_EQ(QuoteScriptText("As\x01;"), R"("As\x01;")");
    EXPECT_EQ(ShowControlCharacters("a\x01\r\n\tb\x7F"), "a\\x01\r\n\tb\\x7F");
}

TEST(CursorMark, SplitsAtTheBarAndJoinsBack) {
    auto split = std::get<CursorText>(SplitCursorMark("ab|cd"));
    EXPECT_EQ(split.text, "abcd");
    EXPECT_EQ(split.cursor, 2u);
    EXPECT_EQ(JoinCursorMark(split.text, split.cursor), "ab|cd");

    auto none = std::get<CursorText>(SplitCursorMark("abcd"));
    EXPECT_EQ(none.cursor, std::string::npos);
    EXPECT_EQ(JoinCursorMark("abcd", std::string::npos), "abcd");

    EXPECT_EQ(std::get<CursorText>(SplitCursorMark("|")).cursor, 0u);
    EXPECT_TRUE(std::holds_alternative<ScriptSyntaxError>(SplitCursorMark("a|b|c")));
}

}  // namespace
}  // namespace skrivo::replay
