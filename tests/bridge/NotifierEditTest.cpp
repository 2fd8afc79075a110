// Editing through the notifier: Replace's two ways, insertion at the cursor, and the notifications that follow.
#include <algorithm>

#include "BridgeFixture.h"
#include "host/editor/Module.h"

namespace skrivo::testing {
namespace {

class NotifierEdit : public BridgeTest {};

TEST_F(NotifierEdit, ReplaceAroundTheCursorLeavesItAfterTheNewText) {
    host.OpenText("Unit1.pas", "x := beg|;");
    StartExpert();
    TQvNotifier& n = Current();
    EXPECT_TRUE(n.Replace(5, 3, "begin"));
    EXPECT_EQ(host.TextWithCursor(), "x := begin|;");
}

TEST_F(NotifierEdit, ReplaceWithTheCursorInsideTheRange) {
    host.OpenText("Unit1.pas", "ab|cdef");
    StartExpert();
    EXPECT_TRUE(Current().Replace(1, 3, "XY"));
    EXPECT_EQ(host.TextWithCursor(), "aXY|ef");
}

TEST_F(NotifierEdit, ReplaceAwayFromTheCursorDoesNotMoveIt) {
    host.OpenText("Unit1.pas", "|alpha beta");
    StartExpert();
    EXPECT_TRUE(Current().Replace(6, 4, "gamma"));
    EXPECT_EQ(host.TextWithCursor(), "|alpha gamma");
}

TEST_F(NotifierEdit, WriterReplaceIsOneUndoStep) {
    host.OpenText("Unit1.pas", "|one two three");
    StartExpert();
    EXPECT_TRUE(Current().Replace(4, 3, "2"));
    EXPECT_EQ(host.Text(), "one 2 three");
    ASSERT_TRUE(host->EditorServices()->TopBuffer()->Undo());
    EXPECT_EQ(host.Text(), "one two three");
}

TEST_F(NotifierEdit, InsertThenMoveBackLeavesTheCursorBeforeTheInsertion) {
    host.OpenText("Unit1.pas", "f(|");
    StartExpert();
    TQvNotifier& n = Current();
    EXPECT_TRUE(n.Replace(n.GetPosition(), 0, ")"));
    n.MoveCursor(-1);
    EXPECT_EQ(host.TextWithCursor(), "f(|)");
}

TEST_F(NotifierEdit, InsertTextAndRemoveChars) {
    host.OpenText("Unit1.pas", "ab|");
    StartExpert();
    TQvNotifier& n = Current();
    EXPECT_TRUE(n.InsertText("cd"));
    EXPECT_EQ(host.TextWithCursor(), "abcd|");
    EXPECT_TRUE(n.RemoveChars(0, 1));
    EXPECT_EQ(host.Text(), "bcd");
}

TEST_F(NotifierEdit, BadRangesEditNothing) {
    host.OpenText("Unit1.pas", "abc|");
    StartExpert();
    TQvNotifier& n = Current();
    EXPECT_FALSE(n.Replace(-1, 2, "x"));
    EXPECT_FALSE(n.Replace(1, -1, "x"));
    EXPECT_EQ(host.TextWithCursor(), "abc|");
}

TEST_F(NotifierEdit, ReplaceInAModuleBehindNeverEditsTheOneInFront) {
    host.OpenText("Back.pas", "back|text");
    host.OpenText("Front.pas", "front|text");
    StartExpert();
    TNotifierList& list = *Expert().GetNotifiers();
    TQvNotifier* back = nullptr;
    for (auto& n : list)
        if (n->UnitName() == "Back") back = n.get();
    ASSERT_NE(back, nullptr);
    // The cursor of Back lies inside the range, which would invite editing
    // at the cursor of the buffer in front.
    EXPECT_TRUE(back->Replace(2, 4, "CK"));
    EXPECT_EQ(host.TextWithCursor(), "front|text");
    EXPECT_EQ(back->GetSource(), "baCKxt");
}

TEST_F(NotifierEdit, OwnEditsReachTheExpertAsModifications) {
    host.OpenText("Unit1.pas", "a|");
    RecordingExpert& e = StartExpert();
    Current().Replace(1, 0, "b");
    Current().Replace(0, 1, "c");
    EXPECT_EQ(e.Codes(), (std::vector<host::TNotifyCode>{host::ncEditorModified, host::ncEditorModified}));
    EXPECT_EQ(e.notifications[0].notifier, &Current());
}

TEST_F(NotifierEdit, NotificationsPassOnWithTheirCodes) {
    host.OpenText("Unit1.pas", "a|");
    RecordingExpert& e = StartExpert();
    host.Type("b");
    host->SaveFile(host.Current());
    EXPECT_EQ(e.Codes(), (std::vector<host::TNotifyCode>{host::ncEditorModified, host::ncBeforeSave, host::ncAfterSave}));
}

TEST_F(NotifierEdit, SaveAsRenamesTheNotifiersFile) {
    host.OpenText("Unit1.pas", "a|");
    RecordingExpert& e = StartExpert();
    TQvNotifier& n = Current();
    EXPECT_EQ(n.GetSource(), "a");
    const std::string newName = host.Temp().File("Renamed.pas");
    ASSERT_TRUE(host->SaveFileAs(host.Current(), newName));
    EXPECT_EQ(n.FFileName, newName);
    EXPECT_EQ(n.UnitName(), "Renamed");
    const auto codes = e.Codes();
    EXPECT_NE(std::find(codes.begin(), codes.end(), host::ncModuleRenamed), codes.end());
    EXPECT_EQ(&Current(), &n);
}

TEST_F(NotifierEdit, ClosingTheModuleRemovesItsNotifierWithoutTellingNotify) {
    host.OpenText("Keep.pas", "k");
    host.OpenText("Gone.pas", "g");
    RecordingExpert& e = StartExpert();
    ASSERT_EQ(NotifierCount(), 2u);
    TQvNotifier* gone = &Current();
    host->CloseFile(host.Current());
    EXPECT_EQ(NotifierCount(), 1u);
    EXPECT_EQ((*e.GetNotifiers())[0]->UnitName(), "Keep");
    EXPECT_TRUE(e.notifications.empty());
    ASSERT_EQ(e.destroyed.size(), 1u);
    EXPECT_EQ(e.destroyed[0], gone);
}

}  // namespace
}  // namespace skrivo::testing
