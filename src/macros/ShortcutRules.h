// How a key-down meets the shortcuts: matching, and the route a key takes while a recording runs.
#pragma once

#include <span>
#include <string>

#include "macros/MacroList.h"
#include "platform/ShortCut.h"

namespace skrivo {

// What the recording filter does with a command's key while the IDE records.
enum class TWhileRecording {
    LeftToRecorder,       // the recorder takes the key as typing
    PassesWithShortcuts,  // handled by the expert when UseShortcuts is on
    AlwaysPasses,         // handled by the expert whatever UseShortcuts says
    ShowsOptions,         // the options key: handled, also over other forms
};

// A command's key as the recording filter sees it.
struct TCommandKey {
    win::TShortCut shortCut = win::scNone;
    TWhileRecording whileRecording = TWhileRecording::LeftToRecorder;
};

// The key is the shortcut's key and the modifiers held are exactly its
// modifiers. No shortcut (0) matches no key.
bool KeyMatches(win::TShortCut shortCut, win::WORD key, win::TShiftState shift);

// The find key that, while recording, opens the expert's own search.
inline constexpr win::TShortCut kSearchRecordKey = win::scCtrl | 'F';

enum class TRecordedKeyRoute {
    Recorder,    // left to the IDE, which records it
    Expert,      // goes through the expert's key handling (a command or macro key)
    OptionsKey,  // as Expert, and it is the options shortcut
    SearchRecord // consumed: the expert's search opens
};

struct TRecordingSwitches {
    bool useShortcuts = true;
    bool useMacroShortcuts = true;
};

// The recording filter: where a key-down goes while the IDE records. Keys
// that type a letter or digit join recordedKeys (the preset of the new
// macro's name), lower case unless Shift is held, each followed by a blank.
TRecordedKeyRoute RouteRecordedKey(std::span<const TCommandKey> commands, const TMacroList& macros,
                                   TRecordingSwitches switches, win::WORD key, win::TShiftState shift,
                                   std::string& recordedKeys);

}  // namespace skrivo
