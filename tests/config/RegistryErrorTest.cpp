// Unreadable stored values: a clear error, no crash, and nothing else lost.
#include <gtest/gtest.h>

#include <algorithm>

#include "RawStore.h"
#include "TempHome.h"
#include "config/ConfigError.h"
#include "config/ConfigStore.h"
#include "platform/Registry.h"

namespace skrivo {
namespace {

class RegistryError : public ::testing::Test {
protected:
    testing::TempHome home_;
    testing::RawStore raw_{testing::StoreKind::Registry, ""};
    std::vector<std::string> log_;
    int soundReloads_ = 0;

    ConfigContext Hooks() {
        return ConfigContext{.reloadSounds = [this] { ++soundReloads_; },
                             .log = [this](const std::string& s) { log_.push_back(s); }};
    }

    // A stored configuration whose options differ from the defaults before
    // and after DelayTime, with DelayTime itself stored as text.
    void StoreWithBadDelayTime(testing::RawStore& raw) {
        ConfigStore store;
        store.GetCfg()->LastOptionsTab = 3;     // stored before DelayTime
        store.GetCfg()->WordsMaxInList = 500;   // stored after it
        store.GetCfg()->ConditionList = StringList{"*x|"};
        store.LoadSaveConfig(true, raw.Target());
        raw.WriteString("DelayTime", "fast");
    }
    void StoreWithBadDelayTime() { StoreWithBadDelayTime(raw_); }
};

// The registry's value of another type, and a hand-edited ".sk" file's word
// where a number belongs, both fail the same way.
class BadValue : public RegistryError, public ::testing::WithParamInterface<testing::StoreKind> {
protected:
    testing::RawStore store_{GetParam(), home_.File("hand-edited.sk")};
};

TEST_P(BadValue, RaisesAClearErrorNamingTheValueAndLoadsTheRest) {
    StoreWithBadDelayTime(store_);
    ConfigStore store(Hooks());
    try {
        store.LoadSaveConfig(false, store_.Target());
        FAIL() << "no error raised";
    } catch (const EConfigValueError& e) {
        EXPECT_EQ(e.ValueNames(), std::vector<std::string>{"DelayTime"});
        std::string what = e.what();
        EXPECT_NE(what.find("\"DelayTime\""), std::string::npos) << what;
        const std::string where = GetParam() == testing::StoreKind::Registry ? "Software\\Quorvel\\Skrivo\\Delphi7"
                                                                             : "hand-edited.sk";
        EXPECT_NE(what.find(where), std::string::npos) << what;
    }
    const TExpertConfig& cfg = *store.GetCfg();
    EXPECT_EQ(cfg.LastOptionsTab, 3);      // read before the bad value: loaded
    EXPECT_EQ(cfg.DelayTime, 250);         // the bad value: left as it was
    EXPECT_EQ(cfg.WordsMaxInList, 500);    // after it: loaded all the same
    EXPECT_EQ(cfg.ConditionList, StringList{"*x|"});
    EXPECT_EQ(std::count(log_.begin(), log_.end(), "fin025"), 1);
}

TEST_P(BadValue, MessageNamesTheFirstFewOfManyBadValues) {
    ConfigStore saved;
    saved.LoadSaveConfig(true, store_.Target());
    for (const char* name : {"LastOptionsTab", "KeyComplete", "Language", "DelayTime", "AutoSave", "ExceedWordsMax",
                             "WhenMouseOver"})
        store_.WriteString(name, "x");
    ConfigStore store;
    try {
        store.LoadSaveConfig(false, store_.Target());
        FAIL() << "no error raised";
    } catch (const EConfigValueError& e) {
        EXPECT_EQ(e.ValueNames().size(), 7u);
        std::string what = e.what();
        // Named in stored order; AutoSave and ExceedWordsMax come last.
        EXPECT_NE(what.find("\"WhenMouseOver\" and 2 more"), std::string::npos) << what;
        EXPECT_EQ(what.find("AutoSave"), std::string::npos) << what;
    }
}

INSTANTIATE_TEST_SUITE_P(Stores, BadValue, ::testing::Values(testing::StoreKind::Registry, testing::StoreKind::File),
                         [](const auto& info) { return info.param == testing::StoreKind::Registry ? "Registry" : "IniFile"; });

TEST_F(RegistryError, ErrorIsARegistryException) {
    StoreWithBadDelayTime();
    ConfigStore store;
    EXPECT_THROW(store.LoadSaveConfig(false, ""), ERegistryException);
}

// At start-up the user still gets the default substitutions and the sounds;
// the error is passed on for the expert to report.
TEST_F(RegistryError, StartUpFinishesBeforePassingTheErrorOn) {
    StoreWithBadDelayTime();
    raw_.WriteInteger("SubstCount", 0);
    ConfigStore store(Hooks());
    EXPECT_THROW(store.ResetDefaultConfig(), EConfigValueError);
    EXPECT_EQ(store.GetCfg()->SubstList.Count(), 66u);
    EXPECT_EQ(store.GetCfg()->LastOptionsTab, 3);
    EXPECT_EQ(soundReloads_, 1);
}

TEST_F(RegistryError, UnreadableListEntriesReadAsMissingOnesAndAreAllNamed) {
    ConfigStore saved;
    auto m = std::make_unique<TMacro>();
    m->SetName("m");
    TMemoryStream data("keys");
    m->LoadFromStream(data);
    saved.GetCfg()->MacroList.Add(std::move(m));
    saved.LoadSaveConfig(true, "");
    raw_.WriteInteger("Word1", 7);
    raw_.WriteString("Macro0Data", "not binary");
    raw_.WriteString("AllowSounds", "1");

    ConfigStore store;
    store.GetCfg()->AllowSounds = false;
    try {
        store.LoadSaveConfig(false, "");
        FAIL() << "no error raised";
    } catch (const EConfigValueError& e) {
        EXPECT_EQ(e.ValueNames(), (std::vector<std::string>{"Word1", "AllowSounds", "Macro0Data"}));
    }
    EXPECT_EQ(store.GetCfg()->WordsList[1], "end");  // the current word stays
    EXPECT_FALSE(store.GetCfg()->AllowSounds);
    ASSERT_EQ(store.GetCfg()->MacroList.Count(), 1u);
    EXPECT_EQ(store.GetCfg()->MacroList[0].FName, "m");
    EXPECT_TRUE(store.GetCfg()->MacroList[0].Empty());
}

// A count of the wrong type counts as missing: the list stays as it is.
TEST_F(RegistryError, UnreadableCountLeavesTheListAlone) {
    ConfigStore saved;
    saved.LoadSaveConfig(true, "");
    raw_.WriteString("MacrosCount", "2");
    ConfigStore store;
    store.GetCfg()->MacroList.Add(std::make_unique<TMacro>());
    EXPECT_THROW(store.LoadSaveConfig(false, ""), EConfigValueError);
    EXPECT_EQ(store.GetCfg()->MacroList.Count(), 1u);
}

}  // namespace
}  // namespace skrivo
