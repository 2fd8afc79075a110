// The merge loop: order of insertion, presence of lines, progress and stopping.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "completion/DictionaryMerge.h"
#include "completion/CompletionTestSupport.h"

namespace skrivo {
namespace {

using Words = std::vector<std::string>;

using test::ListOf;

TEST(MergeLines, NewLinesKeepTheFilesOrderAtTheTop) {
    StringList dict = ListOf({"old1", "old2"});
    const MergeOutcome outcome = MergeLines(dict, {"begin", "end", "begin"});
    EXPECT_EQ(dict.Lines(), (Words{"begin", "end", "begin", "old1", "old2"}));
    EXPECT_EQ(outcome.inserted, 3u);
    EXPECT_TRUE(outcome.Completed());
}

struct PresenceCase {
    const char* name;
    Words dict;
    Words file;
    Words merged;
};

class MergePresence : public ::testing::TestWithParam<PresenceCase> {};

TEST_P(MergePresence, OnlyLinesMissingFromTheDictionaryBeforeTheMergeAreInserted) {
    StringList dict = ListOf(GetParam().dict);
    MergeLines(dict, GetParam().file);
    EXPECT_EQ(dict.Lines(), GetParam().merged);
}

INSTANTIATE_TEST_SUITE_P(
    Presence, MergePresence,
    ::testing::Values(
        PresenceCase{"ExactLinesArePresent", {"Caption", "Color"}, {"Color", "Caption"}, {"Caption", "Color"}},
        PresenceCase{"CaseCounts", {"Caption"}, {"caption"}, {"caption", "Caption"}},
        PresenceCase{"BlanksCount", {"Caption"}, {" Caption", "Caption "}, {" Caption", "Caption ", "Caption"}},
        // A part of an entry is not the entry; nor is a line spanning two.
        PresenceCase{"WholeLinesOnly", {"Self.Caption", "ab"}, {"Caption", "Self"}, {"Caption", "Self", "Self.Caption", "ab"}},
        PresenceCase{"EmptyLinesNeverInserted", {"a"}, {"", "b", ""}, {"b", "a"}},
        PresenceCase{"EmptyLinesNeverInsertedIntoEmpty", {}, {"", ""}, {}},
        PresenceCase{"RepeatsAllInserted", {}, {"x", "y", "x", "x"}, {"x", "y", "x", "x"}},
        PresenceCase{"PresentRepeatsNone", {"x"}, {"x", "x"}, {"x"}},
        PresenceCase{"EmptyFile", {"a"}, {}, {"a"}}),
    [](const auto& info) { return info.param.name; });

TEST(MergeLines, ProgressCountsUpToExactlyOneHundred) {
    StringList dict;
    std::vector<int> seen;
    MergeLoopHooks hooks;
    hooks.progress = [&](int p) { seen.push_back(p); };
    MergeLines(dict, {"only"}, hooks);
    EXPECT_EQ(seen, (std::vector<int>{100}));

    seen.clear();
    MergeLines(dict, {"a", "b", "c"}, hooks);
    EXPECT_EQ(seen, (std::vector<int>{33, 66, 100}));

    seen.clear();
    Words many(7, "w");
    MergeLines(dict, many, hooks);
    EXPECT_EQ(seen, (std::vector<int>{14, 28, 42, 57, 71, 85, 100}));
}

TEST(MergeLines, StopKeepsWhatWasInsertedAndReportsIt) {
    StringList dict = ListOf({"old"});
    int lines = 0;
    MergeLoopHooks hooks;
    hooks.progress = [&](int) { ++lines; };
    hooks.stopRequested = [&] { return lines == 3; };  // stop before the third line from the bottom
    const MergeOutcome outcome = MergeLines(dict, {"a", "b", "c", "d", "e"}, hooks);
    EXPECT_TRUE(outcome.stopped);
    EXPECT_EQ(outcome.inserted, 2u);
    EXPECT_EQ(dict.Lines(), (Words{"d", "e", "old"}));
}

TEST(MergeLines, EntriesInsertedSoFarAreInTheDictionaryWhileItRuns) {
    // The dialog processes messages during the merge: suggestions made then
    // see the entries merged up to the last progress step.
    StringList dict = ListOf({"old"});
    std::vector<std::size_t> sizes;
    MergeLoopHooks hooks;
    hooks.progress = [&](int) { sizes.push_back(dict.Count()); };
    MergeLines(dict, {"a", "b", "c"}, hooks);
    EXPECT_EQ(sizes, (std::vector<std::size_t>{1, 2, 3}));
    EXPECT_EQ(dict.Lines(), (Words{"a", "b", "c", "old"}));
}

TEST(MergeLines, LearningDuringTheMergeStaysBelowLaterMergedLines) {
    StringList dict = ListOf({"old"});
    MergeLoopHooks hooks;
    hooks.progress = [&](int p) {
        if (p == 50) dict.Insert(0, "typed");
    };
    MergeLines(dict, {"a", "b"}, hooks);
    EXPECT_EQ(dict.Lines(), (Words{"a", "b", "typed", "old"}));
}

TEST(MergeLines, AFailureEndsTheLoopKeepingEarlierEntries) {
    StringList dict = ListOf({"old"});
    int calls = 0;
    MergeLoopHooks hooks;
    hooks.progress = [&](int) {
        if (++calls == 3) throw std::runtime_error("window gone");
    };
    const MergeOutcome outcome = MergeLines(dict, {"a", "b", "c", "d"}, hooks);
    EXPECT_TRUE(outcome.failed);
    EXPECT_EQ(outcome.error, "window gone");
    EXPECT_EQ(outcome.inserted, 2u);
    EXPECT_EQ(dict.Lines(), (Words{"c", "d", "old"}));
}

TEST(MergeLines, LargeMergeKeepsExactMembershipAndOrder) {
    // Dictionary of even numbers, file of all numbers bottom to top plus
    // a repeated missing line: only the odd ones and each repeat come in.
    StringList dict;
    Words file;
    for (int i = 0; i < 10000; ++i) {
        if (i % 2 == 0) dict.Add("entry" + std::to_string(i));
        file.push_back("entry" + std::to_string(i));
    }
    file.push_back("entry1");
    const MergeOutcome outcome = MergeLines(dict, file);
    EXPECT_EQ(outcome.inserted, 5001u);
    ASSERT_EQ(dict.Count(), 10001u);
    EXPECT_EQ(dict[0], "entry1");
    EXPECT_EQ(dict[1], "entry3");
    EXPECT_EQ(dict[4999], "entry9999");
    EXPECT_EQ(dict[5000], "entry1");
    EXPECT_EQ(dict[5001], "entry0");
}

class MergeFromFile : public test::DictionaryFolderTest {};

TEST_F(MergeFromFile, ReadsTheFileByTheLineRules) {
    WriteFile("other.dic", "x\ry\n\r\nz");
    StringList dict = ListOf({"y"});
    const MergeOutcome outcome = RunMergeLoop(dict, PathOf("other.dic"));
    EXPECT_EQ(dict.Lines(), (Words{"x", "z", "y"}));
    EXPECT_EQ(outcome.inserted, 2u);
}

TEST_F(MergeFromFile, UnreadableFileFailsWithNothingInserted) {
    StringList dict = ListOf({"y"});
    const MergeOutcome outcome = RunMergeLoop(dict, PathOf("missing.dic"));
    EXPECT_TRUE(outcome.failed);
    EXPECT_FALSE(outcome.error.empty());
    EXPECT_EQ(dict.Lines(), (Words{"y"}));
}

}  // namespace
}  // namespace skrivo
