// The merge progress dialog: when the merge starts, that it runs once, Stop and closing, the progress shown, the global.
#include <algorithm>
#include <memory>

#include <QLabel>
#include <QTimer>
#include <QProgressBar>
#include <QPushButton>

#include "host/api/Form.h"
#include "options/MergeConfirm.h"
#include "options/MergeDialogs.h"
#include "options/MergeProgress.h"
#include "options/MergeDialogTest.h"

namespace skrivo {
namespace {

using host::TForm;
using test::Words;

Words Numbered(const std::string& stem, int count) {
    Words words;
    for (int i = 0; i < count; ++i) words.push_back(stem + std::to_string(i));
    return words;
}

class MergeProgress : public test::MergeDialogTest {
protected:
    // Shows the dialog over target and file; answer runs while it is up.
    int ShowOver(StringList& targetList, const std::string& file, const std::function<void(TfmMergeProgress&)>& answer) {
        host->SetModalAnswerer([&](TForm& shown) { answer(dynamic_cast<TfmMergeProgress&>(shown)); });
        auto dialog = std::make_unique<TfmMergeProgress>();
        dialog->FTarget = &targetList;
        dialog->FSourceFile = file;
        const int result = dialog->ShowModal();
        outcome = dialog->Outcome();
        return result;
    }

    StringList target{"mine", "begin"};
    std::optional<MergeOutcome> outcome;
};

TEST_F(MergeProgress, MergeStartsOnTheFirstTickAfterShowingAndClosesWithOk) {
    const std::string file = WriteDictionary("Skrivo.dic", {"begin", "end", "", "theirs", "end"});
    auto dialog = std::make_unique<TfmMergeProgress>();
    EXPECT_EQ(dialog->Timer1->Interval(), 100u);
    EXPECT_FALSE(dialog->Timer1->Enabled());  // not before it is on screen
    host.Advance(1000);
    EXPECT_FALSE(dialog->Outcome());
    dialog.reset();

    const int result = ShowOver(target, file, [&](TfmMergeProgress& form) {
        EXPECT_TRUE(form.Timer1->Enabled());
        host.Advance(99);
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(target.Lines(), (Words{"mine", "begin"}));
        host.Advance(1);
        EXPECT_FALSE(form.isVisible());
        EXPECT_FALSE(form.Timer1->Enabled());
    });
    EXPECT_EQ(result, host::mrOk);
    ASSERT_TRUE(outcome);
    EXPECT_TRUE(outcome->Completed());
    EXPECT_EQ(outcome->inserted, 3u);
    // Missing lines in the file's order on top, repeats included, the empty
    // line and the entry already there left out.
    EXPECT_EQ(target.Lines(), (Words{"end", "theirs", "end", "mine", "begin"}));
}

// A tick that arrives again while the merge runs (the message processing
// after every line delivers it) or after it ended must not merge twice.
TEST_F(MergeProgress, MergeRunsExactlyOnceWhateverTicksAgain) {
    const std::string file = WriteDictionary("Skrivo.dic", Numbered("w", 50));
    constexpr win::UINT kTickAgain = win::WM_USER + 77;
    int reentered = 0;
    ShowOver(target, file, [&](TfmMergeProgress& form) {
        form.SetMessageHandler([&form, &reentered](win::UINT msg, win::WPARAM, win::LPARAM, win::LRESULT&) {
            if (msg != kTickAgain) return false;
            ++reentered;
            form.Timer1Timer();
            return true;
        });
        QObject::connect(form.ProgressBar1, &QProgressBar::valueChanged, &form, [&](int value) {
            if (value != 50) return;
            form.Timer1->SetEnabled(true);
            host->Application().PostMessage(form.Handle(), kTickAgain, 0, 0);
        });
        host.Advance(100);
        host.Advance(500);
        form.Timer1Timer();
    });
    EXPECT_EQ(reentered, 1);
    ASSERT_TRUE(outcome);
    EXPECT_TRUE(outcome->Completed());
    EXPECT_EQ(outcome->inserted, 50u);
    EXPECT_EQ(target.Count(), 52u);
}

// The user clicks "Stop" while the bar shows 30 %: the click waits in the
// queue until the merge processes messages after that line.
TEST_F(MergeProgress, StopKeepsTheEntriesInsertedSoFarAndClosesWithOk) {
    const Words lines = Numbered("w", 1000);
    const std::string file = WriteDictionary("Skrivo.dic", lines);
    const int result = ShowOver(target, file, [&](TfmMergeProgress& form) {
        QObject::connect(form.ProgressBar1, &QProgressBar::valueChanged, &form, [&](int value) {
            if (value == 30) PostClick(form.btnStop);
        });
        host.Advance(100);
        EXPECT_TRUE(form.FStopped);
        EXPECT_EQ(form.Label1->text(), "30 %");
    });
    EXPECT_EQ(result, host::mrOk);
    ASSERT_TRUE(outcome);
    EXPECT_TRUE(outcome->stopped);
    // Lines 999 down to 701 were taken before the line at 30 % was reached.
    EXPECT_EQ(outcome->inserted, 299u);
    ASSERT_EQ(target.Count(), 301u);
    EXPECT_TRUE(std::equal(target.Lines().begin(), target.Lines().begin() + 299, lines.end() - 299));
    EXPECT_EQ(target[299], "mine");
    EXPECT_EQ(target[300], "begin");
}

TEST_F(MergeProgress, StopBeforeTheFirstTickMergesNothing) {
    const std::string file = WriteDictionary("Skrivo.dic", {"theirs"});
    const int result = ShowOver(target, file, [&](TfmMergeProgress& form) {
        form.FindComponent("btnStop")->Click();
        EXPECT_FALSE(form.Timer1->Enabled());
        host.Advance(1000);
    });
    EXPECT_EQ(result, host::mrOk);
    EXPECT_FALSE(outcome);
    EXPECT_EQ(target.Lines(), (Words{"mine", "begin"}));
}

// Without title-bar buttons the window can still be closed; that stops the
// merge like the button does, and the dialog still ends with OK.
TEST_F(MergeProgress, ClosingTheWindowMidwayStopsLikeTheButton) {
    const std::string file = WriteDictionary("Skrivo.dic", Numbered("w", 200));
    const int result = ShowOver(target, file, [&](TfmMergeProgress& form) {
        QObject::connect(form.ProgressBar1, &QProgressBar::valueChanged, &form, [&](int value) {
            if (value == 50) host->Application().PostMessage(form.Handle(), win::WM_CLOSE, 0, 0);
        });
        host.Advance(100);
    });
    EXPECT_EQ(result, host::mrOk);
    ASSERT_TRUE(outcome);
    EXPECT_TRUE(outcome->stopped);
    EXPECT_EQ(outcome->inserted, 99u);
    EXPECT_EQ(target.Count(), 101u);
}

// The bar and its label move together, never back and never past 100, and
// end at 100 however few lines the file has.
class ProgressShown : public MergeProgress, public ::testing::WithParamInterface<int> {};

TEST_P(ProgressShown, BarAndLabelAgreeAndEndAtExactly100) {
    const int lineCount = GetParam();
    const std::string file = WriteDictionary("Skrivo.dic", Numbered("w", lineCount));
    std::vector<int> values;
    ShowOver(target, file, [&](TfmMergeProgress& form) {
        QObject::connect(form.ProgressBar1, &QProgressBar::valueChanged, &form, [&](int value) {
            values.push_back(value);
            EXPECT_LE(value, 100);
        });
        host.Advance(100);
        EXPECT_EQ(form.ProgressBar1->value(), 100);
        EXPECT_EQ(form.ProgressBar1->maximum(), 100);
        EXPECT_EQ(form.Label1->text(), "100 %");
        EXPECT_LE(form.Label1->geometry().right(), form.width() - 1);
    });
    ASSERT_FALSE(values.empty());
    EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
    EXPECT_EQ(values.back(), 100);
    EXPECT_EQ(outcome->inserted, static_cast<std::size_t>(lineCount));
}

INSTANTIATE_TEST_SUITE_P(LineCounts, ProgressShown, ::testing::Values(1, 2, 3, 7, 100, 101, 333));

// ---- The global and the call the dictionary makes ----

TEST_F(MergeProgress, GlobalIsSetWhileTheMergeRunsAndClearedAfter) {
    const std::string file = WriteDictionary("Skrivo.dic", {"a", "b", "c"});
    EXPECT_EQ(fmMergeProgress, nullptr);
    int progressCalls = 0;
    host->SetModalAnswerer([&](TForm& shown) {
        auto& form = dynamic_cast<TfmMergeProgress&>(shown);
        EXPECT_EQ(fmMergeProgress, &form);
        QObject::connect(form.ProgressBar1, &QProgressBar::valueChanged, &form, [&](int) {
            ++progressCalls;
            EXPECT_EQ(fmMergeProgress, &form);
        });
        host.Advance(100);
    });
    const MergeOutcome merged = RunMergeWithProgress(target, file);
    EXPECT_EQ(fmMergeProgress, nullptr);
    EXPECT_EQ(progressCalls, 3);
    EXPECT_TRUE(merged.Completed());
    EXPECT_EQ(merged.inserted, 3u);
    EXPECT_EQ(target.Lines(), (Words{"a", "b", "c", "mine", "begin"}));
}

TEST_F(MergeProgress, UnreadableFileFailsClosesWithOkAndClearsTheGlobal) {
    int shown = 0;
    bool closedByItself = false;
    host->SetModalAnswerer([&](TForm& form) {
        ++shown;
        EXPECT_EQ(fmMergeProgress, &form);
        host.Advance(100);
        closedByItself = !form.isVisible() && form.ModalResult() == host::mrOk;
    });
    const MergeOutcome failed = RunMergeWithProgress(target, host.Temp().File("missing.dic"));
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(closedByItself);
    EXPECT_TRUE(failed.failed);
    EXPECT_FALSE(failed.error.empty());
    EXPECT_EQ(failed.inserted, 0u);
    EXPECT_EQ(target.Lines(), (Words{"mine", "begin"}));
    EXPECT_EQ(fmMergeProgress, nullptr);
}

// On a manual clock nobody moves time for an unanswered dialog: it closes
// before its first tick, and the merge is reported stopped, not done.
TEST_F(MergeProgress, DialogClosedBeforeItsFirstTickReportsAStoppedMerge) {
    const std::string file = WriteDictionary("Skrivo.dic", {"theirs"});
    const MergeOutcome notRun = RunMergeWithProgress(target, file);
    EXPECT_TRUE(notRun.stopped);
    EXPECT_FALSE(notRun.Completed());
    EXPECT_EQ(notRun.inserted, 0u);
    EXPECT_EQ(target.Lines(), (Words{"mine", "begin"}));
    EXPECT_EQ(fmMergeProgress, nullptr);
}

TEST_F(MergeProgress, GlobalIsClearedWhenTheCallerUnwinds) {
    const std::string file = WriteDictionary("Skrivo.dic", {"theirs"});
    host->SetModalAnswerer([](TForm&) { throw std::runtime_error("answerer gave up"); });
    EXPECT_THROW(RunMergeWithProgress(target, file), std::runtime_error);
    EXPECT_EQ(fmMergeProgress, nullptr);
    EXPECT_THROW(AskMergeConfirmation(), std::runtime_error);
    EXPECT_EQ(fmMergeConfirm, nullptr);
}

// The IDE's own road: the real clock, nobody answering. The dialog waits in
// its event loop, merges on its own first tick and closes itself.
TEST(MergeProgressOnTheRealClock, MergesOnItsOwnAndCloses) {
    host::HostOptions options = host::testing::OffscreenHost::DefaultOptions();
    options.manualClock = false;
    host::testing::OffscreenHost realHost(std::move(options));
    const std::string file = realHost.Temp().Write("Skrivo.dic", "theirs\r\nmine\r\n");
    StringList target{"mine"};
    // Should the tick never come, Stop ends the wait and the test fails
    // instead of hanging.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (fmMergeProgress) fmMergeProgress->btnStop->click();
    });
    guard.start(10000);
    const MergeOutcome merged = RunMergeWithProgress(target, file);
    EXPECT_TRUE(merged.Completed());
    EXPECT_EQ(target.Lines(), (Words{"theirs", "mine"}));
    EXPECT_EQ(fmMergeProgress, nullptr);
}

}  // namespace
}  // namespace skrivo
