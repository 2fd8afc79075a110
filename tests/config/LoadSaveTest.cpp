// Moving the configuration to and from the registry and INI files: every field, the lists and their cleanup.
#include <gtest/gtest.h>

#include "ConfigSamples.h"
#include "RawStore.h"
#include "TempHome.h"
#include "config/ConfigStore.h"
#include "config/ConfigTransfer.h"
#include "config/DefaultConfig.h"
#include "config/OptionAccess.h"
#include "platform/FileIO.h"

namespace skrivo {
namespace {

using testing::RawStore;
using testing::StoreKind;

class LoadSave : public ::testing::TestWithParam<StoreKind> {
protected:
    testing::TempHome home_;
    RawStore raw_{GetParam(), home_.File("saved.sk")};

    void Save(ConfigStore& store) { store.LoadSaveConfig(true, raw_.Target()); }
    void Load(ConfigStore& store) { store.LoadSaveConfig(false, raw_.Target()); }
    static std::string Describe(const ConfigStore& store) { return DescribeConfig(*store.GetCfg(), store.Context()); }
};

std::string StoreName(const ::testing::TestParamInfo<StoreKind>& info) {
    return info.param == StoreKind::Registry ? "Registry" : "IniFile";
}

TEST_P(LoadSave, EveryFieldRoundTrips) {
    ConfigStore saved;
    saved.Context().setFastReadText(testing::FillWithSampleValues(*saved.GetCfg()));
    Save(saved);

    ConfigStore loaded;  // all defaults: every sample value must come from the store
    ASSERT_NE(Describe(loaded), Describe(saved));
    Load(loaded);
    EXPECT_EQ(Describe(loaded), Describe(saved));
    // The description is built from the same table; check a few fields directly too.
    EXPECT_EQ(loaded.GetCfg()->MacroList[0].FData.Bytes(), saved.GetCfg()->MacroList[0].FData.Bytes());
    EXPECT_EQ(loaded.GetCfg()->WordsList[1], " S");
    EXPECT_EQ(loaded.GetCfg()->SubstList.Count(), 68u);
    EXPECT_EQ(loaded.GetCfg()->SubstList[67], " := |;");
    EXPECT_EQ(loaded.FastReadText(), !kDefaultFastReadText);
}

TEST_P(LoadSave, SavingTwiceChangesNothing) {
    ConfigStore store;
    testing::FillWithSampleValues(*store.GetCfg());
    Save(store);
    std::string first = Describe(store);
    Save(store);
    ConfigStore loaded;
    Load(loaded);
    EXPECT_EQ(Describe(loaded), first);
}

TEST_P(LoadSave, MissingValuesLeaveFieldsUnchanged) {
    raw_.WriteInteger("DelayTime", 750);
    ConfigStore store;
    store.GetCfg()->AlphaBlendLevel = 99;
    store.GetCfg()->Directory = "/work/";
    store.GetCfg()->Shortcuts[ShortcutEnglish] = 0;
    Load(store);
    EXPECT_EQ(store.GetCfg()->DelayTime, 750);
    EXPECT_EQ(store.GetCfg()->AlphaBlendLevel, 99);
    EXPECT_EQ(store.GetCfg()->Directory, "/work/");
    EXPECT_EQ(store.GetCfg()->Shortcuts[ShortcutEnglish], 0u);
    EXPECT_EQ(store.GetCfg()->WordsList.Count(), kDefaultHideAfterWords.size());
}

// A store only ever holds entries below each list's count, whichever way
// the configuration last moved.
TEST_P(LoadSave, ShrinkingListsLeaveNoEntriesBeyondTheirCount) {
    ConfigStore store;
    TExpertConfig& cfg = *store.GetCfg();
    cfg.WordsList = StringList{"a", "b", "c", "d", "e"};
    cfg.ConditionList = StringList{"1", "2", "3"};
    cfg.SubstList = StringList{"p0", "r0", "p1", "r1", "p2", "r2"};
    for (int i = 0; i < 3; ++i) cfg.MacroList.Add(std::make_unique<TMacro>());
    Save(store);
    ASSERT_TRUE(raw_.Exists("Word4"));
    ASSERT_TRUE(raw_.Exists("Macro2Data"));

    cfg.WordsList = StringList{"x", "y", "z"};
    cfg.ConditionList = StringList{"1"};
    cfg.SubstList = StringList{"p0", "r0"};
    cfg.MacroList.Delete(2);
    cfg.MacroList.Delete(1);
    Save(store);

    EXPECT_TRUE(raw_.Exists("Word2"));
    EXPECT_FALSE(raw_.Exists("Word3"));
    EXPECT_FALSE(raw_.Exists("Word4"));
    EXPECT_FALSE(raw_.Exists("Condition1"));
    EXPECT_FALSE(raw_.Exists("Condition2"));
    EXPECT_FALSE(raw_.Exists("Subst1From"));
    EXPECT_FALSE(raw_.Exists("Subst2To"));
    for (const char* v : {"Macro1Name", "Macro1Shortcut", "Macro1Data", "Macro2Name", "Macro2Data"})
        EXPECT_FALSE(raw_.Exists(v)) << v;

    ConfigStore loaded;
    Load(loaded);
    EXPECT_EQ(loaded.GetCfg()->WordsList, (StringList{"x", "y", "z"}));
    EXPECT_EQ(loaded.GetCfg()->ConditionList, StringList{"1"});
    EXPECT_EQ(loaded.GetCfg()->SubstList, (StringList{"p0", "r0"}));
    EXPECT_EQ(loaded.GetCfg()->MacroList.Count(), 1u);
}

TEST_P(LoadSave, LoadingAlsoRemovesEntriesBeyondTheCount) {
    raw_.WriteInteger("WordsListCount", 2);
    for (int i = 0; i < 5; ++i) raw_.WriteString("Word" + std::to_string(i), "w" + std::to_string(i));
    raw_.WriteInteger("SubstCount", 1);
    for (int i = 0; i < 3; ++i) {
        raw_.WriteString("Subst" + std::to_string(i) + "From", "p");
        raw_.WriteString("Subst" + std::to_string(i) + "To", "r");
    }
    ConfigStore store;
    Load(store);
    EXPECT_EQ(store.GetCfg()->WordsList, (StringList{"w0", "w1"}));
    EXPECT_EQ(store.GetCfg()->SubstList, (StringList{"p", "r"}));
    EXPECT_TRUE(raw_.Exists("Word1"));
    EXPECT_FALSE(raw_.Exists("Word2"));
    EXPECT_FALSE(raw_.Exists("Word4"));
    EXPECT_FALSE(raw_.Exists("Subst1From"));
    EXPECT_FALSE(raw_.Exists("Subst2To"));
}

TEST_P(LoadSave, MissingWordKeepsTheCurrentWordAtItsIndex) {
    raw_.WriteInteger("WordsListCount", 4);
    raw_.WriteString("Word0", "x");
    raw_.WriteString("Word2", "z");
    ConfigStore store;  // the 26 default words
    Load(store);
    EXPECT_EQ(store.GetCfg()->WordsList, (StringList{"x", "end", "z", "finally"}));

    // Beyond the current list a missing word is an empty one, but the list
    // ends with the last stored word: an empty hide-after word would match
    // the end of every text and stop all suggestions.
    raw_.WriteInteger("WordsListCount", 6);
    store.GetCfg()->WordsList = StringList{"only"};
    Load(store);
    EXPECT_EQ(store.GetCfg()->WordsList, (StringList{"x", "", "z"}));
}

TEST_P(LoadSave, MissingConditionOrSubstitutionReadsEmpty) {
    raw_.WriteInteger("ConditionsCount", 2);
    raw_.WriteString("Condition1", "{|}");
    raw_.WriteInteger("SubstCount", 2);
    raw_.WriteString("Subst0From", "*a|");
    raw_.WriteString("Subst1To", "b");
    ConfigStore store;
    store.GetCfg()->ConditionList = StringList{"old0", "old1", "old2"};
    Load(store);
    EXPECT_EQ(store.GetCfg()->ConditionList, (StringList{"", "{|}"}));
    EXPECT_EQ(store.GetCfg()->SubstList, (StringList{"*a|", "", "", "b"}));
}

// Loading a store that knows nothing of a list (a hand-written file, a file
// of only some options) must not turn the user's list into empty entries.
TEST_P(LoadSave, ListWithoutStoredCountIsLeftAlone) {
    raw_.WriteInteger("DelayTime", 500);
    ConfigStore store;
    TExpertConfig& cfg = *store.GetCfg();
    cfg.ConditionList = StringList{"*begin|"};
    cfg.SubstList.SetText(DefaultSubstitutionText());
    auto m = std::make_unique<TMacro>();
    m->SetName("keep me");
    cfg.MacroList.Add(std::move(m));
    Load(store);
    EXPECT_EQ(cfg.DelayTime, 500);
    EXPECT_EQ(cfg.ConditionList, StringList{"*begin|"});
    EXPECT_EQ(cfg.SubstList.Count(), 66u);
    ASSERT_EQ(cfg.MacroList.Count(), 1u);
    EXPECT_EQ(cfg.MacroList[0].FName, "keep me");
}

TEST_P(LoadSave, ZeroStoredSubstitutionsKeepTheCurrentList) {
    ConfigStore empty;
    empty.GetCfg()->SubstList.Clear();
    Save(empty);
    EXPECT_TRUE(raw_.Exists("SubstCount"));
    EXPECT_FALSE(raw_.Exists("Subst0From"));

    ConfigStore running;
    running.GetCfg()->SubstList = StringList{"*x|", "y"};
    Load(running);
    EXPECT_EQ(running.GetCfg()->SubstList, (StringList{"*x|", "y"}));
}

TEST_P(LoadSave, LongPathsAndWordsAreCutTo255Characters) {
    std::string longText(300, 'p');
    raw_.WriteString("Directory", longText);
    raw_.WriteString("Sound_HaveWords", longText);
    raw_.WriteInteger("WordsListCount", 1);
    raw_.WriteString("Word0", longText);
    raw_.WriteInteger("ConditionsCount", 1);
    raw_.WriteString("Condition0", longText);
    ConfigStore store;
    Load(store);
    EXPECT_EQ(store.GetCfg()->Directory, std::string(255, 'p'));
    EXPECT_EQ(store.GetCfg()->Sounds[seHaveWords], std::string(255, 'p'));
    EXPECT_EQ(store.GetCfg()->WordsList[0], std::string(255, 'p'));
    EXPECT_EQ(store.GetCfg()->ConditionList[0], longText);  // conditions are patterns, not cut
}

TEST_P(LoadSave, MacroShortcutIsItsLow16BitsAndAMissingOneIsNone) {
    raw_.WriteInteger("MacrosCount", 2);
    raw_.WriteString("Macro0Name", "first");
    raw_.WriteInteger("Macro0Shortcut", 0x12345);
    raw_.WriteString("Macro1Name", "no shortcut");
    ConfigStore store;
    Load(store);
    ASSERT_EQ(store.GetCfg()->MacroList.Count(), 2u);
    EXPECT_EQ(store.GetCfg()->MacroList[0].FShtcut, 0x2345);
    EXPECT_EQ(store.GetCfg()->MacroList[1].FName, "no shortcut");
    EXPECT_EQ(store.GetCfg()->MacroList[1].FShtcut, 0);
    EXPECT_TRUE(store.GetCfg()->MacroList[1].Empty());
}

// A count beyond the stored entries (a hand-edited or corrupt store) makes
// no empty entries, however large it is.
TEST_P(LoadSave, CountBeyondTheStoredEntriesEndsAtTheLastEntry) {
    raw_.WriteInteger("WordsListCount", -5);
    raw_.WriteInteger("ConditionsCount", 2147483647);
    raw_.WriteString("Condition0", "a");
    raw_.WriteString("condition2", "c");   // names compare without regard to case
    raw_.WriteString("Condition07", "x");  // not a name the loader reads
    raw_.WriteInteger("SubstCount", 1000);
    raw_.WriteString("Subst1To", "r");
    raw_.WriteInteger("MacrosCount", 99);
    ConfigStore store;
    store.GetCfg()->SubstList = StringList{"*keep|", "me"};
    Load(store);
    EXPECT_TRUE(store.GetCfg()->WordsList.Empty());
    EXPECT_EQ(store.GetCfg()->ConditionList, (StringList{"a", "", "c"}));
    EXPECT_EQ(store.GetCfg()->SubstList, (StringList{"", "", "", "r"}));
    EXPECT_TRUE(store.GetCfg()->MacroList.Empty());

    // Stored pairs that are all missing keep the current substitutions, as
    // a stored count of 0 does.
    raw_.Delete("Subst1To");
    Load(store);
    EXPECT_EQ(store.GetCfg()->SubstList, (StringList{"", "", "", "r"}));
}

INSTANTIATE_TEST_SUITE_P(Stores, LoadSave, ::testing::Values(StoreKind::Registry, StoreKind::File), StoreName);

}  // namespace
}  // namespace skrivo
