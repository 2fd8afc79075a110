// The merge confirmation: its layout, every way of answering it, the check box read after closing, the global and the beep.
#include <functional>
#include <memory>

#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPushButton>

#include "host/api/Form.h"
#include "host/services/WindowsServices.h"
#include "options/MergeConfirm.h"
#include "options/MergeDialogs.h"
#include "options/MergeProgress.h"
#include "options/MergeDialogTest.h"

namespace skrivo {
namespace {

using host::TForm;

// ---- Layout of both dialogs ----

struct ControlRow {
    const char* form;
    const char* name;
    const char* className;
    const char* caption;
    QRect bounds;  // client coordinates; an empty size: sized to its text
};

void PrintTo(const ControlRow& row, std::ostream* os) { *os << row.form << "." << row.name; }

class DialogLayout : public test::MergeDialogTest, public ::testing::WithParamInterface<ControlRow> {
protected:
    std::unique_ptr<TForm> Make(const std::string& form) {
        if (form == "TfmMergeConfirm") return std::make_unique<TfmMergeConfirm>();
        return std::make_unique<TfmMergeProgress>();
    }
};

TEST_P(DialogLayout, ControlIsNamedPlacedAndCaptioned) {
    const ControlRow& row = GetParam();
    const auto form = Make(row.form);
    host::IControl* control = form->FindComponent(row.name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->ClassName(), row.className);
    EXPECT_EQ(control->Caption(), row.caption);
    auto* widget = form->findChild<QWidget*>(row.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->parentWidget(), form.get());
    if (row.bounds.isEmpty()) {
        EXPECT_EQ(widget->pos(), row.bounds.topLeft());
        // Sized to its text and inside the client area.
        EXPECT_LE(widget->geometry().right(), form->width() - 1);
    } else {
        EXPECT_EQ(widget->geometry(), row.bounds);
    }
}

INSTANTIATE_TEST_SUITE_P(
    MergeDialogs, DialogLayout,
    ::testing::Values(
        ControlRow{"TfmMergeConfirm", "Label1", "TLabel",
                   "Dictionary was changed on disk. Merge it ?\n\nThis can take several minutes.", QRect(8, 0, 233, 65)},
        ControlRow{"TfmMergeConfirm", "btnOK", "TButton", "Yes", QRect(40, 72, 75, 25)},
        ControlRow{"TfmMergeConfirm", "btnCancel", "TButton", "No", QRect(136, 72, 75, 25)},
        ControlRow{"TfmMergeConfirm", "chkNoMoreShow", "TCheckBox", "No more ask", QRect(8, 104, 169, 17)},
        ControlRow{"TfmMergeProgress", "ProgressBar1", "TProgressBar", "", QRect(8, 8, 209, 17)},
        ControlRow{"TfmMergeProgress", "Label1", "TLabel", "0 %", QRect(224, 8, 0, 0)},
        ControlRow{"TfmMergeProgress", "btnStop", "TButton", "Stop", QRect(72, 32, 97, 25)}),
    [](const auto& info) { return std::string(info.param.form) + "_" + info.param.name; });

struct FormRow {
    const char* className;
    const char* caption;
    int clientWidth;
    int clientHeight;
    int componentCount;
};

class DialogFrame : public DialogLayout {};

// The same frame for both: a fixed client area centred on the 1280 x 1024
// test screen, a caption with no buttons in it, the dialog font.
TEST_F(DialogFrame, BothDialogsAreFixedCentredCaptionOnlyWithTheDialogFont) {
    const FormRow rows[] = {{"TfmMergeConfirm", "Confirmation", 250, 126, 4},
                            {"TfmMergeProgress", "Merging dictionary", 270, 61, 3}};
    for (const FormRow& row : rows) {
        SCOPED_TRACE(row.className);
        const auto form = Make(row.className);
        EXPECT_EQ(form->ClassName(), row.className);
        EXPECT_EQ(form->Caption(), row.caption);
        EXPECT_EQ(form->ComponentCount(), row.componentCount);
        EXPECT_EQ(form->size(), QSize(row.clientWidth, row.clientHeight));
        EXPECT_EQ(form->minimumSize(), form->maximumSize());
        EXPECT_EQ(form->pos(), QPoint((1280 - row.clientWidth) / 2, (1024 - row.clientHeight) / 2));
        const Qt::WindowFlags flags = form->windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowSystemMenuHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMinMaxButtonsHint));
        EXPECT_EQ(form->font().pixelSize(), 13);
        // The classic family when installed, else a family that exists.
        if (QFontDatabase::hasFamily("MS Sans Serif"))
            EXPECT_EQ(QFontInfo(form->font()).family(), "MS Sans Serif");
        else
            EXPECT_TRUE(QFontDatabase::hasFamily(QFontInfo(form->font()).family())) << QFontInfo(form->font()).family().toStdString();
    }
}

// ---- Answering the confirmation ----

struct AnswerRow {
    const char* name;
    std::function<void(TfmMergeConfirm&, host::HostApplication&)> answer;
    bool merge;
    bool leftOpen = false;
};

void PrintTo(const AnswerRow& row, std::ostream* os) { *os << row.name; }

class ConfirmAnswer : public test::MergeDialogTest,
                      public ::testing::WithParamInterface<std::tuple<AnswerRow, bool>> {};

// "Yes" (by click or Enter on anything but "No") is consent; every other way
// of closing is refusal. The check box is read after the dialog closed,
// whichever way that was.
TEST_P(ConfirmAnswer, OnlyYesConsentsAndTheCheckBoxIsReadAfterClosing) {
    const auto& [row, checkIt] = GetParam();
    bool answered = false;
    host->SetModalAnswerer([&](TForm& shown) {
        auto* form = dynamic_cast<TfmMergeConfirm*>(&shown);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(fmMergeConfirm, form);
        EXPECT_EQ(host->Screen().ActiveForm(), form);
        if (checkIt) form->FindComponent("chkNoMoreShow")->Click();
        form->btnOK->setFocus();
        row.answer(*form, host.Host());
        // Closed by the answer itself, not by the host giving up on it.
        EXPECT_EQ(form->isVisible(), row.leftOpen);
        answered = true;
    });
    const MergeConfirmAnswer answer = AskMergeConfirmation();
    EXPECT_TRUE(answered);
    EXPECT_EQ(answer.merge, row.merge);
    EXPECT_EQ(answer.noMoreAsk, checkIt);
    EXPECT_EQ(fmMergeConfirm, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    MergeConfirm, ConfirmAnswer,
    ::testing::Combine(
        ::testing::Values(
            AnswerRow{"ClickYes", [](TfmMergeConfirm& f, host::HostApplication&) { f.FindComponent("btnOK")->Click(); }, true},
            AnswerRow{"ClickNo", [](TfmMergeConfirm& f, host::HostApplication&) { f.FindComponent("btnCancel")->Click(); }, false},
            AnswerRow{"Enter", [](TfmMergeConfirm&, host::HostApplication& h) { h.PressKey(win::VK_RETURN); }, true},
            AnswerRow{"EnterOnNo",
                      [](TfmMergeConfirm& f, host::HostApplication& h) {
                          f.btnCancel->setFocus();
                          h.PressKey(win::VK_RETURN);
                      },
                      false},
            AnswerRow{"EnterOnCheckBox",
                      [](TfmMergeConfirm& f, host::HostApplication& h) {
                          f.chkNoMoreShow->setFocus();
                          h.PressKey(win::VK_RETURN);
                      },
                      true},
            AnswerRow{"Escape", [](TfmMergeConfirm&, host::HostApplication& h) { h.PressKey(win::VK_ESCAPE); }, false},
            AnswerRow{"EscapeOnCheckBox",
                      [](TfmMergeConfirm& f, host::HostApplication& h) {
                          f.chkNoMoreShow->setFocus();
                          h.PressKey(win::VK_ESCAPE);
                      },
                      false},
            AnswerRow{"WindowClosed",
                      [](TfmMergeConfirm& f, host::HostApplication& h) {
                          h.Application().PostMessage(f.Handle(), win::WM_CLOSE, 0, 0);
                          h.ProcessMessages();
                      },
                      false},
            AnswerRow{"NobodyAnswers", [](TfmMergeConfirm&, host::HostApplication&) {}, false, true}),
        ::testing::Bool()),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + (std::get<1>(info.param) ? "_Checked" : "_Unchecked");
    });

class MergeConfirmShow : public test::MergeDialogTest {};

TEST_F(MergeConfirmShow, ShowingSoundsTheSystemBeepOnceWithYesFocusedAndNothingChecked) {
    const int before = host->WindowsImpl().MessageBeepCount();
    host->SetModalAnswerer([&](TForm& shown) {
        auto& form = dynamic_cast<TfmMergeConfirm&>(shown);
        EXPECT_EQ(host->WindowsImpl().MessageBeepCount(), before + 1);
        EXPECT_EQ(host->Windows().GetFocus(), form.FindComponent("btnOK")->Handle());
        EXPECT_TRUE(form.btnOK->isDefault());
        EXPECT_FALSE(form.btnCancel->isDefault());
        EXPECT_FALSE(form.chkNoMoreShow->isChecked());
        form.btnCancel->click();
    });
    AskMergeConfirmation();
    EXPECT_EQ(host->WindowsImpl().MessageBeepCount(), before + 1);
}

// Each question is a dialog of its own: nothing carries over from the last.
TEST_F(MergeConfirmShow, EveryQuestionIsANewDialog) {
    bool first = true;
    host->SetModalAnswerer([&](TForm& shown) {
        auto& form = dynamic_cast<TfmMergeConfirm&>(shown);
        EXPECT_FALSE(form.chkNoMoreShow->isChecked());
        if (first) form.chkNoMoreShow->setChecked(true);
        first = false;
        form.btnOK->click();
    });
    EXPECT_TRUE(AskMergeConfirmation().noMoreAsk);
    EXPECT_FALSE(AskMergeConfirmation().noMoreAsk);
}

}  // namespace
}  // namespace skrivo
