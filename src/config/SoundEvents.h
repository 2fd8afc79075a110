// The twelve sound events: their numbers (the index into the configuration's sound array) and stored names.
#pragma once

#include <array>
#include <string_view>

namespace skrivo {

enum TSoundEvent : int {
    seAppear = 0,
    seDisappear,
    seReplaced,
    seRestored,
    seCharMatches,
    seArrowInList,
    seAnyChar,
    seCarriage,
    seEscape,
    seBackspace,
    seAnyOther,
    seHaveWords,
};
inline constexpr int kSoundEventCount = 12;

// The configuration value holding each event's sound file, by event number.
inline constexpr std::array<std::string_view, kSoundEventCount> kSoundValueNames = {
    "Sound_Appear",    "Sound_Disappear", "Sound_Replaced",  "Sound_Restored",
    "Sound_CharMatches", "Sound_ArrowInList", "Sound_AnyChar", "Sound_Carriage",
    "Sound_Escape",    "Sound_Backspace", "Sound_AnyOther",  "Sound_HaveWords",
};

}  // namespace skrivo
