// Options set and read as text by their stored names.
#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "ConfigSamples.h"
#include "config/ConfigStore.h"
#include "config/OptionAccess.h"
#include "config/OptionTable.h"

namespace skrivo {
namespace {

struct SetCase {
    const char* name;
    const char* text;
    const char* readBack;
};

class OptionSet : public ::testing::TestWithParam<SetCase> {};

TEST_P(OptionSet, ReadsBackInCanonicalForm) {
    ConfigStore store;
    const SetCase& c = GetParam();
    store.SetOption(c.name, c.text);
    EXPECT_EQ(store.OptionText(c.name), c.readBack);
}

INSTANTIATE_TEST_SUITE_P(Kinds, OptionSet, ::testing::Values(
    SetCase{"DelayTime", "500", "500"},
    SetCase{"delaytime", " +750 ", "750"},
    SetCase{"AlphaBlendLevel", "-1", "-1"},
    SetCase{"UseShortcuts", "off", "0"},
    SetCase{"UseShortcuts", "TRUE", "1"},
    SetCase{"AllowBackspace", "0", "0"},
    SetCase{"HideAfterReplace", "on", "1"},
    SetCase{"ShortcutEnglish", "ctrl+e", "Ctrl+E"},
    SetCase{"ShortcutShowOptions", "Ctrl+Shift+O", "Shift+Ctrl+O"},
    SetCase{"ShortcutRestore", "none", ""},
    SetCase{"ShortcutRestore", "", ""},
    SetCase{"ShortcutJump", "0x604A", "Shift+Ctrl+J"},
    SetCase{"Directory", "/home/u/dict/", "/home/u/dict/"},
    SetCase{"Sound_Replaced", " click.wav", " click.wav"},
    SetCase{"FastReadText", "0", "0"},
    SetCase{"SearchInHints", "yes", "1"}));

TEST(OptionAccess, SetLandsInTheRecordField) {
    ConfigStore store;
    store.SetOption("ShortcutEnglish", "Alt+E");
    store.SetOption("Sound_HaveWords", "x.bip");
    store.SetOption("FastReadText", "off");
    store.SetOption("Directory", std::string(300, 'd'));
    EXPECT_EQ(store.GetCfg()->Shortcuts[ShortcutEnglish], 0x8045u);
    EXPECT_EQ(store.GetCfg()->Sounds[seHaveWords], "x.bip");
    EXPECT_FALSE(store.FastReadText());
    EXPECT_EQ(store.GetCfg()->Directory.size(), 255u);
}

struct BadCase {
    const char* name;
    const char* text;
    const char* mentions;  // what the message must name
};

class OptionRefused : public ::testing::TestWithParam<BadCase> {};

TEST_P(OptionRefused, WithAMessageNamingTheProblem) {
    ConfigStore store;
    const BadCase& c = GetParam();
    std::string before = store.OptionText("DelayTime");
    try {
        store.SetOption(c.name, c.text);
        FAIL() << "accepted " << c.name << " " << c.text;
    } catch (const EOptionError& e) {
        EXPECT_NE(std::string(e.what()).find(c.mentions), std::string::npos) << e.what();
    }
    EXPECT_EQ(store.OptionText("DelayTime"), before);
}

INSTANTIATE_TEST_SUITE_P(Values, OptionRefused, ::testing::Values(
    BadCase{"NoSuchOption", "1", "NoSuchOption"},
    BadCase{"DelayTime", "fast", "\"fast\""},
    BadCase{"DelayTime", "12abc", "12abc"},
    BadCase{"DelayTime", "99999999999", "DelayTime"},
    BadCase{"DelayTime", "", "DelayTime"},
    BadCase{"UseShortcuts", "maybe", "maybe"},
    BadCase{"ShortcutEnglish", "Ctrl+Nothing", "Ctrl+Nothing"},
    BadCase{"ShortcutEnglish", "0x12345", "ShortcutEnglish"},
    BadCase{"WordsListCount", "3", "list"},
    BadCase{"MacrosCount", "0", "list"}));

TEST(OptionAccess, ListCountsAndEntriesReadByStoredName) {
    ConfigStore store;
    testing::FillWithSampleValues(*store.GetCfg());
    EXPECT_EQ(store.OptionText("WordsListCount"), "6");
    EXPECT_EQ(store.OptionText("Word1"), " S");
    EXPECT_EQ(store.OptionText("ConditionsCount"), "4");
    EXPECT_EQ(store.OptionText("Condition0"), "*begin|");
    EXPECT_EQ(store.OptionText("SubstCount"), "34");
    EXPECT_EQ(store.OptionText("Subst33To"), " := |;");
    EXPECT_EQ(store.OptionText("subst0from"), "* for *=| ^*:=| {|}");
    EXPECT_EQ(store.OptionText("MacrosCount"), "3");
    EXPECT_EQ(store.OptionText("Macro2Name"), "  spaced name  ");
    EXPECT_EQ(store.OptionText("Macro2Data"), "00FF10");
    EXPECT_EQ(store.OptionText("Macro0Shortcut"), "Shift+Ctrl+A");
    EXPECT_THROW(store.OptionText("Word6"), EOptionError);
    EXPECT_THROW(store.OptionText("Subst34From"), EOptionError);
    EXPECT_THROW(store.OptionText("Macro0Size"), EOptionError);
    EXPECT_THROW(store.OptionText("Sound_Nothing"), EOptionError);
}

TEST(OptionAccess, EveryScalarOptionRoundTripsThroughText) {
    ConfigStore source;
    testing::FillWithSampleValues(*source.GetCfg());
    ConfigStore target;
    for (const OptionDef& d : OptionTable()) {
        if (d.IsList()) continue;
        target.SetOption(d.name, source.OptionText(d.name));
    }
    target.GetCfg()->WordsList = source.GetCfg()->WordsList;
    target.GetCfg()->ConditionList = source.GetCfg()->ConditionList;
    target.GetCfg()->SubstList = source.GetCfg()->SubstList;
    target.GetCfg()->MacroList = source.GetCfg()->MacroList;
    EXPECT_EQ(DescribeConfig(*target.GetCfg(), target.Context()),
              DescribeConfig(*source.GetCfg(), source.Context()));
}

TEST(OptionTable, NamesAreUniqueAndCoverEveryShortcutAndSound) {
    std::set<std::string> names;
    std::set<int> shortcutSlots, soundSlots;
    for (const OptionDef& d : OptionTable()) {
        std::string lower(d.name);
        for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        EXPECT_TRUE(names.insert(lower).second) << d.name;
        if (d.kind == OptionKind::Shortcut) shortcutSlots.insert(d.slot);
        if (d.kind == OptionKind::String && !d.textField) soundSlots.insert(d.slot);
        EXPECT_EQ(FindOption(d.name), &d);
    }
    EXPECT_EQ(shortcutSlots.size(), static_cast<std::size_t>(kShortcutCommandCount));
    EXPECT_EQ(soundSlots.size(), static_cast<std::size_t>(kSoundEventCount));
}

}  // namespace
}  // namespace skrivo
