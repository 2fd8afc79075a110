// The editing primitives with the cursor in the empty columns past a line's end: each acts on the line's real text.
#include <gtest/gtest.h>

#include <functional>

#include "DispatchTestSupport.h"

namespace skrivo {
namespace {

using dispatch_test::DispatchProbe;
using dispatch_test::ExpertOverIde;

// Line 1 ends at column 9, line 2 (after its tab) at column 17.
constexpr const char* kText = "x := Cap\r\n\tx := Cap";

struct PastEndCase {
    const char* name;
    int line, col;  // where the cursor stands, past the line's end
    std::function<void(DispatchProbe&, TQvNotifier&)> edit;
    const char* expected;  // the text, "|" at the cursor
    int expectedCol;       // the cursor's editor column afterwards
};

class PastLineEnd : public ExpertOverIde, public ::testing::WithParamInterface<PastEndCase> {};

TEST_P(PastLineEnd, EditsTheRealText) {
    const PastEndCase& c = GetParam();
    DispatchProbe& e = Start(kText);
    TQvNotifier& n = *e.GetCurrentNotifier();
    n.SetEditPos({static_cast<std::int16_t>(c.col), c.line});
    ShowList({});
    c.edit(e, n);
    EXPECT_EQ(host.TextWithCursor(), c.expected);
    EXPECT_EQ(n.GetEditPos().Col, c.expectedCol);
}

const auto kReplaceWord = [](DispatchProbe& e, TQvNotifier&) { ASSERT_NE(e.ReplaceWord(-1, "Caption"), nullptr); };
const auto kReplaceAndRestore = [](DispatchProbe& e, TQvNotifier&) {
    ASSERT_NE(e.ReplaceWord(-1, "Caption"), nullptr);
    ASSERT_TRUE(e.DoRestore());
};

INSTANTIATE_TEST_SUITE_P(
    Primitives, PastLineEnd,
    ::testing::Values(
        PastEndCase{"ReplaceWord", 1, 11, kReplaceWord, "x := Caption|\r\n\tx := Cap", 13},
        PastEndCase{"ReplaceWordOnATabbedLine", 2, 19, kReplaceWord, "x := Cap\r\n\tx := Caption|", 21},
        PastEndCase{"DoRestore", 1, 11, kReplaceAndRestore, "x := Cap|\r\n\tx := Cap", 9},
        PastEndCase{"DoRestoreOnATabbedLine", 2, 19, kReplaceAndRestore, "x := Cap\r\n\tx := Cap|", 17},
        PastEndCase{"BackSpaceDelete", 1, 11, [](DispatchProbe& e, TQvNotifier&) { e.BackSpaceDelete(3); },
                    "x := |\r\n\tx := Cap", 6},
        PastEndCase{"BackSpaceDeleteOverATab", 2, 19, [](DispatchProbe& e, TQvNotifier&) { e.BackSpaceDelete(8); },
                    "x := Cap\r\n\t|", 9},
        // Forward deletion joins the next line to the text, not to the cursor's column.
        PastEndCase{"DeleteChars", 1, 11, [](DispatchProbe& e, TQvNotifier&) { e.DeleteChars(2); },
                    "x := Cap|\tx := Cap", 9},
        // Inserting where the cursor shows fills the columns, as typing does.
        PastEndCase{"InsertText", 1, 11, [](DispatchProbe& e, TQvNotifier&) { e.InsertText("Y"); },
                    "x := Cap  Y|\r\n\tx := Cap", 12},
        PastEndCase{"NotifierReplace", 1, 11, [](DispatchProbe&, TQvNotifier& n) { ASSERT_TRUE(n.Replace(5, 3, "Caption")); },
                    "x := Caption|\r\n\tx := Cap", 13},
        PastEndCase{"NotifierInsertAtTheCursor", 2, 19,
                    [](DispatchProbe&, TQvNotifier& n) { ASSERT_TRUE(n.Replace(n.GetPosition(), 0, ";")); },
                    "x := Cap\r\n\tx := Cap;|", 18}),
    [](const auto& info) { return std::string(info.param.name); });

// The editor dropped the blank the insertion ended with, leaving the cursor
// one column past the line's end: the restore still puts back the word alone.
TEST_F(ExpertOverIde, RestoreAfterADroppedBlankPastTheLineEnd) {
    DispatchProbe& e = Start("x := Cap|");
    ShowList({});
    TQvNotifier* n = e.ReplaceWord(-1, "Caption ");
    ASSERT_NE(n, nullptr);
    const host::TEditPos end = n->GetEditPos();
    ASSERT_TRUE(n->Replace(e.FReplacement->FReplacePos + 7, 1, ""));
    n->SetEditPos(end);
    ASSERT_TRUE(e.DoRestore());
    EXPECT_EQ(host.Text(), "x := Cap");
}

}  // namespace
}  // namespace skrivo
