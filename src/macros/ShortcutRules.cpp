// How a key-down meets the shortcuts: matching, and the route a key takes while a recording runs.
#include "macros/ShortcutRules.h"

namespace skrivo {

bool KeyMatches(win::TShortCut shortCut, win::WORD key, win::TShiftState shift) {
    if (shortCut == win::scNone) return false;
    win::WORD scKey = 0;
    win::TShiftState scShift = 0;
    win::ShortCutToKey(shortCut, scKey, scShift);
    return scKey == key && scShift == shift;
}

namespace {

bool IsLetterOrDigit(win::WORD key) { return (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'); }

void NoteRecordedKey(std::string& recordedKeys, win::WORD key, win::TShiftState shift) {
    if (IsLetterOrDigit(key)) {
        char ch = static_cast<char>(key);
        if (!(shift & win::ssShift) && ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
        recordedKeys += ch;
    }
    if (!recordedKeys.empty() && recordedKeys.back() != ' ') recordedKeys += ' ';
}

}  // namespace

TRecordedKeyRoute RouteRecordedKey(std::span<const TCommandKey> commands, const TMacroList& macros,
                                   TRecordingSwitches switches, win::WORD key, win::TShiftState shift,
                                   std::string& recordedKeys) {
    using enum TWhileRecording;
    for (const TCommandKey& command : commands)
        if (command.whileRecording == AlwaysPasses && KeyMatches(command.shortCut, key, shift))
            return TRecordedKeyRoute::Expert;
    if (KeyMatches(kSearchRecordKey, key, shift)) return TRecordedKeyRoute::SearchRecord;

    NoteRecordedKey(recordedKeys, key, shift);
    if (switches.useShortcuts) {
        for (const TCommandKey& command : commands) {
            if (!KeyMatches(command.shortCut, key, shift)) continue;
            if (command.whileRecording == ShowsOptions) return TRecordedKeyRoute::OptionsKey;
            if (command.whileRecording != LeftToRecorder) return TRecordedKeyRoute::Expert;
        }
    }
    if (switches.useMacroShortcuts) {
        for (const auto& macro : macros)
            if (KeyMatches(macro->FShtcut, key, shift)) return TRecordedKeyRoute::Expert;
    }
    return TRecordedKeyRoute::Recorder;
}

}  // namespace skrivo
