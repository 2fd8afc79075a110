// The completion trigger: what a pause after typing learns, suggests for, or hides.
#include <gtest/gtest.h>

#include "TriggerTestHost.h"

namespace skrivo::testing {
namespace {

using Trigger = CycleTest;

TEST_F(Trigger, PauseAfterTypingShowsTheWordsUnderTheCaret) {
    host.OpenText("Unit1.pas", "BeginUpdate;\r\n|");
    Start();
    Learn({"begin", "beginning"});
    Type("beg");
    EXPECT_FALSE(ListVisible());
    Sounds();
    Pause();
    ASSERT_TRUE(ListVisible());
    EXPECT_EQ(Items(), (std::vector<std::string>{"begin", "beginning", "BeginUpdate"}));
    EXPECT_EQ(Selected(), "begin");  // found first in the self-teaching dictionary
    EXPECT_EQ(Sounds(), std::vector<int>{0});
    // Just below the caret line, at the caret's x.
    const win::TRect r = List()->BoundsRect();
    EXPECT_EQ(r.left, E().FListState->FCaretScreenPos.x);
    EXPECT_EQ(r.top, E().FListState->FCaretScreenPos.y + E().FListState->FLineHeight);
    EXPECT_GT(E().FListState->FLineHeight, 0);
}

TEST_F(Trigger, CompletingAHideAfterWordHidesTheList) {
    host.OpenText("Unit1.pas", "|");
    Start();
    Learn({"beginning"});
    Type("begi");
    Pause();
    ASSERT_TRUE(ListVisible());
    Sounds();
    // At once, not after the next pause: an Enter right after the n must
    // reach the editor, not accept "beginning".
    Type("n");
    EXPECT_FALSE(ListVisible());
    EXPECT_EQ(Sounds(), (std::vector<int>{6, 1}));  // the key's AnyChar, then Disappear
}

TEST_F(Trigger, LineOfBlanksHides) {
    host.OpenText("Unit1.pas", "x;\r\nbegin\r\n  |");
    Start();
    Learn({"beginning"});
    E().Work("begi", true);
    ASSERT_TRUE(ListVisible());
    E().Work("    ", true);
    EXPECT_FALSE(ListVisible());
    // Only the part after the last line break counts.
    E().Work("begi", true);
    ASSERT_TRUE(ListVisible());
    E().Work("begi\r\n  ", true);
    EXPECT_FALSE(ListVisible());
}

TEST_F(Trigger, CursorMovedDuringTheDelayRefusesStaleSuggestions) {
    host.OpenText("Unit1.pas", "abc |");
    Start();
    Learn({"beginning"});
    Type("beg");
    host.SetCursorPosition(1);
    Pause();
    EXPECT_FALSE(ListVisible());
    EXPECT_EQ(E().FLastModified, nullptr);  // handed over, and refused
}

TEST_F(Trigger, HideAfterWordsMatchTheLineEndNotWholeWords) {
    host.OpenText("Unit1.pas", "|");
    Start();
    Learn({"Appendix", "x12345"});
    Cfg().DoNotShowForShorterUsed = false;
    E().Work("Appe", true);
    ASSERT_TRUE(ListVisible());
    E().Work("Append", true);  // ends with "end"
    EXPECT_FALSE(ListVisible());
    E().Work("x1", true);  // ends with a digit
    EXPECT_FALSE(ListVisible());
}

TEST_F(Trigger, HideAfterWordsCaseAndSwitchedOffEntries) {
    host.OpenText("Unit1.pas", "|");
    Start();
    Learn({"Tryout", "Xyzzyq"});
    Cfg().WordsList.Clear();
    Cfg().WordsList.Add("TRY");
    Cfg().WordsList.Add("!xyz");
    Cfg().WordsList.Add("");  // a blank line in an edited list stops nothing
    E().Work("try", true);
    EXPECT_FALSE(ListVisible());
    Cfg().WordsCaseSensitive = true;
    E().Work("try", true);
    EXPECT_TRUE(ListVisible());
    // A switched-off entry keeps its "!" and so matches only a line ending in it.
    E().Work("xyz", true);
    EXPECT_TRUE(ListVisible());
    E().Work("a!xyz", true);
    EXPECT_FALSE(ListVisible());
}

TEST_F(Trigger, TooShortWordHides) {
    host.OpenText("Unit1.pas", "|");
    Start();
    Learn({"Bravo"});
    Cfg().DoNotShowForShorterUsed = true;
    Cfg().DoNotShorForShorter = 3;
    E().Work("Bra", true);
    ASSERT_TRUE(ListVisible());
    E().Work("x Br", true);
    EXPECT_FALSE(ListVisible());
}

struct CollectCase {
    std::string line;
    std::vector<std::string> learnt;  // most recent first
};

class TriggerCollects : public CycleTest, public ::testing::WithParamInterface<CollectCase> {};

TEST_P(TriggerCollects, FinishedWordsAreLearntWithTheirContext) {
    host.OpenText("Unit1.pas", "|");
    Start();
    E().Work(GetParam().line, false);
    EXPECT_EQ(E().Dict().Entries().Lines(), GetParam().learnt);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TriggerCollects,
    ::testing::Values(CollectCase{"  Result := Form", {"Result := Form", " Form"}},
                      CollectCase{"x.Pro", {"x.Pro", " Pro"}},
                      CollectCase{"Caption", {"Caption"}},
                      CollectCase{"x := Form ", {"x := Form", " Form"}},
                      CollectCase{"a\tb", {"a\tb", " b"}}));

TEST_F(Trigger, RequestTextAfterASeparatorIsTheLastWordAndWhatFollows) {
    host.OpenText("Unit1.pas", "|");
    Start();
    Cfg().HideAfterSeparator = false;
    Cfg().DoNotSuggestShorter = 0;
    Cfg().OnlyWordsMatching1st = false;
    Learn({"Foo.Bar", "Form.Caption", "Formula"});
    E().Work("x := Foo.", true);
    ASSERT_TRUE(ListVisible());
    // "Foo." narrows to "." for the words after any full stop.
    EXPECT_EQ(Items(), (std::vector<std::string>{"Bar", "Caption"}));
    // The last word alone finds what the two words together did not.
    E().Work("  Result := Form", true);
    ASSERT_TRUE(ListVisible());
    EXPECT_EQ(Items(), std::vector<std::string>{"Formula"});
}

TEST_F(Trigger, BlankAfterAWordLearnsAndHides) {
    host.OpenText("Unit1.pas", "|");
    Start();
    Learn({"Formula"});
    E().Work("x := Form", true);
    ASSERT_TRUE(ListVisible());
    E().Work("x := Form ", true);
    EXPECT_FALSE(ListVisible());
    EXPECT_TRUE(E().FNotSuggestUntilNext);
    EXPECT_EQ(E().Dict().Entries()[0], "x := Form");
}

// The pause after a separator learns again what its key learnt; words
// already on top in the order learning gives are left as they stand, and
// only then: the dictionary always ends as learning them one by one leaves it.
TEST_F(Trigger, LearningWordsAgainEndsAsLearningThemOneByOne) {
    host.OpenText("Unit1.pas", "|");
    Start();
    const std::vector<std::string> words = {" S", "then S"};
    const struct {
        const char* name;
        std::vector<std::string> top;
    } cases[] = {
        {"on top in that order", {"then S", " S"}},
        {"on top the other way", {" S", "then S"}},
        {"one of them lower", {"then S", "x", " S"}},
        {"in another case", {"then s", " S"}},
    };
    for (const auto& c : cases) {
        Learn(c.top);
        SelfTeachingDictionary oneByOne;
        oneByOne.Entries() = E().Dict().Entries();
        for (const std::string& w : words) oneByOne.Collect(w, LearningOptions{true, Cfg().DictionaryLimit});
        E().CollectAll(words);
        EXPECT_EQ(E().Dict().Entries().Lines(), oneByOne.Entries().Lines()) << c.name;
    }
}

TEST_F(Trigger, OwnEditsAndOtherModulesAreNotHandedOver) {
    host.OpenText("Back.pas", "|");
    host.OpenText("Front.pas", "|");
    Start();
    Learn({"beginning"});
    TQvNotifier* back = nullptr;
    for (auto& n : *E().GetNotifiers())
        if (n->UnitName() == "Back") back = n.get();
    ASSERT_NE(back, nullptr);
    back->Replace(0, 0, "beg");
    E().FKeys->FLastKeyControl = host->Windows().GetFocus();
    Pause();
    EXPECT_FALSE(ListVisible());
}

}  // namespace
}  // namespace skrivo::testing
