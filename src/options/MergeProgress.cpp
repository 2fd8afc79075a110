// TfmMergeProgress: runs the dictionary merge on its first timer tick, showing progress, with a Stop button.
#include "options/MergeProgress.h"

#include <algorithm>
#include <exception>
#include <stdexcept>
#include <string>

#include <QCloseEvent>
#include <QHideEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>

#include "host/api/Host.h"

namespace skrivo {

TfmMergeProgress* fmMergeProgress = nullptr;

namespace {

// Long enough after showing for the dialog to be painted before the merge
// takes the main thread.
constexpr unsigned kStartDelayMs = 100;

std::string PercentText(int percent) { return std::to_string(percent) + " %"; }

host::IHost& RunningHost() {
    host::IHost* h = host::Host();
    if (!h) throw std::logic_error("the merge progress dialog needs a running host");
    return *h;
}

}  // namespace

TfmMergeProgress::TfmMergeProgress()
    : TDialogForm("TfmMergeProgress", "fmMergeProgress", 270, 61), Timer1(RunningHost().CreateTimer()) {
    SetCaption("Merging dictionary");
    ProgressBar1 = new QProgressBar(this);
    SetControlClass(ProgressBar1, "ProgressBar1");
    ProgressBar1->setGeometry(8, 8, 209, 17);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    // The percentage is the label's; a smooth bar shows no text of its own.
    ProgressBar1->setTextVisible(false);
    Label1 = AddLabel("Label1", PercentText(0), QRect(224, 8, 0, 0));
    Label1->adjustSize();
    btnStop = AddButton("btnStop", "Stop", QRect(72, 32, 97, 25));
    btnStop->setFocus(Qt::OtherFocusReason);
    connect(btnStop, &QPushButton::clicked, this, [this] { btnStopClick(); });

    Timer1->SetInterval(kStartDelayMs);
    Timer1->SetOnTimer([this] { Timer1Timer(); });
    fmMergeProgress = this;
}

TfmMergeProgress::~TfmMergeProgress() {
    Timer1->SetEnabled(false);
    Timer1->SetOnTimer(nullptr);
    if (fmMergeProgress == this) fmMergeProgress = nullptr;
}

// The timer starts with the dialog on screen, so the merge never runs while
// nothing shows it or could stop it.
void TfmMergeProgress::showEvent(QShowEvent* event) {
    TDialogForm::showEvent(event);
    if (!event->spontaneous() && !mergeStarted_) Timer1->SetEnabled(true);
}

void TfmMergeProgress::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) Timer1->SetEnabled(false);
    TDialogForm::hideEvent(event);
}

// Without title-bar buttons the window can still be closed (Alt+F4, the
// window manager); that is a request to stop, and the dialog still ends with
// OK so the caller sees one outcome.
void TfmMergeProgress::closeEvent(QCloseEvent* event) {
    FStopped = true;
    SetModalResult(host::mrOk);
    TDialogForm::closeEvent(event);
}

void TfmMergeProgress::Timer1Timer() {
    Timer1->SetEnabled(false);
    // A tick that comes again (the timer re-armed, a nested message loop)
    // must not merge the file a second time.
    if (mergeStarted_) return;
    mergeStarted_ = true;
    try {
        RunMerge();
    } catch (const std::exception& e) {
        // Only message processing can throw here: the loop itself turns its
        // failures into the outcome.
        if (!outcome_) outcome_.emplace();
        outcome_->failed = true;
        outcome_->error = e.what();
    } catch (...) {
        if (!outcome_) outcome_.emplace();
        outcome_->failed = true;
        outcome_->error = "unknown error";
    }
    SetModalResult(host::mrOk);
}

void TfmMergeProgress::RunMerge() {
    host::IApplication& app = RunningHost().Application();
    app.ProcessMessages();
    if (!FTarget) {
        outcome_.emplace();
        outcome_->failed = true;
        outcome_->error = "no dictionary to merge into";
        return;
    }
    MergeLoopHooks hooks;
    hooks.progress = [this, &app](int percent) {
        ShowProgress(percent);
        app.ProcessMessages();
    };
    hooks.stopRequested = [this] { return FStopped; };
    outcome_ = RunMergeLoop(*FTarget, FSourceFile, hooks);
}

void TfmMergeProgress::ShowProgress(int percent) {
    percent = std::clamp(percent, 0, 100);
    if (percent == shownPercent_) return;
    shownPercent_ = percent;
    ProgressBar1->setValue(percent);
    Label1->setText(AnsiToQt(PercentText(percent)));
    Label1->adjustSize();
}

void TfmMergeProgress::btnStopClick() {
    FStopped = true;
    SetModalResult(host::mrOk);
}

}  // namespace skrivo
