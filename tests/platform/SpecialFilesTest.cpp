// Files the user made special (links, read-only files, text after a NUL), leftovers of killed saves, and the save lock.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include "PlatformTestSupport.h"
#include "platform/FileIO.h"
#include "platform/FileLock.h"

namespace skrivo {
namespace {

using skrivo::testing::TempFolder;
using namespace std::chrono_literals;

bool IsLink(const std::string& path) {
    struct stat st{};
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

TEST(SpecialFiles, DanglingLinkIsWrittenThroughWhenItsFolderExists) {
    TempFolder dir;
    ASSERT_TRUE(ForceDirectories(dir.File("share")));
    ASSERT_EQ(::symlink("share/Skrivo.dic", dir.File("Skrivo.dic").c_str()), 0);
    WriteFileAtomic(dir.File("Skrivo.dic"), "new");
    EXPECT_TRUE(IsLink(dir.File("Skrivo.dic")));
    EXPECT_EQ(ReadFileBytes(dir.File("share/Skrivo.dic")), "new");
}

TEST(SpecialFiles, LinkIntoAMissingFolderIsRefusedAndStaysALink) {
    TempFolder dir;
    ASSERT_EQ(::symlink("/nonexistent-share/Skrivo.dic", dir.File("Skrivo.dic").c_str()), 0);
    try {
        WriteFileAtomic(dir.File("Skrivo.dic"), "new");
        FAIL() << "the write went through";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent-share/"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(IsLink(dir.File("Skrivo.dic")));
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"Skrivo.dic"});
}

TEST(SpecialFiles, ReadOnlyFileIsNotReplaced) {
    TempFolder dir;
    const std::string path = dir.File("Skrivo.dic");
    WriteFileAtomic(path, "kept");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_THROW(WriteFileAtomic(path, "new"), FileError);
    EXPECT_EQ(ReadFileBytes(path), "kept");
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"Skrivo.dic"});
}

// Leftovers of this product's pattern go when their process is gone and they
// are old; anything else, or a live process's file, stays.
TEST(SpecialFiles, StaleTemporaryFilesOfDeadProcessesAreRemoved) {
    TempFolder dir;
    pid_t dead = ::fork();
    ASSERT_NE(dead, -1);
    if (dead == 0) ::_exit(0);
    ASSERT_EQ(::waitpid(dead, nullptr, 0), dead);
    const std::string deadName = ".Skrivo.dic.~" + std::to_string(dead) + "-3.tmp";
    const std::string liveName = ".Skrivo.dic.~" + std::to_string(::getppid()) + "-0.tmp";
    const std::string freshName = ".a.sk.~" + std::to_string(dead) + "-1.tmp";
    for (const std::string& name : {deadName, liveName, freshName, std::string(".notes.~x-1.tmp"),
                                    std::string("Skrivo.dic.~1-1.tmp")})
        WriteFileAtomic(dir.File(name), "x");
    const FileTime old = SystemClock().Now() - 2 * 60 * 10000000ull;
    for (const std::string& name : {deadName, liveName, std::string(".notes.~x-1.tmp"), std::string("Skrivo.dic.~1-1.tmp")})
        ASSERT_TRUE(SetFileWriteTime(dir.File(name), old));

    EXPECT_EQ(RemoveStaleTempFiles(dir.Path()), 1u);
    EXPECT_FALSE(FileExists(dir.File(deadName)));
    EXPECT_TRUE(FileExists(dir.File(liveName)));
    EXPECT_TRUE(FileExists(dir.File(freshName)));
    EXPECT_TRUE(FileExists(dir.File(".notes.~x-1.tmp")));
    EXPECT_TRUE(FileExists(dir.File("Skrivo.dic.~1-1.tmp")));
}

TEST(SpecialFiles, TextAfterANulIsKeptInABackupOnce) {
    TempFolder dir;
    const std::string path = dir.File("Skrivo.dic");
    WriteFileAtomic(path, "plain\r\n");
    EXPECT_EQ(KeepBackupOfUnreadText(path), std::nullopt);
    WriteFileAtomic(path, std::string("end\0", 4));  // nothing after the NUL
    EXPECT_EQ(KeepBackupOfUnreadText(path), std::nullopt);

    const std::string first("a\r\n\0hidden\r\n", 12);
    WriteFileAtomic(path, first);
    EXPECT_EQ(KeepBackupOfUnreadText(path), path + ".bak");
    EXPECT_EQ(KeepBackupOfUnreadText(path), path + ".bak");  // the same bytes need no second copy
    EXPECT_EQ(ReadFileBytes(path + ".bak"), first);

    // A different file later never overwrites the older backup.
    const std::string second("b\0more", 6);
    WriteFileAtomic(path, second);
    EXPECT_EQ(KeepBackupOfUnreadText(path), path + ".2.bak");
    EXPECT_EQ(ReadFileBytes(path + ".bak"), first);
    EXPECT_EQ(ReadFileBytes(path + ".2.bak"), second);
    EXPECT_EQ(KeepBackupOfUnreadText(dir.File("missing.dic")), std::nullopt);
}

TEST(SaveLock, SecondHolderWaitsBoundedlyAndGetsItAfterRelease) {
    TempFolder dir;
    const std::string lockPath = LockPathFor(dir.File("Skrivo.dic"));
    EXPECT_EQ(lockPath, dir.File(".Skrivo.dic.lock"));
    {
        FileLock first(lockPath, 0ms);
        ASSERT_TRUE(first.Locked());
        const auto start = std::chrono::steady_clock::now();
        FileLock second(lockPath, 50ms);
        EXPECT_EQ(second.GetState(), FileLock::State::TimedOut);
        EXPECT_GE(std::chrono::steady_clock::now() - start, 50ms);
    }
    FileLock again(lockPath, 0ms);
    EXPECT_TRUE(again.Locked());
    EXPECT_EQ(FileLock(dir.File("no/such/folder.lock"), 0ms).GetState(), FileLock::State::Unavailable);
}

TEST(SaveLock, LockBesideALinkedFileIsBesideItsTarget) {
    TempFolder dir;
    ASSERT_TRUE(ForceDirectories(dir.File("share")));
    ASSERT_EQ(::symlink("share/Skrivo.dic", dir.File("Skrivo.dic").c_str()), 0);
    EXPECT_EQ(LockPathFor(dir.File("Skrivo.dic")), dir.File("share/.Skrivo.dic.lock"));
}

}  // namespace
}  // namespace skrivo
