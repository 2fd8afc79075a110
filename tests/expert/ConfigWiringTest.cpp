// The expert over its stored configuration: the start-up load, and a stored value it cannot read.
#include <gtest/gtest.h>

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
