// The expert over its stored configuration: the start-up load, and a stored value it cannot read.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include "config/ConfigStore.h"
#include "config/ExpertConfig.h"
#include "expert/SkrivoExpert.h"
#include "host/api/Form.h"
#include "host/testing/OffscreenHost.h"
#include "platform/FileIO.h"
#include "platform/Paths.h"
#include "platform/Registry.h"

namespace skrivo {
namespace {

using host::testing::OffscreenHost;

constexpr const char* kKey = "Software\\Quorvel\\Skrivo\\Delphi7";

class ConfigWiring : public ::testing::Test {
protected:
    std::unique_ptr<TSkrivoExpert> Start() {
        auto expert = TQvExpert::Create<TSkrivoExpert>();
        expert->SetReady(true);
        return expert;
    }
    OffscreenHost host;
};

TEST_F(ConfigWiring, StartUpLoadsTheStoredOptionsOverTheDefaults) {
    {
        Registry reg;
        ASSERT_TRUE(reg.OpenKey(kKey, true));
        reg.WriteInteger("DelayTime", 750);
        reg.WriteBool("HideAfterSpace", false);
    }
    auto expert = Start();
    EXPECT_EQ(expert->GetCfg()->DelayTime, 750);
    EXPECT_FALSE(expert->GetCfg()->HideAfterSpace);
    EXPECT_TRUE(expert->GetCfg()->HideAfterSemicolon);  // not stored: the default
    EXPECT_EQ(expert->GetCfg()->WordsList.Count(), 26u);
    EXPECT_EQ(expert->GetCfg()->SubstList.Count(), 66u);
    EXPECT_EQ(expert->GetCfg()->Directory, AppPath());
    EXPECT_TRUE(expert->LastConfigError().empty());
}

// A value of another type must not keep the IDE from starting: every other
// option loads, and the user is told in a message box which value was ignored.
TEST_F(ConfigWiring, AValueOfTheWrongTypeIsReportedAndTheRestLoads) {
    {
        Registry reg;
        ASSERT_TRUE(reg.OpenKey(kKey, true));
        reg.WriteInteger("DelayTime", 500);
        reg.WriteString("KeyComplete", "two");
        reg.WriteInteger("DictionaryLimit", 5000);
    }
    std::string caption, message;
    host->SetModalAnswerer([&](host::TForm& form) {
        caption = form.Caption();
        if (host::IControl* label = form.FindComponent("Message")) message = label->Caption();
        form.SetModalResult(host::mrOk);
    });
    auto expert = Start();
    EXPECT_EQ(caption, "Skrivo Expert");
    EXPECT_NE(message.find("KeyComplete"), std::string::npos) << message;
    EXPECT_EQ(expert->LastConfigError(), message);
    EXPECT_EQ(expert->GetCfg()->DelayTime, 500);
    EXPECT_EQ(expert->GetCfg()->KeyComplete, 0);  // the default stands
    EXPECT_EQ(expert->GetCfg()->DictionaryLimit, 5000);
    EXPECT_EQ(expert->GetCfg()->SubstList.Count(), 66u);
    // The expert works on: its timer and message hook are installed.
    EXPECT_TRUE(expert->Ready());
}

// Another program holding the registry's lock: the IDE starts at once with
// the defaults and says so once; a save waits for the lock from the timer.
TEST_F(ConfigWiring, LockedRegistryNeitherFreezesNorLosesASave) {
    {
        Registry reg;
        ASSERT_TRUE(reg.OpenKey(kKey, true));
        reg.WriteInteger("DelayTime", 750);
    }
    std::vector<std::string> messages;
    host->SetModalAnswerer([&](host::TForm& form) {
        if (host::IControl* label = form.FindComponent("Message")) messages.push_back(label->Caption());
        form.SetModalResult(host::mrOk);
    });
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(RegistryPath().c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; SELECT count(*) FROM vals;", nullptr,
                           nullptr, nullptr),
              SQLITE_OK);
    auto expert = Start();
    EXPECT_EQ(expert->GetCfg()->DelayTime, 250);  // the default
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("locked"), std::string::npos) << messages[0];

    expert->GetCfg()->WordsList.Add("kept");
    expert->SaveCfg();  // held up: retried from the timer
    host.Advance(12000);
    ASSERT_EQ(messages.size(), 2u) << "a save that keeps failing is reported once";
    host.Advance(12000);
    EXPECT_EQ(messages.size(), 2u);

    sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    host.Advance(2500);
    Registry reg;
    ASSERT_TRUE(reg.OpenKey(kKey, false));
    EXPECT_EQ(reg.ReadInteger("WordsListCount"), 27);
    EXPECT_EQ(reg.ReadString("Word26"), "kept");
}

TEST_F(ConfigWiring, SaveCfgWritesTheRegistryAndThePerUserCopy) {
    auto expert = Start();
    expert->GetCfg()->DelayTime = 1250;
    expert->SaveCfg();
    Registry reg;
    ASSERT_TRUE(reg.OpenKey(kKey, false));
    EXPECT_EQ(reg.ReadInteger("DelayTime"), 1250);
    const auto copy = PerUserConfigPath();
    ASSERT_TRUE(copy.has_value());
    EXPECT_TRUE(FileExists(*copy));
}

}  // namespace
}  // namespace skrivo
