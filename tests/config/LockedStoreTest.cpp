// Another program holding the registry database's lock: the configuration waits about a second at most.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include <chrono>

#include "TempHome.h"
#include "config/ConfigStore.h"
#include "platform/Registry.h"

namespace skrivo {
namespace {

using Clock = std::chrono::steady_clock;

class LockedStore : public ::testing::Test {
protected:
    testing::TempHome home_;

    void SaveWords(std::initializer_list<const char*> words) {
        ConfigStore store;
        store.GetCfg()->WordsList.Clear();
        for (const char* w : words) store.GetCfg()->WordsList.Add(w);
        store.LoadSaveConfig(true, "");
    }
    std::vector<std::string> LoadWords() {
        ConfigStore store;
        store.LoadSaveConfig(false, "");
        return store.GetCfg()->WordsList.Lines();
    }
};

TEST_F(LockedStore, SaveIsOneTransactionSeenWholeOrNotAtAll) {
    SaveWords({"a", "b"});
    Registry other;
    other.BeginUpdate();
    ASSERT_TRUE(other.OpenKey("Software\\Quorvel\\Skrivo\\Delphi7", false));
    other.WriteString("Word0", "x");
    other.WriteString("Word1", "y");
    // Half of another save is never visible...
    EXPECT_EQ(LoadWords(), (std::vector<std::string>{"a", "b"}));
    other.CommitUpdate();
    EXPECT_EQ(LoadWords(), (std::vector<std::string>{"x", "y"}));
    // ...and an unfinished one is rolled back when its registry goes.
    {
        Registry dropped;
        dropped.BeginUpdate();
        ASSERT_TRUE(dropped.OpenKey("Software\\Quorvel\\Skrivo\\Delphi7", false));
        dropped.WriteString("Word0", "never");
    }
    EXPECT_EQ(LoadWords()[0], "x");
}

TEST_F(LockedStore, WriterHoldingTheLockDelaysASaveBoundedlyAndLoadsStillRead) {
    SaveWords({"stored"});
    Registry holder;
    holder.BeginUpdate();
    const auto start = Clock::now();
    EXPECT_THROW(SaveWords({"new"}), ERegistryLocked);
    const auto waited = Clock::now() - start;
    EXPECT_LT(waited, std::chrono::milliseconds(kRegistryLockWaitMs + 1000));
    EXPECT_GE(waited, std::chrono::milliseconds(kRegistryLockWaitMs));
    {
        RegistryLockWaitScope brief(20);
        EXPECT_THROW(SaveWords({"new"}), ERegistryLocked);
    }
    EXPECT_EQ(LoadWords(), std::vector<std::string>{"stored"});
    holder.CommitUpdate();
    SaveWords({"new"});
    EXPECT_EQ(LoadWords(), std::vector<std::string>{"new"});
}

TEST_F(LockedStore, ExclusiveLockMakesLoadingFailAsLockedNotAsBadValues) {
    SaveWords({"stored"});
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(RegistryPath().c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; SELECT count(*) FROM vals;",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    {
        RegistryLockWaitScope brief(50);
        const auto start = Clock::now();
        EXPECT_THROW(LoadWords(), ERegistryLocked);
        EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(1000));
    }
    sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    EXPECT_EQ(LoadWords(), std::vector<std::string>{"stored"});
}

}  // namespace
}  // namespace skrivo
