// The two merge dialogs as the self-teaching dictionary calls them: ask, and merge with progress.
#include "options/MergeDialogs.h"

#include <memory>

#include <QCheckBox>

#include "options/MergeConfirm.h"
#include "options/MergeProgress.h"

namespace skrivo {

MergeConfirmAnswer AskMergeConfirmation() {
    // Created right before use and gone right after, on every path; its
    // destructor clears fmMergeConfirm.
    const auto dialog = std::make_unique<TfmMergeConfirm>();
    const int result = dialog->ShowModal();
    MergeConfirmAnswer answer;
    answer.merge = result == host::mrOk;
    answer.noMoreAsk = dialog->chkNoMoreShow->isChecked();
    return answer;
}

MergeOutcome RunMergeWithProgress(StringList& target, const std::string& sourceFile) {
    const auto dialog = std::make_unique<TfmMergeProgress>();
    dialog->FTarget = &target;
    dialog->FSourceFile = sourceFile;
    dialog->ShowModal();
    if (dialog->Outcome()) return *dialog->Outcome();
    // Closed before the merge began: nothing was taken in, and the caller
    // must not take the file as merged.
    MergeOutcome notStarted;
    notStarted.stopped = true;
    return notStarted;
}

DictionaryMergeHooks MergeDialogHooks() {
    DictionaryMergeHooks hooks;
    hooks.confirm = [] { return AskMergeConfirmation(); };
    hooks.runMerge = [](StringList& target, const std::string& sourceFile) {
        return RunMergeWithProgress(target, sourceFile);
    };
    return hooks;
}

}  // namespace skrivo
