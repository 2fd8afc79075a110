// TfmMergeProgress: runs the dictionary merge on its first timer tick, showing progress, with a Stop button.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "completion/DictionaryMerge.h"
#include "options/DialogForm.h"
#include "platform/StringList.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace skrivo {

namespace host {
class ITimer;
}

// The merge runs inside the timer handler of the modal dialog and keeps the
// application responsive by processing messages after every line; closing
// the window counts as Stop. Whatever happens, the dialog closes with OK.
class TfmMergeProgress final : public TDialogForm {
    Q_OBJECT
public:
    // Needs a running host for its timer.
    TfmMergeProgress();
    ~TfmMergeProgress() override;
    TfmMergeProgress(const TfmMergeProgress&) = delete;
    TfmMergeProgress& operator=(const TfmMergeProgress&) = delete;

    // Owned by the form (Qt children).
    QProgressBar* ProgressBar1;
    QLabel* Label1;
    QPushButton* btnStop;
    std::unique_ptr<host::ITimer> Timer1;

    // Set by the caller before showing.
    StringList* FTarget = nullptr;
    std::string FSourceFile;
    bool FStopped = false;

    void Timer1Timer();
    void btnStopClick();

    // What the merge did; empty until it has run.
    const std::optional<MergeOutcome>& Outcome() const { return outcome_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowProgress(int percent);
    void RunMerge();

    int shownPercent_ = 0;
    bool mergeStarted_ = false;
    std::optional<MergeOutcome> outcome_;
};

// The progress dialog while it exists; nullptr otherwise. Its presence tells
// the rest of the expert that a merge is running.
extern TfmMergeProgress* fmMergeProgress;

}  // namespace skrivo
