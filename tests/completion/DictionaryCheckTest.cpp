// Noticing a dictionary file changed by another instance: when it is merged, asked about, ignored, and the fixed file reloaded.
#include <gtest/gtest.h>

#include <filesystem>

#include "completion/FixedDictionary.h"
#include "completion/SelfTeachingDictionary.h"
#include "completion/CompletionTestSupport.h"

namespace skrivo {
namespace {

using Words = std::vector<std::string>;

class CheckDicChanged : public test::DictionaryFolderTest {
protected:
    void SetUp() override {
        test::DictionaryFolderTest::SetUp();
        WriteFile("Skrivo.dic", "mine\r\n");
        clock.Advance(1000);
        dict.LoadAtStart(folder);
        hooks.confirm = [this] {
            ++asked;
            return answer;
        };
    }
    CheckResult Check() { return dict.CheckDicChanged(folder, {autoMerge, confirmation}, hooks, fixed); }
    // Another instance saving the file a little later.
    void OtherInstanceWrites(const std::string& text) {
        clock.Advance(500);
        WriteFile("Skrivo.dic", text);
    }

    SelfTeachingDictionary dict;
    FixedDictionary fixed;
    DictionaryMergeHooks hooks;
    bool autoMerge = true;
    bool confirmation = false;
    MergeConfirmAnswer answer{true, false};
    int asked = 0;
};

TEST_F(CheckDicChanged, NewerDifferentFileIsMergedAndTheTimeMovesOn) {
    OtherInstanceWrites("theirs\r\nmine\r\n");
    clock.Advance(100);
    const CheckResult r = Check();
    EXPECT_EQ(r.dictionary, DictionaryCheck::Merged);
    ASSERT_TRUE(r.merge);
    EXPECT_EQ(r.merge->inserted, 1u);
    EXPECT_EQ(dict.Entries().Lines(), (Words{"theirs", "mine"}));
    EXPECT_EQ(dict.DictTime(), clock.Now());
    EXPECT_FALSE(dict.DictModified());
    EXPECT_EQ(asked, 0);
    // The same file state is not taken again.
    EXPECT_EQ(Check().dictionary, DictionaryCheck::Unchanged);
}

// The check remembers the file it read last and does not read it again
// while its time and size stay; learning in between must not make the known
// file look new, and a rewrite of the same size must still be seen.
TEST_F(CheckDicChanged, KnownFileIsJudgedWithoutReadingAndARewriteOfTheSameSizeIsSeen) {
    EXPECT_EQ(Check().dictionary, DictionaryCheck::Unchanged);
    ASSERT_TRUE(dict.Collect("word", {}));
    EXPECT_EQ(Check().dictionary, DictionaryCheck::NotNewer);
    EXPECT_EQ(Check().dictionary, DictionaryCheck::NotNewer);
    OtherInstanceWrites("mind\r\n");  // as long as the file it replaces
    EXPECT_EQ(Check().dictionary, DictionaryCheck::Merged);
    EXPECT_EQ(dict.Entries().IndexOf("mind"), 0);
}

TEST_F(CheckDicChanged, EqualTextNeverMergesWhateverItsTime) {
    OtherInstanceWrites("mine\r\n");  // newer, same text
    const FileTime before = dict.DictTime();
    EXPECT_EQ(Check().dictionary, DictionaryCheck::Unchanged);
    EXPECT_EQ(dict.DictTime(), before);
    // Line breaks of another kind make the same text.
    OtherInstanceWrites("mine\n");
    EXPECT_EQ(Check().dictionary, DictionaryCheck::Unchanged);
}

TEST_F(CheckDicChanged, FileNotWrittenAfterTheDictionaryTimeIsIgnoredUntilItChangesAgain) {
    WriteFile("Skrivo.dic", "older\r\n");
    SetFileWriteTime(PathOf("Skrivo.dic"), dict.DictTime());
    EXPECT_EQ(Check().dictionary, DictionaryCheck::NotNewer);
    // Newer by less than a millisecond is the same calendar time.
    SetFileWriteTime(PathOf("Skrivo.dic"), dict.DictTime() + 9999);
    EXPECT_EQ(Check().dictionary, DictionaryCheck::NotNewer);
    EXPECT_EQ(dict.Entries().Lines(), (Words{"mine"}));

    OtherInstanceWrites("older\r\nnewer\r\n");
    EXPECT_EQ(Check().dictionary, DictionaryCheck::Merged);
    EXPECT_EQ(dict.Entries().Lines(), (Words{"older", "newer", "mine"}));
}

TEST_F(CheckDicChanged, AnyFileIsNewerThanAnUnsetDictionaryTime) {
    std::filesystem::remove(PathOf("Skrivo.dic"));
    SelfTeachingDictionary fresh;
    fresh.LoadAtStart(folder);
    ASSERT_EQ(fresh.DictTime(), 0u);
    WriteFile("Skrivo.dic", "theirs\r\n");
    EXPECT_EQ(fresh.CheckDicChanged(folder, {autoMerge, confirmation}, hooks, fixed).dictionary,
              DictionaryCheck::Merged);
    EXPECT_EQ(fresh.Entries().Lines(), (Words{"theirs"}));
}

TEST_F(CheckDicChanged, NothingHappensWithAutomaticMergingOff) {
    OtherInstanceWrites("theirs\r\n");
    WriteFile("fixed.dic", "begin\r\n");
    autoMerge = false;
    const CheckResult r = Check();
    EXPECT_EQ(r.dictionary, DictionaryCheck::Skipped);
    EXPECT_FALSE(r.fixedReloaded);
    EXPECT_EQ(dict.Entries().Lines(), (Words{"mine"}));
    EXPECT_TRUE(fixed.Entries().Empty());
}

TEST_F(CheckDicChanged, MissingFileIsNormal) {
    std::filesystem::remove(PathOf("Skrivo.dic"));
    EXPECT_EQ(Check().dictionary, DictionaryCheck::NoFile);
    EXPECT_EQ(dict.Entries().Lines(), (Words{"mine"}));
}

struct ConfirmCase {
    const char* name;
    MergeConfirmAnswer answer;
    bool merged;
    bool confirmationAfter;
    bool autoMergeAfter;
};

class ConfirmMerge : public CheckDicChanged, public ::testing::WithParamInterface<ConfirmCase> {};

TEST_P(ConfirmMerge, AnswerAndNoMoreAskDecide) {
    const ConfirmCase& c = GetParam();
    confirmation = true;
    answer = c.answer;
    OtherInstanceWrites("theirs\r\n");
    clock.Advance(250);
    const CheckResult r = Check();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(r.dictionary, c.merged ? DictionaryCheck::Merged : DictionaryCheck::Declined);
    EXPECT_EQ(dict.Entries().IndexOf("theirs") >= 0, c.merged);
    EXPECT_EQ(confirmation, c.confirmationAfter);
    EXPECT_EQ(autoMerge, c.autoMergeAfter);
    // Either way this state of the file is not offered again.
    EXPECT_EQ(dict.DictTime(), clock.Now());
    if (c.autoMergeAfter) {
        Check();
        EXPECT_EQ(asked, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ConfirmMerge,
    ::testing::Values(ConfirmCase{"Yes", {true, false}, true, true, true},
                      ConfirmCase{"No", {false, false}, false, true, true},
                      ConfirmCase{"YesNoMoreAsk", {true, true}, true, false, true},
                      ConfirmCase{"NoNoMoreAsk", {false, true}, false, false, false}),
    [](const auto& info) { return info.param.name; });

TEST_F(CheckDicChanged, ASecondCheckStaysOutWhileTheConfirmationIsOpen) {
    confirmation = true;
    CheckResult nested;
    hooks.confirm = [&] {
        // Timer ticks keep coming while the dialog is modal.
        nested = Check();
        EXPECT_TRUE(dict.CheckingDict());
        return MergeConfirmAnswer{true, false};
    };
    OtherInstanceWrites("theirs\r\n");
    EXPECT_EQ(Check().dictionary, DictionaryCheck::Merged);
    EXPECT_EQ(nested.dictionary, DictionaryCheck::Skipped);
    EXPECT_FALSE(dict.CheckingDict());
}

TEST_F(CheckDicChanged, GuardIsClearedWhenTheFileCannotBeRead) {
    std::filesystem::remove(PathOf("Skrivo.dic"));
    std::filesystem::create_symlink("/proc/self/mem", PathOf("Skrivo.dic"));
    EXPECT_THROW(Check(), FileError);
    EXPECT_FALSE(dict.CheckingDict());
    std::filesystem::remove(PathOf("Skrivo.dic"));
    OtherInstanceWrites("theirs\r\n");
    EXPECT_EQ(Check().dictionary, DictionaryCheck::Merged);
}

TEST_F(CheckDicChanged, TheProgressDialogRunsTheMergeAndChecksAndSavesWaitMeanwhile) {
    OtherInstanceWrites("a\r\nb\r\n");
    dict.Collect("typed", {});
    std::string mergedFile;
    CheckResult nested;
    SaveResult saveDuringMerge;
    hooks.runMerge = [&](StringList& target, const std::string& file) {
        EXPECT_EQ(&target, &dict.Entries());
        EXPECT_TRUE(dict.Merging());
        mergedFile = file;
        nested = Check();
        saveDuringMerge = dict.SaveDictionary(folder, true);
        return RunMergeLoop(target, file);
    };
    const CheckResult r = Check();
    EXPECT_EQ(mergedFile, PathOf("Skrivo.dic"));
    EXPECT_EQ(r.merge->inserted, 2u);
    EXPECT_EQ(nested.dictionary, DictionaryCheck::Skipped);
    EXPECT_EQ(saveDuringMerge.outcome, SaveOutcome::Deferred);
    EXPECT_FALSE(dict.Merging());
    // The deferred save happens at the next occasion.
    EXPECT_TRUE(dict.DictModified());
    EXPECT_EQ(dict.SaveDictionary(folder, true).outcome, SaveOutcome::Written);
    EXPECT_EQ(FileLines("Skrivo.dic"), (Words{"a", "b", "typed", "mine"}));
}

TEST_F(CheckDicChanged, FixedDictionaryReloadsWhenNewerEvenIfSkrivoDicIsUnchanged) {
    WriteFile("fixed.dic", "begin\r\n");
    EXPECT_TRUE(Check().fixedReloaded);
    EXPECT_EQ(fixed.Entries().Lines(), (Words{"begin"}));
    EXPECT_FALSE(Check().fixedReloaded);
    clock.Advance(10);
    WriteFile("fixed.dic", "begin\r\nend\r\n");
    EXPECT_TRUE(Check().fixedReloaded);
    EXPECT_EQ(fixed.Entries().Lines(), (Words{"begin", "end"}));
}

TEST_F(CheckDicChanged, MergeDictionaryOfAnEqualFileOnlyMovesTheTime) {
    clock.Advance(777);
    int runs = 0;
    hooks.runMerge = [&](StringList&, const std::string&) {
        ++runs;
        return MergeOutcome{};
    };
    dict.MergeDictionary(folder, hooks);
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(dict.DictTime(), clock.Now());
}

}  // namespace
}  // namespace skrivo
