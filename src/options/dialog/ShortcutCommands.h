// The descriptions of the twelve shortcut commands, in the order of the record's shortcut slots.
#pragma once

#include <array>

#include "config/ExpertConfig.h"

namespace skrivo {

// "English||Russian"; a description beginning with "-" marks a command the
// Shortcuts page does not offer (its spin buttons pass it by).
extern const std::array<const char*, kShortcutCommandCount> kShortcutDescriptions;

}  // namespace skrivo
