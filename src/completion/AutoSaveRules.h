// When the self-teaching dictionary is saved automatically: small predicates over tick counts.
#pragma once

#include <cstdint>

namespace skrivo {

// The AutoSave option.
enum class AutoSaveMode : int { WhenIdeClosed = 0, WhenFileSaved = 1, Periodically = 2 };

// A burst of "save all" notifications writes the dictionary once.
inline constexpr std::int64_t kSaveAfterFileSaveGapMs = 1000;
// The periodic mode writes at most this often (the option's caption promises
// five minutes; the users' dictionaries have always been saved this often).
inline constexpr std::int64_t kPeriodicSaveIntervalMs = 30000;

// Milliseconds between the last save and now, as the system has always
// measured them: the stored tick in full, the current one with its top bit
// cleared, the absolute difference of the two.
std::int64_t MsSinceLastSave(std::uint32_t lastSaveTick, std::uint32_t tickNow);

// On a file saved in the IDE: whether to ask for a save at the next timer tick.
bool SaveRequestedByFileSave(int autoSave, std::uint32_t lastSaveTick, std::uint32_t tickNow);

// On a timer tick: whether the periodic save is due.
bool PeriodicSaveDue(int autoSave, std::uint32_t lastSaveTick, std::uint32_t tickNow);

}  // namespace skrivo
