// Shortcut matching and the recording filter's routes, without a host.
#include <gtest/gtest.h>

#include "macros/ShortcutRules.h"
#include "platform/VirtualKeys.h"

namespace skrivo {
namespace {

using enum TWhileRecording;
using win::scCtrl;
using win::scShift;
using win::ssCtrl;
using win::ssShift;

TEST(KeyMatches, NeedsTheKeyAndExactlyItsModifiers) {
    EXPECT_TRUE(KeyMatches(scCtrl | 'E', 'E', ssCtrl));
    EXPECT_FALSE(KeyMatches(scCtrl | 'E', 'E', ssCtrl | ssShift));
    EXPECT_FALSE(KeyMatches(scCtrl | 'E', 'E', 0));
    EXPECT_FALSE(KeyMatches(win::scNone, 0, 0));
}

struct RouteCase {
    const char* what;
    win::TShortCut key;
    bool useShortcuts;
    bool useMacroShortcuts;
    TRecordedKeyRoute route;
};

class RecordingFilterRoute : public ::testing::TestWithParam<RouteCase> {};

// The commands of a default configuration, as the filter sees them.
const TCommandKey kCommands[] = {
    {scCtrl | 'E', PassesWithShortcuts},
    {scShift | scCtrl | win::VK_NUMPAD5, AlwaysPasses},
    {scShift | scCtrl | 'R', AlwaysPasses},
    {win::VK_NUMPAD5, AlwaysPasses},
    {scShift | scCtrl | 'P', LeftToRecorder},
    {scShift | scCtrl | 'O', ShowsOptions},
};

TEST_P(RecordingFilterRoute, KeyGoesWhereTheRulesSay) {
    const RouteCase& c = GetParam();
    TMacroList macros;
    auto macro = std::make_unique<TMacro>();
    macro->SetShtcut(scCtrl | scShift | 'M');
    macros.Add(std::move(macro));
    std::string recorded;
    win::WORD key = 0;
    win::TShiftState shift = 0;
    win::ShortCutToKey(c.key, key, shift);
    EXPECT_EQ(RouteRecordedKey(kCommands, macros, {c.useShortcuts, c.useMacroShortcuts}, key, shift, recorded), c.route)
        << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Routes, RecordingFilterRoute,
    ::testing::Values(
        RouteCase{"typing", 'A', true, true, TRecordedKeyRoute::Recorder},
        RouteCase{"a command key", scCtrl | 'E', true, true, TRecordedKeyRoute::Expert},
        RouteCase{"a command key without shortcuts", scCtrl | 'E', false, true, TRecordedKeyRoute::Recorder},
        RouteCase{"stop key without shortcuts", scShift | scCtrl | win::VK_NUMPAD5, false, false, TRecordedKeyRoute::Expert},
        RouteCase{"the IDE's record key", scShift | scCtrl | 'R', false, false, TRecordedKeyRoute::Expert},
        RouteCase{"play last macro", win::VK_NUMPAD5, true, true, TRecordedKeyRoute::Expert},
        RouteCase{"the IDE's play key", scShift | scCtrl | 'P', true, true, TRecordedKeyRoute::Recorder},
        RouteCase{"find", scCtrl | 'F', false, false, TRecordedKeyRoute::SearchRecord},
        RouteCase{"options", scShift | scCtrl | 'O', true, true, TRecordedKeyRoute::OptionsKey},
        RouteCase{"options without shortcuts", scShift | scCtrl | 'O', false, true, TRecordedKeyRoute::Recorder},
        RouteCase{"a macro's key", scShift | scCtrl | 'M', false, true, TRecordedKeyRoute::Expert},
        RouteCase{"a macro's key without macro shortcuts", scShift | scCtrl | 'M', true, false, TRecordedKeyRoute::Recorder}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(RecordingFilterKeys, LettersAndDigitsMakeTheNamePreset) {
    std::string recorded;
    TMacroList none;
    auto press = [&](win::WORD key, win::TShiftState shift) {
        RouteRecordedKey({}, none, {}, key, shift, recorded);
    };
    press(win::VK_SHIFT, ssShift);  // a modifier alone adds nothing
    EXPECT_EQ(recorded, "");
    press('A', ssShift);
    press('B', 0);
    press(win::VK_RETURN, 0);  // other keys only separate
    press('1', 0);
    EXPECT_EQ(recorded, "A b 1 ");
}

}  // namespace
}  // namespace skrivo
