// Tick arithmetic of the dictionary's automatic saves.
#include "completion/AutoSaveRules.h"

namespace skrivo {

std::int64_t MsSinceLastSave(std::uint32_t lastSaveTick, std::uint32_t tickNow) {
    const std::int64_t now = tickNow & 0x7FFFFFFFu;
    const std::int64_t diff = now - static_cast<std::int64_t>(lastSaveTick);
    return diff < 0 ? -diff : diff;
}

bool SaveRequestedByFileSave(int autoSave, std::uint32_t lastSaveTick, std::uint32_t tickNow) {
    return autoSave == static_cast<int>(AutoSaveMode::WhenFileSaved) &&
           MsSinceLastSave(lastSaveTick, tickNow) > kSaveAfterFileSaveGapMs;
}

bool PeriodicSaveDue(int autoSave, std::uint32_t lastSaveTick, std::uint32_t tickNow) {
    return autoSave == static_cast<int>(AutoSaveMode::Periodically) &&
           MsSinceLastSave(lastSaveTick, tickNow) > kPeriodicSaveIntervalMs;
}

}  // namespace skrivo
