// The command shortcuts in the key dispatch: which keys run what, which are consumed, and the error beep.
#include <set>

#include <gtest/gtest.h>

#include "DispatchTestSupport.h"
#include "expert/SkrivoCommands.h"
#include "host/services/WindowsServices.h"
#include "platform/ShortCut.h"

namespace skrivo {
namespace {

using dispatch_test::ExpertOverIde;
using win::scCtrl;
using win::scShift;

TEST(ExpertCommandTable, EveryConfigurableShortcutRunsExactlyOneCommandAndNamesAreUnique) {
    std::multiset<int> bound;
    std::set<std::string_view> names;
    for (const TExpertCommand& command : ExpertCommands()) {
        if (command.shortcutOption != kNoShortcutOption) bound.insert(command.shortcutOption);
        EXPECT_TRUE(names.insert(command.name).second) << command.name;
    }
    for (int slot = 0; slot < kShortcutCommandCount; ++slot) EXPECT_EQ(bound.count(slot), 1u) << slot;
    EXPECT_EQ(FindExpertCommand("DoExecuteList")->shortcutOption, ShortcutExecuteFromList);
    EXPECT_EQ(FindExpertCommand("DoFrob"), nullptr);
}

class ShortcutStage : public ExpertOverIde {
protected:
    win::TShortCut BeginEndKey() { return static_cast<win::TShortCut>(Cfg().Shortcuts[ShortcutBeginEnd]); }
    int Beeps() { return static_cast<host::WindowsServices&>(host->Windows()).MessageBeepCount(); }
};

TEST_F(ShortcutStage, WithShortcutsOffCommandKeysReachTheEditor) {
    Start("begin|\r\nend;");
    Cfg().UseShortcuts = false;
    host.PressShortCut(BeginEndKey());
    EXPECT_TRUE(EditorGot(BeginEndKey() & 0xFF));
}

TEST_F(ShortcutStage, ACommandThatWorksIsConsumedWithoutABeep) {
    Start("begin|\r\nend;");
    const int before = Beeps();
    host.PressShortCut(BeginEndKey());
    EXPECT_FALSE(EditorGot(BeginEndKey() & 0xFF));
    EXPECT_EQ(host.TextWithCursor(), "begin\r\n|end;");
    EXPECT_EQ(Beeps(), before);
}

TEST_F(ShortcutStage, ACommandThatFailsIsConsumedWithABeepWhenBeepOnErrorIsOn) {
    Start("x|");
    const int before = Beeps();
    host.PressShortCut(scShift | scCtrl | 'J');  // nothing to jump to
    EXPECT_FALSE(EditorGot('J'));
    EXPECT_EQ(Beeps(), before + 1);
    Cfg().BeepOnError = false;
    host.PressShortCut(scShift | scCtrl | 'J');
    EXPECT_EQ(Beeps(), before + 1);
}

TEST_F(ShortcutStage, TheIdesRecordAndPlayKeysAreTakenAndDoNothing) {
    Start("x|");
    Cfg().MacroList.Clear();
    const int before = Beeps();
    host.PressShortCut(scShift | scCtrl | 'R');
    host.Type("ab");
    host.PressShortCut(scShift | scCtrl | 'R');
    host.PressShortCut(scShift | scCtrl | 'P');
    EXPECT_FALSE(EditorGot('R'));
    EXPECT_FALSE(EditorGot('P'));
    EXPECT_FALSE(host->KeyboardServices()->CurrentRecord()->IsRecording());
    EXPECT_EQ(host.TextWithCursor(), "xab|");
    EXPECT_EQ(Beeps(), before);
}

}  // namespace
}  // namespace skrivo
