// The two merge dialogs as the self-teaching dictionary calls them: ask, and merge with progress.
#pragma once

#include <string>

#include "completion/DictionaryMerge.h"
#include "completion/SelfTeachingDictionary.h"
#include "platform/StringList.h"

namespace skrivo {

// Shows the confirmation modally. merge is true exactly when it closed with
// "Yes"; noMoreAsk is the check box as it was when the dialog closed,
// whichever way it closed.
MergeConfirmAnswer AskMergeConfirmation();

// Shows the progress dialog modally over target and sourceFile; the merge
// runs on its first timer tick. A dialog closed before that tick merges
// nothing and reports the merge as stopped. Needs a running host.
MergeOutcome RunMergeWithProgress(StringList& target, const std::string& sourceFile);

// Both, as the hooks of SelfTeachingDictionary::CheckDicChanged and
// MergeDictionary.
DictionaryMergeHooks MergeDialogHooks();

}  // namespace skrivo
