// TfmConsole: the diagnostic console, a tool window that shows the kept diagnostic lines.
#pragma once

#include <string_view>

namespace skrivo {

class TQvExpert;
class TfmConsole;

// The one console, or nullptr.
extern TfmConsole* fmConsole;

// Creates the console for the expert when there is none (SetShowConsole).
void CreateConsole(TQvExpert* expert);
// Frees the console when there is one and clears fmConsole.
void FreeConsole();

}  // namespace skrivo
