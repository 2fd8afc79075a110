// The registry store: typed values, key paths, errors, and two processes writing at once.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <functional>
#include <cstdlib>
#include <string>
#include <vector>

#include "PlatformTestSupport.h"
#include "platform/FileIO.h"
#include "platform/Registry.h"
#include "platform/Sqlite.h"

namespace skrivo {
namespace {

constexpr const char* kKey = "Software\\Quorvel\\Skrivo\\Delphi7\\";

class RegistryTest : public ::testing::Test {
protected:
    std::string DbPath() const { return dir_.File("registry.db"); }
    skrivo::testing::TempFolder dir_;
};

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ERegistryException& e) {
        return e.what();
    }
    return "(no error)";
}

TEST_F(RegistryTest, TypedValuesRoundTripAndPersist) {
    const std::string binary("\x00\xFF\x10", 3);
    {
        Registry reg(DbPath());
        ASSERT_TRUE(reg.OpenKey(kKey, true));
        reg.WriteInteger("DelayTime", 250);
        reg.WriteInteger("Min", INT_MIN);
        reg.WriteBool("SelfTeaching", true);
        reg.WriteString("Directory", "C:\\Skrivo\\ \xEF\xF0\xE8");
        reg.WriteString("Empty", "");
        reg.WriteBinaryData("Macro0Data", binary);
        reg.WriteBinaryData("NoData", "");
    }
    Registry reg(DbPath());
    ASSERT_TRUE(reg.OpenKey(kKey, false));
    EXPECT_EQ(reg.ReadInteger("DelayTime"), 250);
    EXPECT_EQ(reg.ReadInteger("Min"), INT_MIN);
    EXPECT_TRUE(reg.ReadBool("SelfTeaching"));
    EXPECT_EQ(reg.ReadString("Directory"), "C:\\Skrivo\\ \xEF\xF0\xE8");
    EXPECT_TRUE(reg.ValueExists("Empty"));
    EXPECT_EQ(reg.ReadString("Empty"), "");
    EXPECT_EQ(reg.ReadBinaryData("Macro0Data"), binary);
    EXPECT_EQ(reg.ReadBinaryData("NoData"), "");
    EXPECT_EQ(reg.GetDataType("NoData"), RegDataType::Binary);

    reg.WriteInteger("DelayTime", 500);  // overwriting replaces, also with another type
    EXPECT_EQ(reg.ReadInteger("DelayTime"), 500);
    reg.WriteString("DelayTime", "x");
    EXPECT_EQ(reg.GetDataType("DelayTime"), RegDataType::String);
}

TEST_F(RegistryTest, SizesAndTypesAsWindowsReportsThem) {
    Registry reg(DbPath());
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    reg.WriteInteger("I", 7);
    reg.WriteString("S", "abc");
    reg.WriteBinaryData("B", std::string(5, '\0'));
    EXPECT_EQ(reg.GetDataSize("I"), 4);
    EXPECT_EQ(reg.GetDataSize("S"), 4);
    EXPECT_EQ(reg.GetDataSize("B"), 5);
    EXPECT_EQ(reg.GetDataSize("Missing"), -1);
    EXPECT_EQ(reg.GetDataType("I"), RegDataType::Integer);
    EXPECT_EQ(reg.GetDataType("Missing"), RegDataType::Unknown);
}

TEST_F(RegistryTest, WrongTypeAndMissingValuesRaiseClearErrors) {
    Registry reg(DbPath());
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    reg.WriteString("DelayTime", "250");
    reg.WriteInteger("Count", 3);
    EXPECT_EQ(ErrorOf([&] { reg.ReadInteger("DelayTime"); }),
              "Registry value 'DelayTime' is a string, not an integer");
    EXPECT_EQ(ErrorOf([&] { reg.ReadString("Count"); }), "Registry value 'Count' is an integer, not a string");
    EXPECT_EQ(ErrorOf([&] { reg.ReadBinaryData("Count"); }), "Registry value 'Count' is an integer, not binary data");
    EXPECT_NE(ErrorOf([&] { reg.ReadInteger("Macro0Shortcut"); }).find("'Macro0Shortcut' does not exist"),
              std::string::npos);
    EXPECT_NE(ErrorOf([&] { reg.ReadBinaryData("Macro0Data"); }).find("does not exist"), std::string::npos);
    EXPECT_EQ(reg.ReadString("Missing"), "");  // a missing text reads empty
}

TEST_F(RegistryTest, KeyAndValueNamesIgnoreAsciiCaseAndOuterSeparators) {
    Registry reg(DbPath());
    ASSERT_TRUE(reg.OpenKey("\\Software\\Quorvel\\Skrivo\\", true));
    reg.WriteInteger("DelayTime", 1);
    EXPECT_TRUE(reg.KeyExists("software\\QUORVEL\\skrivo"));
    EXPECT_TRUE(reg.KeyExists("Software\\\\Quorvel\\Skrivo\\\\"));
    ASSERT_TRUE(reg.OpenKey("SOFTWARE\\quorvel\\SKRIVO", false));
    EXPECT_TRUE(reg.ValueExists("delaytime"));
    EXPECT_EQ(reg.ReadInteger("DELAYTIME"), 1);
    reg.WriteInteger("delayTIME", 2);
    EXPECT_EQ(reg.GetValueNames().size(), 1u);
    EXPECT_EQ(reg.ReadInteger("DelayTime"), 2);
}

TEST_F(RegistryTest, OpeningWithoutCreateNeverCreates) {
    Registry reg(DbPath());
    EXPECT_FALSE(reg.OpenKey(kKey, false));
    EXPECT_FALSE(reg.HasCurrentKey());
    EXPECT_FALSE(reg.KeyExists("Software"));
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    EXPECT_EQ(reg.CurrentPath(), "Software\\Quorvel\\Skrivo\\Delphi7");
    EXPECT_TRUE(reg.KeyExists("Software"));
    EXPECT_TRUE(reg.KeyExists("Software\\Quorvel"));
    EXPECT_FALSE(reg.OpenKey("Software\\Other", false));
    EXPECT_EQ(reg.CurrentPath(), "Software\\Quorvel\\Skrivo\\Delphi7");  // a failed open keeps the key
    reg.CloseKey();
    EXPECT_FALSE(reg.HasCurrentKey());
    EXPECT_EQ(ErrorOf([&] { reg.WriteInteger("X", 1); }), "No registry key is open");
    EXPECT_EQ(ErrorOf([&] { reg.ReadString("X"); }), "No registry key is open");
}

TEST_F(RegistryTest, EnumeratesSubkeysAndValues) {
    Registry reg(DbPath());
    for (const char* key : {"Software\\B", "Software\\a", "Software\\C\\Deep", "Other"}) ASSERT_TRUE(reg.OpenKey(key, true));
    ASSERT_TRUE(reg.OpenKey("Software", false));
    EXPECT_EQ(reg.GetKeyNames(), (std::vector<std::string>{"a", "B", "C"}));
    reg.WriteString("Zed", "1");
    reg.WriteString("alpha", "2");
    EXPECT_EQ(reg.GetValueNames(), (std::vector<std::string>{"alpha", "Zed"}));
    ASSERT_TRUE(reg.OpenKey("", false));  // the root of the hive
    EXPECT_EQ(reg.GetKeyNames(), (std::vector<std::string>{"Other", "Software"}));
}

TEST_F(RegistryTest, DeleteKeyTakesSubkeysAndValuesButNotSiblings) {
    Registry reg(DbPath());
    ASSERT_TRUE(reg.OpenKey("Software\\Skrivo\\Sub", true));
    reg.WriteInteger("A", 1);
    ASSERT_TRUE(reg.OpenKey("Software\\SkrivoTwo", true));  // shares the prefix "Software\Skrivo"
    reg.WriteInteger("B", 2);
    EXPECT_TRUE(reg.DeleteKey("\\software\\skrivo"));
    EXPECT_FALSE(reg.KeyExists("Software\\Skrivo"));
    EXPECT_FALSE(reg.KeyExists("Software\\Skrivo\\Sub"));
    EXPECT_FALSE(reg.DeleteKey("Software\\Skrivo"));
    EXPECT_FALSE(reg.DeleteKey(""));
    ASSERT_TRUE(reg.OpenKey("Software\\Skrivo\\Sub", true));
    EXPECT_FALSE(reg.ValueExists("A"));  // recreated empty
    ASSERT_TRUE(reg.OpenKey("Software\\SkrivoTwo", false));
    EXPECT_EQ(reg.ReadInteger("B"), 2);
}

TEST_F(RegistryTest, DeleteValue) {
    Registry reg(DbPath());
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    reg.WriteInteger("Word5", 1);
    EXPECT_TRUE(reg.DeleteValue("word5"));
    EXPECT_FALSE(reg.ValueExists("Word5"));
    EXPECT_FALSE(reg.DeleteValue("Word5"));
}

TEST_F(RegistryTest, DefaultDatabaseLivesInTheSkrivoHome) {
    const char* saved = std::getenv("SKRIVO_HOME");
    std::string savedValue = saved ? saved : "";
    ::setenv("SKRIVO_HOME", dir_.File("home").c_str(), 1);
    EXPECT_EQ(RegistryPath(), dir_.File("home") + "/registry.db");
    {
        Registry reg;
        ASSERT_TRUE(reg.OpenKey(kKey, true));
        reg.WriteInteger("DelayTime", 750);
    }
    EXPECT_TRUE(FileExists(dir_.File("home/registry.db")));
    Registry again(dir_.File("home/registry.db"));
    ASSERT_TRUE(again.OpenKey(kKey, false));
    EXPECT_EQ(again.ReadInteger("DelayTime"), 750);
    if (saved) ::setenv("SKRIVO_HOME", savedValue.c_str(), 1); else ::unsetenv("SKRIVO_HOME");
}

TEST_F(RegistryTest, CorruptDatabaseRaisesAClearError) {
    WriteFileAtomic(DbPath(), std::string(8192, '\x5A'));
    std::string error = ErrorOf([&] { Registry reg(DbPath()); });
    EXPECT_NE(error.find(DbPath()), std::string::npos) << error;
    EXPECT_NE(error.find("not a database"), std::string::npos) << error;
    EXPECT_EQ(ReadFileBytes(DbPath()), std::string(8192, '\x5A'));  // the file is left for the user to inspect
}

TEST_F(RegistryTest, DamagedPagesRaiseRegistryErrorsOnly) {
    {
        Registry reg(DbPath());
        ASSERT_TRUE(reg.OpenKey(kKey, true));
        for (int i = 0; i < 200; ++i) reg.WriteString("Word" + std::to_string(i), std::string(100, 'w'));
    }
    std::string bytes = ReadFileBytes(DbPath());
    ASSERT_GT(bytes.size(), 8192u);
    for (std::size_t i = 4096 + 8; i < bytes.size(); i += 7) bytes[i] = '\xA5';  // scribble over the data pages
    WriteFileAtomic(DbPath(), bytes);
    DeleteFileIfExists(DbPath() + "-wal");
    DeleteFileIfExists(DbPath() + "-shm");
    try {
        Registry reg(DbPath());
        if (reg.OpenKey(kKey, false)) {
            for (int i = 0; i < 200; ++i) reg.ReadString("Word" + std::to_string(i));
        }
    } catch (const ERegistryException&) {
        SUCCEED();
    }
}

TEST_F(RegistryTest, NewerFormatIsRefused) {
    {
        Registry reg(DbPath());
        ASSERT_TRUE(reg.OpenKey(kKey, true));
    }
    {
        // Mark the file as written by a later version.
        skrivo::detail::SqliteDatabase db(DbPath());
        db.Execute("PRAGMA user_version=99");
    }
    EXPECT_NE(ErrorOf([&] { Registry reg(DbPath()); }).find("newer version"), std::string::npos);
}

// Two IDE instances save their configuration at the same moment: every write
// of both must arrive.
TEST_F(RegistryTest, TwoProcessesWritingAtOnceLoseNothing) {
    constexpr int kWrites = 300;
    std::vector<pid_t> children;
    for (int p = 0; p < 2; ++p) {
        pid_t pid = ::fork();
        ASSERT_NE(pid, -1);
        if (pid == 0) {
            try {
                Registry reg(DbPath());
                for (int i = 0; i < kWrites; ++i) {
                    // Both reopen and create the shared key, then write their own values.
                    if (!reg.OpenKey(kKey, true)) ::_exit(2);
                    reg.WriteInteger("P" + std::to_string(p) + "_" + std::to_string(i), i);
                    reg.WriteString("Last" + std::to_string(p), std::to_string(i));
                }
            } catch (const std::exception& e) {
                std::fprintf(stderr, "writer %d: %s\n", p, e.what());
                ::_exit(1);
            }
            ::_exit(0);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }
    Registry reg(DbPath());
    ASSERT_TRUE(reg.OpenKey(kKey, false));
    EXPECT_EQ(reg.GetValueNames().size(), 2u * kWrites + 2);
    for (int p = 0; p < 2; ++p) {
        for (int i = 0; i < kWrites; ++i) {
            ASSERT_EQ(reg.ReadInteger("P" + std::to_string(p) + "_" + std::to_string(i)), i);
        }
        EXPECT_EQ(reg.ReadString("Last" + std::to_string(p)), std::to_string(kWrites - 1));
    }
}

}  // namespace
}  // namespace skrivo
