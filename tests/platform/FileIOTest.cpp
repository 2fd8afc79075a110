// Atomic writing that never leaves a half-written file, file times and path helpers.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "PlatformTestSupport.h"
#include "platform/FileIO.h"
#include "platform/Paths.h"

namespace skrivo {
namespace {

using skrivo::testing::TempFolder;

TEST(AtomicWrite, WritesAndReplacesWholeFiles) {
    TempFolder dir;
    const std::string path = dir.File("Skrivo.dic");
    const std::string bytes("begin\r\n\0end\xFF\r\n", 14);
    WriteFileAtomic(path, bytes);
    EXPECT_EQ(ReadFileBytes(path), bytes);
    WriteFileAtomic(path, "x");
    EXPECT_EQ(ReadFileBytes(path), "x");
    WriteFileAtomic(path, "");
    EXPECT_EQ(ReadFileBytes(path), "");
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"Skrivo.dic"});  // no temporary file left
}

TEST(AtomicWrite, ReplacedFileKeepsItsPermissions) {
    TempFolder dir;
    const std::string path = dir.File("a.sk");
    WriteFileAtomic(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    WriteFileAtomic(path, "new");
    struct stat st{};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(AtomicWrite, WritesThroughASymbolicLink) {
    TempFolder dir;
    ASSERT_TRUE(ForceDirectories(dir.File("shared")));
    WriteFileAtomic(dir.File("shared/Skrivo.dic"), "old");
    ASSERT_EQ(::symlink("shared/Skrivo.dic", dir.File("Skrivo.dic").c_str()), 0);
    WriteFileAtomic(dir.File("Skrivo.dic"), "new");
    struct stat st{};
    ASSERT_EQ(::lstat(dir.File("Skrivo.dic").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(ReadFileBytes(dir.File("shared/Skrivo.dic")), "new");
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"Skrivo.dic", "shared"}));
}

TEST(AtomicWrite, LastWriteTimeComesFromTheSystemClock) {
    TempFolder dir;
    ManualClock clock(1000, 133000000000000000ULL + 1234567);
    SetSystemClock(&clock);
    WriteFileAtomic(dir.File("a.txt"), "a");
    auto written = GetFileWriteTime(dir.File("a.txt"));
    clock.Advance(5000);
    SetSystemClock(nullptr);
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(*written, 133000000000000000ULL + 1234567);
}

TEST(AtomicWrite, MissingFolderFailsWithoutCreatingAnything) {
    TempFolder dir;
    const std::string path = dir.File("missing/Skrivo.dic");
    try {
        WriteFileAtomic(path, "data");
        FAIL() << "no error raised";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
    EXPECT_TRUE(dir.Entries().empty());
}

TEST(AtomicWrite, TargetThatIsAFolderStaysUntouched) {
    TempFolder dir;
    ASSERT_TRUE(ForceDirectories(dir.File("target")));
    WriteFileAtomic(dir.File("target/inner.txt"), "keep");
    EXPECT_THROW(WriteFileAtomic(dir.File("target"), "data"), FileError);
    EXPECT_EQ(ReadFileBytes(dir.File("target/inner.txt")), "keep");
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"target"});
}

// A write that fails halfway (here: the file size limit, as a full disk
// would) must leave the old file whole and take its temporary file away.
TEST(AtomicWrite, FailedWriteLeavesTheOldFileWhole) {
    TempFolder dir;
    const std::string path = dir.File("Skrivo.dic");
    const std::string old(10000, 'o');
    WriteFileAtomic(path, old);

    pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        try {
            WriteFileAtomic(path, std::string(100000, 'n'));
        } catch (const FileError&) {
            ::_exit(0);
        }
        ::_exit(1);  // the failure went unreported
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed write was not reported";
    EXPECT_EQ(ReadFileBytes(path), old);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"Skrivo.dic"});
}

TEST(FileCalls, ReadingAMissingFileNamesIt) {
    TempFolder dir;
    try {
        ReadFileBytes(dir.File("fixed.dic"));
        FAIL() << "no error raised";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("fixed.dic"), std::string::npos);
    }
    EXPECT_THROW(ReadFileBytes(dir.Path()), FileError);
}

TEST(FileCalls, ExistenceDeleteRenameAndTimes) {
    TempFolder dir;
    const std::string a = dir.File("a"), b = dir.File("b");
    EXPECT_FALSE(FileExists(a));
    EXPECT_FALSE(GetFileWriteTime(a).has_value());
    EXPECT_FALSE(DeleteFileIfExists(a));
    WriteFileAtomic(a, "1");
    WriteFileAtomic(b, "2");
    EXPECT_TRUE(FileExists(a));
    EXPECT_FALSE(DirectoryExists(a));
    EXPECT_TRUE(DirectoryExists(dir.Path()));
    EXPECT_FALSE(FileExists(dir.Path()));

    EXPECT_FALSE(RenameFile(a, b));  // does not replace, as on Windows
    EXPECT_EQ(ReadFileBytes(b), "2");
    EXPECT_TRUE(RenameFile(a, dir.File("c")));
    EXPECT_FALSE(FileExists(a));

    EXPECT_TRUE(SetFileWriteTime(b, 132000000000000000ULL));
    EXPECT_EQ(GetFileWriteTime(b), std::optional<FileTime>(132000000000000000ULL));
    EXPECT_FALSE(SetFileWriteTime(a, 132000000000000000ULL));
    EXPECT_TRUE(DeleteFileIfExists(b));
    EXPECT_FALSE(FileExists(b));
}

TEST(FileCalls, ForceDirectoriesCreatesParents) {
    TempFolder dir;
    EXPECT_TRUE(ForceDirectories(dir.File("x/y/z/")));
    EXPECT_TRUE(DirectoryExists(dir.File("x/y/z")));
    EXPECT_TRUE(ForceDirectories(dir.File("x/y")));
    WriteFileAtomic(dir.File("file"), "");
    EXPECT_FALSE(ForceDirectories(dir.File("file/sub")));
    EXPECT_FALSE(ForceDirectories(""));
}

TEST(PathHelpers, SplitPaths) {
    EXPECT_EQ(ExtractFilePath("/home/u/Unit1.pas"), "/home/u/");
    EXPECT_EQ(ExtractFilePath("Unit1.pas"), "");
    EXPECT_EQ(ExtractFileName("/home/u/Unit1.pas"), "Unit1.pas");
    EXPECT_EQ(ExtractFileName("/home/u/"), "");
    EXPECT_EQ(ExtractFileExt("/home/u/Unit1.pas"), ".pas");
    EXPECT_EQ(ExtractFileExt("/home/u.d/Makefile"), "");
    EXPECT_EQ(ExtractFileExt("Unit1.pas.bm"), ".bm");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/home/u"), "/home/u/");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/home/u/"), "/home/u/");
    EXPECT_EQ(IncludeTrailingPathDelimiter(""), "/");
}

TEST(Paths, HomeFollowsTheEnvironmentAndIsCreated) {
    skrivo::testing::TempFolder dir;
    const char* saved = std::getenv("SKRIVO_HOME");
    std::string savedValue = saved ? saved : "";
    const char* savedXdg = std::getenv("XDG_DATA_HOME");
    std::string savedXdgValue = savedXdg ? savedXdg : "";
    ::setenv("SKRIVO_HOME", (dir.Path() + "/home/").c_str(), 1);
    EXPECT_EQ(SkrivoHome(), dir.Path() + "/home");
    EXPECT_TRUE(DirectoryExists(dir.Path() + "/home"));
    EXPECT_EQ(AppPath(), dir.Path() + "/home/");
    ::unsetenv("SKRIVO_HOME");
    ::setenv("XDG_DATA_HOME", dir.Path().c_str(), 1);
    EXPECT_EQ(SkrivoHome(), dir.Path() + "/skrivo");
    ::unsetenv("XDG_DATA_HOME");
    if (savedXdg) ::setenv("XDG_DATA_HOME", savedXdgValue.c_str(), 1);
    if (saved) ::setenv("SKRIVO_HOME", savedValue.c_str(), 1);
    EXPECT_FALSE(GetUserName().empty());
    const char* user = std::getenv("USER");
    std::string savedUser = user ? user : "";
    ::setenv("USER", "../../elsewhere", 1);  // would lead the configuration copy out of its folder
    EXPECT_EQ(GetUserName().find('/'), std::string::npos);
    if (user) ::setenv("USER", savedUser.c_str(), 1); else ::unsetenv("USER");
}

}  // namespace
}  // namespace skrivo
