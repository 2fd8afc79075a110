// DoShowOptions with the list pages: Cancel gives back macros, substitutions and sounds bit for bit; OK takes their rows.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

#include "config/ExpertConfig.h"
#include "OptionsCycleFixture.h"
#include "expert/SkrivoExpert.h"
#include "host/api/Form.h"
#include "host/testing/OffscreenHost.h"
#include "macros/Macro.h"
#include "options/dialog/OptionsForm.h"
#include "options/dialog/OptionsServices.h"
#include "platform/FileIO.h"

namespace skrivo {
namespace {

class OptionsListsCycle : public OptionsCycleFixture {
protected:
    void SetUp() override {
        OptionsCycleFixture::SetUp();
        for (const char* name : {"one", "two", "three"}) {
            auto macro = std::make_unique<TMacro>();
            macro->SetName(name);
            macro->SetShtcut(static_cast<std::uint16_t>(0x4000 | name[1]));
            macro->FData.WriteBytes(std::string("keys of ") + name);
            expert->GetCfg()->MacroList.Add(std::move(macro));
        }
        expert->GetCfg()->Sounds[seAppear] = host.Temp().Write("a.wav", "RIFF");
    }
    // A row chosen as a plain click chooses it: setCurrentItem alone would
    // read Qt's keyboard modifiers of the last key press, which synthesized
    // key releases never reset, so a Shift or Ctrl held in an earlier test of
    // the same process would extend the selection.
    static void Choose(QTreeWidget* tree, int row) {
        tree->setCurrentItem(tree->topLevelItem(row), 0, QItemSelectionModel::ClearAndSelect);
    }
    // Rows of every list page moved, changed and removed.
    static void ChangeEveryList(TfmOptions& form) {
        auto* macros = form.findChild<QTreeWidget*>("lvMacroList");
        emit macros->header()->sectionClicked(0);
        Choose(macros, 2);
        form.findChild<QPushButton*>("btnMacroTop")->click();
        Choose(macros, 1);
        form.findChild<QPushButton*>("btnMacroDelete")->click();
        auto* subst = form.findChild<QTreeWidget*>("lvSubst");
        subst->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
        Choose(subst, 3);
        form.findChild<QPushButton*>("btnDuplicateSubst")->click();
        form.findChild<QPushButton*>("btnSubstUp")->click();
        Choose(subst, 5);
        form.findChild<QPushButton*>("btnDeleteSubst")->click();
        auto* events = form.findChild<QTreeWidget*>("lvEvents");
        form.findChild<QWidget*>("chkEnableSounds")->setProperty("checked", true);
        events->topLevelItem(seAppear)->setSelected(true);
        form.findChild<QPushButton*>("btnClearSound")->click();
    }
};

TEST_F(OptionsListsCycle, CancelAfterChangingEveryListLeavesThemBitForBit) {
    const std::string before = Saved("before.sk");
    ShowOptions([](TfmOptions& form) {
        ChangeEveryList(form);
        // "Save to file" writes the rows into the running record first.
        form.WriteBack(form.Expert().Cfg());
        form.SetActivePage(0);
        form.btnCancel->click();
    });
    EXPECT_EQ(Saved("after.sk"), before);
    ASSERT_EQ(expert->GetCfg()->MacroList.Count(), 3u);
    EXPECT_EQ(std::string(expert->GetCfg()->MacroList[0].GetData(), 11), "keys of one");
}

TEST_F(OptionsListsCycle, OkTakesTheRowsAsShown) {
    const StringList substBefore = expert->GetCfg()->SubstList;
    ShowOptions([](TfmOptions& form) {
        ChangeEveryList(form);
        form.btnOK->click();
    });
    const TExpertConfig& cfg = *expert->GetCfg();
    // Sorted by name (one, three, two), "two" to the top, then the second row gone.
    ASSERT_EQ(cfg.MacroList.Count(), 2u);
    EXPECT_EQ(cfg.MacroList[0].FName, "two");
    EXPECT_EQ(cfg.MacroList[1].FName, "three");
    EXPECT_EQ(cfg.MacroList[1].FListIndex, -1);
    ASSERT_EQ(cfg.SubstList.Count(), substBefore.Count());
    EXPECT_EQ(cfg.SubstList[0], "\x01" + substBefore[0]);
    // Row 3 twice (its copy moved above it), row 4 gone.
    EXPECT_EQ(cfg.SubstList[6], substBefore[6]);
    EXPECT_EQ(cfg.SubstList[8], substBefore[6]);
    EXPECT_EQ(cfg.SubstList[10], substBefore[10]);
    EXPECT_EQ(cfg.Sounds[seAppear], "");
}

}  // namespace
}  // namespace skrivo
