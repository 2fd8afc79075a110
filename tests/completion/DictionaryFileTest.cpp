// The dictionary files: reading and writing rules, loading at start, saving, names in any case, bad files.
#include <gtest/gtest.h>

#include <filesystem>

#include "completion/DictionaryFiles.h"
#include "completion/FixedDictionary.h"
#include "completion/SelfTeachingDictionary.h"
#include "completion/CompletionTestSupport.h"

namespace skrivo {
namespace {

using Words = std::vector<std::string>;

class DictionaryFile : public test::DictionaryFolderTest {
protected:
    // A file that exists and cannot be read, for root as for anyone: reading
    // the process's own memory from offset 0 fails with an I/O error.
    void MakeUnreadable(const std::string& name) {
        std::filesystem::remove(PathOf(name));
        std::filesystem::create_symlink("/proc/self/mem", PathOf(name));
    }
};

struct ReadCase {
    const char* name;
    std::string bytes;
    Words entries;
};

class DictionaryFileReading : public test::DictionaryFolderTest,
                              public ::testing::WithParamInterface<ReadCase> {};

TEST_P(DictionaryFileReading, LoadsEntriesByTheLineRules) {
    WriteFile("Skrivo.dic", GetParam().bytes);
    SelfTeachingDictionary dict;
    dict.LoadAtStart(folder);
    EXPECT_EQ(dict.Entries().Lines(), GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(
    LineRules, DictionaryFileReading,
    ::testing::Values(
        ReadCase{"CrLf", "one\r\ntwo\r\n", {"one", "two"}},
        ReadCase{"LfOnly", "one\ntwo\n", {"one", "two"}},
        ReadCase{"CrOnly", "one\rtwo\r", {"one", "two"}},
        ReadCase{"Mixed", "a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        ReadCase{"NoFinalBreak", "one\r\ntwo", {"one", "two"}},
        ReadCase{"EmptyLinesInside", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        ReadCase{"LfCrIsTwoBreaks", "a\n\rb", {"a", "", "b"}},
        ReadCase{"BlanksKept", "  lead\r\ntrail  \r\n Caption\r\n", {"  lead", "trail  ", " Caption"}},
        ReadCase{"NulEndsText", std::string("a\r\nb\0c\r\nd\r\n", 10), {"a", "b"}},
        ReadCase{"EmptyFile", "", {}},
        ReadCase{"BinaryGarbage", std::string("\xFF\xFE\x01\x02\r\r\n\x7F\x80", 9),
                 {"\xFF\xFE\x01\x02", "", "\x7F\x80"}}),
    [](const auto& info) { return info.param.name; });

TEST_F(DictionaryFile, SaveWritesCrLfLinesInDictionaryOrder) {
    SelfTeachingDictionary dict;
    dict.LoadAtStart(folder);
    LearningOptions options;
    dict.Collect(" Caption", options);
    dict.Collect("Self.Caption", options);
    dict.Collect("trail ", options);
    ASSERT_EQ(dict.SaveDictionary(folder, true).outcome, SaveOutcome::Written);
    EXPECT_EQ(ReadFile("Skrivo.dic"), "trail \r\nSelf.Caption\r\n Caption\r\n");
    EXPECT_FALSE(dict.DictModified());

    SelfTeachingDictionary again;
    again.LoadAtStart(folder);
    EXPECT_EQ(again.Entries(), dict.Entries());
}

// The reading rule stops at a NUL; the save that would drop the rest keeps
// the file as it was beside it first, and later saves need no new copy.
TEST_F(DictionaryFile, TextAfterANulIsKeptInABackupBeforeTheSaveDropsIt) {
    const std::string original("begin\r\n\0lost?\r\n", 15);
    WriteFile("Skrivo.dic", original);
    SelfTeachingDictionary dict;
    dict.LoadAtStart(folder);
    EXPECT_EQ(dict.Entries().Lines(), Words{"begin"});
    dict.Collect("end", {});
    EXPECT_EQ(dict.SaveDictionary(folder, true).backup, PathOf("Skrivo.dic.bak"));
    EXPECT_EQ(ReadFile("Skrivo.dic.bak"), original);
    EXPECT_EQ(ReadFile("Skrivo.dic"), "end\r\nbegin\r\n");
    dict.Collect("x", {});
    EXPECT_EQ(dict.SaveDictionary(folder, true).backup, std::nullopt);
}

TEST_F(DictionaryFile, LoadAtStartSetsTheTimeOnlyWhenTheFileExists) {
    SelfTeachingDictionary missing;
    missing.LoadAtStart(folder);
    EXPECT_TRUE(missing.Entries().Empty());
    EXPECT_EQ(missing.DictTime(), 0u);

    WriteFile("Skrivo.dic", "w\r\n");
    clock.Advance(5000);
    SelfTeachingDictionary present;
    present.LoadAtStart(folder);
    EXPECT_EQ(present.DictTime(), clock.Now());
    EXPECT_FALSE(present.DictModified());
}

TEST_F(DictionaryFile, SaveOnlyWhenModifiedThenRecordsFileTimeAndTick) {
    SelfTeachingDictionary dict;
    dict.LoadAtStart(folder);
    EXPECT_EQ(dict.SaveDictionary(folder, true).outcome, SaveOutcome::NothingToSave);
    EXPECT_FALSE(FileExists(PathOf("Skrivo.dic")));
    EXPECT_EQ(dict.LastSaveTick(), 0u);

    dict.Collect("word", {});
    clock.Advance(12345);
    EXPECT_EQ(dict.SaveDictionary(folder, true).outcome, SaveOutcome::Written);
    EXPECT_EQ(dict.DictTime(), *GetFileWriteTime(PathOf("Skrivo.dic")));
    EXPECT_EQ(dict.LastSaveTick(), clock.TickCount());

    // Unmodified again: a second save leaves the file alone.
    const FileTime written = *GetFileWriteTime(PathOf("Skrivo.dic"));
    clock.Advance(1000);
    EXPECT_EQ(dict.SaveDictionary(folder, true).outcome, SaveOutcome::NothingToSave);
    EXPECT_EQ(*GetFileWriteTime(PathOf("Skrivo.dic")), written);
}

TEST_F(DictionaryFile, FileNamesMatchWithoutRegardToCase) {
    WriteFile("skrivo.DIC", "Lower\r\n");
    WriteFile("FIXED.dic", "Fixed\r\n");
    SelfTeachingDictionary dict;
    dict.LoadAtStart(folder);
    EXPECT_EQ(dict.Entries().Lines(), (Words{"Lower"}));
    FixedDictionary fixed;
    fixed.LoadfixedDic(folder);
    EXPECT_EQ(fixed.Entries().Lines(), (Words{"Fixed"}));

    // The existing file is updated, not shadowed by a second spelling.
    dict.Collect("New", {});
    dict.SaveDictionary(folder, true);
    EXPECT_EQ(ReadFile("skrivo.DIC"), "New\r\nLower\r\n");
    EXPECT_FALSE(std::filesystem::exists(PathOf("Skrivo.dic")));
}

TEST_F(DictionaryFile, ExactSpellingWinsOverOtherCases) {
    WriteFile("SKRIVO.DIC", "upper\r\n");
    WriteFile("Skrivo.dic", "exact\r\n");
    EXPECT_EQ(FindDictionaryFile(folder, kSelfTeachingDictionaryName), PathOf("Skrivo.dic"));
    EXPECT_EQ(FindDictionaryFile(folder + "missing/", kSelfTeachingDictionaryName), std::nullopt);
}

TEST_F(DictionaryFile, FolderWithoutTrailingSeparatorAndEmptyFolder) {
    WriteFile("Skrivo.dic", "w\r\n");
    SelfTeachingDictionary dict;
    dict.LoadAtStart(folder.substr(0, folder.size() - 1));
    EXPECT_EQ(dict.Entries().Lines(), (Words{"w"}));
    // An empty folder is the program folder, which is the Skrivo home here.
    SelfTeachingDictionary home;
    home.LoadAtStart("");
    EXPECT_EQ(home.Entries().Lines(), (Words{"w"}));
}

TEST_F(DictionaryFile, SaveCreatesAMissingFolder) {
    SelfTeachingDictionary dict;
    const std::string sub = folder + "new/dir/";
    dict.LoadAtStart(sub);
    dict.Collect("kept", {});
    dict.SaveDictionary(sub, true);
    EXPECT_EQ(ReadFileBytes(sub + "Skrivo.dic"), "kept\r\n");
}

TEST_F(DictionaryFile, FailedWriteOverADirectoryKeepsTheEntriesModified) {
    // Works for root too: a folder where the file should be cannot be replaced.
    std::filesystem::create_directory(PathOf("Skrivo.dic"));
    SelfTeachingDictionary dict;
    dict.Collect("new", {});
    EXPECT_THROW(dict.SaveDictionary(folder, false), FileError);
    EXPECT_TRUE(dict.DictModified());
    EXPECT_EQ(dict.Entries().Lines(), (Words{"new"}));
}

TEST_F(DictionaryFile, UnreadableFileAtStartIsTakenInBeforeTheFirstSave) {
    MakeUnreadable("Skrivo.dic");
    SelfTeachingDictionary dict;
    EXPECT_THROW(dict.LoadAtStart(folder), FileError);
    EXPECT_TRUE(dict.Entries().Empty());
    dict.Collect("new", {});
    // Still unreadable: the save fails instead of writing over the file.
    EXPECT_THROW(dict.SaveDictionary(folder, false), FileError);
    EXPECT_TRUE(std::filesystem::is_symlink(PathOf("Skrivo.dic")));
    EXPECT_TRUE(dict.DictModified());
    // Readable again: its entries join the dictionary even with merging off.
    std::filesystem::remove(PathOf("Skrivo.dic"));
    WriteFile("Skrivo.dic", "precious\r\n");
    dict.SaveDictionary(folder, false);
    EXPECT_EQ(ReadFile("Skrivo.dic"), "precious\r\nnew\r\n");
}

TEST_F(DictionaryFile, UnreadableFixedDictionaryRaisesAndLeavesItEmpty) {
    WriteFile("fixed.dic", "begin\r\n");
    FixedDictionary fixed;
    fixed.LoadfixedDic(folder);
    MakeUnreadable("fixed.dic");
    EXPECT_THROW(fixed.LoadfixedDic(folder), FileError);
    EXPECT_TRUE(fixed.Entries().Empty());
}

TEST_F(DictionaryFile, FixedDictionaryLoadsAsReadAndKeepsItsTimeWhenMissing) {
    WriteFile("fixed.dic", "begin\r\n  end  \r\n\r\nbegin\r\n");
    const FileTime written = *GetFileWriteTime(PathOf("fixed.dic"));
    FixedDictionary fixed;
    fixed.LoadfixedDic(folder);
    EXPECT_EQ(fixed.Entries().Lines(), (Words{"begin", "  end  ", "", "begin"}));
    EXPECT_EQ(fixed.FixedDictTime(), written);

    std::filesystem::remove(PathOf("fixed.dic"));
    fixed.LoadfixedDic(folder);
    EXPECT_TRUE(fixed.Entries().Empty());
    EXPECT_EQ(fixed.FixedDictTime(), written);
}

TEST_F(DictionaryFile, FixedDictionaryReloadsOnlyWhenNewer) {
    WriteFile("fixed.dic", "one\r\n");
    FixedDictionary fixed;
    fixed.LoadfixedDic(folder);
    EXPECT_FALSE(fixed.ReloadIfNewer(folder));
    clock.Advance(1);
    WriteFile("fixed.dic", "two\r\n");
    EXPECT_TRUE(fixed.ReloadIfNewer(folder));
    EXPECT_EQ(fixed.Entries().Lines(), (Words{"two"}));
}

}  // namespace
}  // namespace skrivo
