// The start-up rotation of the diagnostic log in the program folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "bridge/Diagnostics.h"
#include "platform/FileIO.h"
#include "platform/Paths.h"

namespace skrivo {
namespace {

namespace fs = std::filesystem;

class LogRotation : public ::testing::Test {
protected:
    void SetUp() override {
        home_ = fs::temp_directory_path() / ("skrivo-log-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(home_);
        fs::create_directories(home_);
        ::setenv("SKRIVO_HOME", home_.c_str(), 1);
    }
    void TearDown() override { fs::remove_all(home_); }
    std::string Path(const char* name) const { return AppPath() + name; }
    fs::path home_;
};

TEST_F(LogRotation, CurrentLogReplacesThePreviousOne) {
    WriteFileAtomic(Path(kLogFileName), "new");
    WriteFileAtomic(Path(kPreviousLogFileName), "old");
    RotateLog();
    EXPECT_FALSE(FileExists(Path(kLogFileName)));
    ASSERT_TRUE(FileExists(Path(kPreviousLogFileName)));
    EXPECT_EQ(ReadFileBytes(Path(kPreviousLogFileName)), "new");
}

TEST_F(LogRotation, NoFilesCreatesNone) {
    RotateLog();
    EXPECT_FALSE(FileExists(Path(kLogFileName)));
    EXPECT_FALSE(FileExists(Path(kPreviousLogFileName)));
}

TEST_F(LogRotation, OnlyAnOldLogIsRemoved) {
    WriteFileAtomic(Path(kPreviousLogFileName), "old");
    RotateLog();
    EXPECT_FALSE(FileExists(Path(kPreviousLogFileName)));
}

TEST(DiagnosticSink, DiscardsUnlessTheBuildKeepsIt) {
    Rpt("one");
    Rpt("two ", "parts");
    b("-> X.Y");
    if (kKeepDiagnostics)
        EXPECT_FALSE(KeptDiagnostics().empty());
    else
        EXPECT_TRUE(KeptDiagnostics().empty());
}

}  // namespace
}  // namespace skrivo
