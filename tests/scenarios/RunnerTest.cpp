// The script loop: command lookup, argument counts, and the one line a failure reports.
#include <gtest/gtest.h>

#include <sstream>

#include "CommandTable.h"
#include "Runner.h"
#include "Session.h"

namespace skrivo::replay {
namespace {

class RunnerTest : public ::testing::Test {
protected:
    RunnerTest() {
        table.Add({"note", 1, 1, "WORD", [this](Session&, const ScriptArgs& a) { ran.push_back("note " + a[0]); }});
        table.Add({"expect", 0, -1, "", [this](Session&, const ScriptArgs&) { ran.push_back("expect"); }});
        table.Add({"expect same", 2, 2, "A B", [this](Session&, const ScriptArgs& a) {
                       ran.push_back("expect same");
                       if (a[0] != a[1]) throw ExpectationFailed(QuoteScriptText(a[0]), QuoteScriptText(a[1]));
                   }});
        table.Add({"boom", 0, 0, "", [](Session&, const ScriptArgs&) -> void { throw std::runtime_error("it broke"); }});
        table.Add({"range", 1, 3, "A [B [C]]", [this](Session&, const ScriptArgs&) { ran.push_back("range"); }});
    }

    int Run(const std::string& script) {
        std::istringstream in(script);
        return RunScript(in, session, table, err);
    }

    std::ostringstream out;
    std::ostringstream err;
    Session session{out};
    CommandTable table;
    std::vector<std::string> ran;
};

TEST_F(RunnerTest, LongestCommandNameWins) {
    EXPECT_EQ(Run("expect same a a\nexpect other\n"), kExitPassed);
    EXPECT_EQ(ran, (std::vector<std::string>{"expect same", "expect"}));
}

TEST_F(RunnerTest, FailedExpectationNamesItsLineAndStopsTheScript) {
    EXPECT_EQ(Run("note one\n\n# a comment\nexpect same \"a b\" \"a  b\"\nnote never\n"), kExitFailed);
    EXPECT_EQ(err.str(), "line 4: expected \"a b\", got \"a  b\"\n");
    EXPECT_EQ(ran, (std::vector<std::string>{"note one", "expect same"}));
}

TEST_F(RunnerTest, ErrorsOfAnyKindNameTheirLine) {
    EXPECT_EQ(Run("note x\nboom\n"), kExitFailed);
    EXPECT_EQ(err.str(), "line 2: it broke\n");
}

TEST_F(RunnerTest, ArgumentCountsAreChecked) {
    EXPECT_EQ(Run("note\n"), kExitFailed);
    EXPECT_EQ(err.str(), "line 1: note takes 1 argument, got 0 (note WORD)\n");
    err.str("");
    EXPECT_EQ(Run("range a b c d\n"), kExitFailed);
    EXPECT_EQ(err.str(), "line 1: range takes 1 to 3 arguments, got 4 (range A [B [C]])\n");
    EXPECT_TRUE(ran.empty());
}

TEST_F(RunnerTest, UnknownCommandsAndBadQuotesAreReported) {
    EXPECT_EQ(Run("frob 1\n"), kExitFailed);
    EXPECT_EQ(err.str(), "line 1: unknown command \"frob\"\n");
    err.str("");
    EXPECT_EQ(Run("note ok\nnote \"open\n"), kExitFailed);
    EXPECT_EQ(err.str(), "line 2: a quoted text is not closed\n");
}

TEST_F(RunnerTest, ByteOrderMarkAndCrLfLinesAreAccepted) {
    EXPECT_EQ(Run("\xEF\xBB\xBFnote a\r\nnote b\r\n"), kExitPassed);
    EXPECT_EQ(ran, (std::vector<std::string>{"note a", "note b"}));
}

TEST_F(RunnerTest, ACommandAddedLaterReplacesTheOneOfThatName) {
    CommandTable full;
    full.Add({"expect list", 0, -1, "", [this](Session&, const ScriptArgs&) { ran.push_back("first"); }});
    full.Add({"expect list", 0, -1, "", [this](Session&, const ScriptArgs&) { ran.push_back("second"); }});
    std::size_t used = 0;
    ASSERT_NE(full.Find({"expect", "list", "x"}, used), nullptr);
    EXPECT_EQ(used, 2u);
    std::istringstream in("expect list a b\n");
    EXPECT_EQ(RunScript(in, session, full, err), kExitPassed);
    EXPECT_EQ(ran, (std::vector<std::string>{"second"}));
}

TEST_F(RunnerTest, TheSessionStartsNothingUntilACommandNeedsIt) {
    EXPECT_EQ(Run("note a\n"), kExitPassed);
    EXPECT_FALSE(session.Started());
}

}  // namespace
}  // namespace skrivo::replay
