// The start-up load (ResetDefaultConfig) and SaveCfg: defaults, stored values over them, the per-user copy.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "TempHome.h"
#include "config/ConfigStore.h"
#include "config/DefaultConfig.h"
#include "config/OptionAccess.h"
#include "platform/FileIO.h"
#include "platform/Paths.h"
#include "platform/Registry.h"
#include "platform/ShortCut.h"

namespace skrivo {
namespace {

class StartUp : public ::testing::Test {
protected:
    testing::TempHome home_;
    int soundReloads_ = 0;
    bool fastReadText_ = false;
    ConfigContext Hooks() {
        return ConfigContext{
            .getFastReadText = [this] { return fastReadText_; },
            .setFastReadText = [this](bool on) { fastReadText_ = on; },
            .reloadSounds = [this] { ++soundReloads_; },
        };
    }
};

TEST_F(StartUp, FirstStartGivesExactlyTheDefaults) {
    ConfigStore store(Hooks());
    store.ResetDefaultConfig();
    const TExpertConfig& cfg = *store.GetCfg();

    ASSERT_EQ(cfg.WordsList.Count(), 26u);
    for (std::size_t i = 0; i < 26; ++i) EXPECT_EQ(cfg.WordsList[i], kDefaultHideAfterWords[i]);
    EXPECT_EQ(cfg.WordsList[24], " S");
    ASSERT_EQ(cfg.SubstList.Count(), 66u);
    EXPECT_EQ(cfg.SubstList[0], "* for *=| ^*:=| {|}");
    EXPECT_EQ(cfg.SubstList[29], "end\\  else\\begin\\  |\\end");
    EXPECT_EQ(cfg.SubstList[65], "FALSE|");
    EXPECT_TRUE(cfg.ConditionList.Empty());
    EXPECT_TRUE(cfg.MacroList.Empty());
    EXPECT_EQ(cfg.Directory, AppPath());
    EXPECT_TRUE(fastReadText_);
    EXPECT_EQ(soundReloads_, 1);

    EXPECT_EQ(cfg.DelayTime, 250);
    EXPECT_EQ(cfg.WhatShiftCtrl, 2);
    EXPECT_EQ(cfg.AlphaBlendLevel, 220);
    EXPECT_EQ(cfg.DictionaryLimit, 10000);
    EXPECT_EQ(cfg.AutoSave, 1);
    EXPECT_EQ(cfg.WordsMaxInList, 100);
    EXPECT_EQ(cfg.DoNotShorForShorter, 2);
    EXPECT_EQ(cfg.DoNotSuggestShorter, 4);
    EXPECT_TRUE(cfg.UseCtlShf2ForceViewList);
    EXPECT_FALSE(cfg.UseInsertKey);
    EXPECT_TRUE(cfg.MoveLastMacroToTop);
    EXPECT_FALSE(cfg.AdvancedSelectMacro);

    EXPECT_EQ(cfg.Shortcuts[ShortcutJump], 0x604Au);
    EXPECT_EQ(cfg.Shortcuts[ShortcutHistory], 0x6048u);
    EXPECT_EQ(cfg.Shortcuts[ShortcutUpperCase], 0x4055u);
    EXPECT_EQ(cfg.Shortcuts[ShortcutLowerCase], 0x404Cu);
    EXPECT_EQ(cfg.Shortcuts[ShortcutEnglish], 0x4045u);
    EXPECT_EQ(cfg.Shortcuts[ShortcutRestore], 0x2008u);
    EXPECT_EQ(cfg.Shortcuts[ShortcutShowOptions], 0x604Fu);
    EXPECT_EQ(cfg.Shortcuts[ShortcutExecute], win::TextToShortCut("Num 5"));
    EXPECT_NE(cfg.Shortcuts[ShortcutExecute], 0u);
    EXPECT_EQ(cfg.Shortcuts[ShortcutStartStopRecording], win::TextToShortCut("Shift+Ctrl+Num 5"));
    EXPECT_EQ(cfg.Shortcuts[ShortcutLevelUp], win::TextToShortCut("Ctrl+["));
    EXPECT_NE(cfg.Shortcuts[ShortcutLevelUp], 0u);

    // Loading does not create the key: a first start leaves no trace.
    EXPECT_FALSE(Registry().KeyExists("Software\\Quorvel\\Skrivo\\Delphi7"));
}

TEST_F(StartUp, DefaultSubstitutionTextIs66CarriageReturnSeparatedLines) {
    std::string_view text = DefaultSubstitutionText();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 65);
    EXPECT_EQ(text.find('\n'), std::string_view::npos);
    StringList lines;
    lines.SetText(text);
    ASSERT_EQ(lines.Count(), 66u);
    EXPECT_EQ(lines[18], "*.fb\\|");
    EXPECT_EQ(lines[19], ".FieldByName( '|' ).As&");
    EXPECT_EQ(lines[51], "TRY\\  |\\FINALLY\\\\END;");
    EXPECT_EQ(lines[61], "CASE | OF\\\\END;");
}

TEST_F(StartUp, StoredValuesOverrideDefaults) {
    {
        ConfigStore first(Hooks());
        first.ResetDefaultConfig();
        first.GetCfg()->DelayTime = 1000;
        first.GetCfg()->WordsList = StringList{"only"};
        fastReadText_ = false;
        first.SaveCfg();
    }
    fastReadText_ = false;
    ConfigStore next(Hooks());
    next.ResetDefaultConfig();
    EXPECT_EQ(next.GetCfg()->DelayTime, 1000);
    EXPECT_EQ(next.GetCfg()->WordsList, StringList{"only"});
    EXPECT_FALSE(fastReadText_);
}

TEST_F(StartUp, ResetKeepsSemicolonCompleteSoundsAndSearchInHints) {
    ConfigStore store(Hooks());
    TExpertConfig& cfg = *store.GetCfg();
    cfg.SemicolonComplete = true;
    cfg.Sounds[seReplaced] = "/sounds/click.wav";
    cfg.SearchInHints = true;
    cfg.SpaceComplete = true;
    cfg.DelayTime = 2000;
    cfg.Shortcuts[ShortcutEnglish] = 0;
    cfg.ConditionList.Add("*x|");
    cfg.MacroList.Add(std::make_unique<TMacro>());
    store.ResetDefaultConfig();
    EXPECT_TRUE(cfg.SemicolonComplete);
    EXPECT_EQ(cfg.Sounds[seReplaced], "/sounds/click.wav");
    EXPECT_TRUE(cfg.SearchInHints);
    EXPECT_FALSE(cfg.SpaceComplete);
    EXPECT_EQ(cfg.DelayTime, 250);
    EXPECT_EQ(cfg.Shortcuts[ShortcutEnglish], 0x4045u);
    EXPECT_TRUE(cfg.ConditionList.Empty());
    EXPECT_TRUE(cfg.MacroList.Empty());
}

// Zero substitutions saved: the next start brings the defaults back, while
// loading that store into a running configuration keeps what it has.
TEST_F(StartUp, ZeroSavedSubstitutionsComeBackAsDefaultsAtTheNextStart) {
    {
        ConfigStore first(Hooks());
        first.ResetDefaultConfig();
        first.GetCfg()->SubstList.Clear();
        first.SaveCfg();
    }
    ConfigStore next(Hooks());
    next.ResetDefaultConfig();
    EXPECT_EQ(next.GetCfg()->SubstList.Count(), 66u);

    next.GetCfg()->SubstList = StringList{"*mine|", "ours"};
    next.LoadSaveConfig(false, "");
    EXPECT_EQ(next.GetCfg()->SubstList, (StringList{"*mine|", "ours"}));
}

TEST_F(StartUp, SaveCfgWritesThePerUserCopyBesideTheProgram) {
    testing::ScopedEnv user("USER", "alice");
    ConfigStore store(Hooks());
    store.ResetDefaultConfig();
    store.GetCfg()->DelayTime = 750;
    store.SaveCfg();
    std::string copy = AppPath() + "alice.LastConfig.sk";
    ASSERT_TRUE(FileExists(copy));

    ConfigStore fromCopy(Hooks());
    fromCopy.LoadSaveConfig(false, copy);
    EXPECT_EQ(fromCopy.GetCfg()->DelayTime, 750);
    EXPECT_EQ(DescribeConfig(*fromCopy.GetCfg(), fromCopy.Context()),
              DescribeConfig(*store.GetCfg(), store.Context()));
}

TEST_F(StartUp, SaveCfgWithoutAUserNameSavesTheRegistryOnly) {
    testing::ScopedEnv user("USER", std::string(300, 'u'));  // longer than the name buffer
    ConfigStore store(Hooks());
    store.ResetDefaultConfig();
    store.GetCfg()->DelayTime = 500;
    store.SaveCfg();
    ConfigStore next(Hooks());
    next.ResetDefaultConfig();
    EXPECT_EQ(next.GetCfg()->DelayTime, 500);
    for (const auto& entry : std::filesystem::directory_iterator(home_.Path()))
        EXPECT_EQ(entry.path().string().find(".LastConfig.sk"), std::string::npos) << entry.path();
}

}  // namespace
}  // namespace skrivo
