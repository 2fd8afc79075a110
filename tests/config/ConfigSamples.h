// A configuration in which every field differs from its default, for round-trip tests.
#pragma once

#include "config/ExpertConfig.h"

namespace skrivo::testing {

// Sets every stored option to a value other than its default and fills the
// four lists with entries that are awkward to store: leading blanks, "=",
// quotes, a switched-off entry, empty entries, binary macro data with NUL and
// 0xFF bytes, a macro without name or data. Returns the FastReadText value to
// go with it (the default's opposite).
bool FillWithSampleValues(TExpertConfig& cfg);

}  // namespace skrivo::testing
