// The options dialog's search for an option by a fragment of its caption or help.
#pragma once

namespace skrivo {

class TfmOptions;

// Runs the search dialog over the options dialog (made on first use, kept
// until the options dialog goes); true when the user went to a found control.
bool RunOptionSearch(TfmOptions& form);

}  // namespace skrivo
