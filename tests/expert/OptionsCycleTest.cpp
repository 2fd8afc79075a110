// DoShowOptions: Cancel gives back the whole configuration, OK stores it with the page shown last.
#include <gtest/gtest.h>

#include <functional>

#include <QCheckBox>
#include <QPushButton>
#include <QTreeWidget>

#include "config/ConfigTransfer.h"
#include "config/ConfigStore.h"
#include "config/ExpertConfig.h"
#include "OptionsCycleFixture.h"
#include "expert/SkrivoExpert.h"
#include "host/api/Form.h"
#include "host/testing/OffscreenHost.h"
#include "macros/Macro.h"
#include "options/dialog/OptionsForm.h"
#include "options/dialog/OptionsServices.h"
#include "platform/FileIO.h"
#include "platform/Registry.h"

namespace skrivo {
namespace {


constexpr const char* kKey = "Software\\Quorvel\\Skrivo\\Delphi7";

class OptionsCycle : public OptionsCycleFixture {};

TEST_F(OptionsCycle, CancelPutsBackOptionsListsAndMacrosBitForBit) {
    auto macro = std::make_unique<TMacro>();
    macro->SetName("wrap");
    expert->GetCfg()->MacroList.Add(std::move(macro));
    expert->GetCfg()->ConditionList = StringList{"cond"};
    const TMacro* kept = &expert->GetCfg()->MacroList[0];
    const std::string before = Saved("before.sk");
    ShowOptions([](TfmOptions& form) {
        form.findChild<QCheckBox*>("chkShowTips")->click();
        auto* words = form.findChild<QTreeWidget*>("lvWords");
        words->setCurrentItem(words->topLevelItem(1));
        form.findChild<QPushButton*>("btnWordDown")->click();
        form.findChild<QPushButton*>("btnRemoveWord")->click();
        words->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
        // Reset and "Save to file" write into the running record first.
        form.findChild<QPushButton*>("btnResetDefault")->click();
        form.WriteBack(form.Expert().Cfg());
        form.SetActivePage(3);
        form.btnCancel->click();
    });
    EXPECT_EQ(expert->GetCfg()->LastOptionsTab, 3);
    expert->GetCfg()->LastOptionsTab = 0;
    EXPECT_EQ(Saved("after.sk"), before);
    // The very macro object: a playback that opened the dialog still holds it.
    EXPECT_EQ(&expert->GetCfg()->MacroList[0], kept);
}

TEST_F(OptionsCycle, OkStoresTheChangesWithThePageShownLast) {
    const bool tips = expert->GetCfg()->ShowTips;
    ShowOptions([](TfmOptions& form) {
        form.findChild<QCheckBox*>("chkShowTips")->click();
        form.findChild<QCheckBox*>("chkFastReadText")->setChecked(false);
        form.SetActivePage(4);
        form.btnOK->click();
    });
    EXPECT_EQ(expert->GetCfg()->ShowTips, !tips);
    EXPECT_FALSE(expert->FastReadText());
    Registry reg;
    ASSERT_TRUE(reg.OpenKey(kKey, false));
    // Stored with the save, not after it: the next start opens on this page.
    EXPECT_EQ(reg.ReadInteger("LastOptionsTab"), 4);
    EXPECT_EQ(reg.ReadBool("ShowTips"), !tips);
}

TEST_F(OptionsCycle, TheDialogOpensOnThePageShownLast) {
    expert->GetCfg()->LastOptionsTab = 5;
    int shown = -1;
    ShowOptions([&](TfmOptions& form) {
        shown = form.ActivePage();
        form.btnCancel->click();
    });
    EXPECT_EQ(shown, 5);
}

}  // namespace
}  // namespace skrivo
