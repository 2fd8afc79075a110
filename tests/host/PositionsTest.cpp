// Positions: linear positions over CR LF, tab-expanded editor columns, Cyrillic in code page 1251, the view.
#include <gtest/gtest.h>

#include "host/api/Editor.h"
#include "host/editor/EditorControl.h"
#include "host/testing/OffscreenHost.h"
#include "platform/VirtualKeys.h"

namespace skrivo::host {
namespace {

using testing::OffscreenHost;

struct PositionCase {
    const char* name;
    const char* text;
    int linear;
    TCharPos charPos;  // of the linear position
    TEditPos editPos;  // of that character position
};

class PositionConversionTest : public ::testing::TestWithParam<PositionCase> {
protected:
    OffscreenHost host;
};

TEST_P(PositionConversionTest, LinearCharAndEditPositionsAgree) {
    const PositionCase& c = GetParam();
    host.OpenText("Unit1.pas", c.text);
    IEditView& view = *host.Current().GetEditorInterface()->GetView(0);
    EXPECT_EQ(view.CharPosToPos(c.charPos), c.linear);
    TEditPos edit{};
    TCharPos charPos = c.charPos;
    view.ConvertPos(false, edit, charPos);
    EXPECT_EQ(edit, c.editPos);
    TCharPos back{};
    view.ConvertPos(true, edit, back);
    EXPECT_EQ(back, c.charPos);
    // The cursor placed there reads back the same in every form.
    view.SetPos(0, c.editPos);
    EXPECT_EQ(view.GetPos(0), c.editPos);
    EXPECT_EQ(host.CursorPosition(), c.linear);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PositionConversionTest,
    ::testing::Values(PositionCase{"FirstCharacter", "ab\r\ncd", 0, {0, 1}, {1, 1}},
                      PositionCase{"AfterCrLf", "ab\r\ncd", 4, {0, 2}, {1, 2}},
                      PositionCase{"EndOfLineBeforeCrLf", "ab\r\ncd", 2, {2, 1}, {3, 1}},
                      PositionCase{"EndOfText", "ab\r\ncd", 6, {2, 2}, {3, 2}},
                      PositionCase{"LfUnitIsShownWithCrLf", "ab\ncd", 4, {0, 2}, {1, 2}},
                      PositionCase{"AfterLeadingTab", "\tx", 1, {1, 1}, {9, 1}},
                      PositionCase{"AfterTabInsideLine", "abc\tx\r\n", 4, {4, 1}, {9, 1}},
                      PositionCase{"TwoTabs", "\t\tx", 2, {2, 1}, {17, 1}},
                      PositionCase{"TabAfterSevenCharacters", "1234567\tx", 8, {8, 1}, {9, 1}},
                      PositionCase{"ThirdLine", "a\r\n\r\n\tb", 6, {1, 3}, {9, 3}}),
    [](const ::testing::TestParamInfo<PositionCase>& info) { return info.param.name; });

TEST(PositionsTest, EditColumnInsideATabIsTheTab) {
    OffscreenHost host;
    host.OpenText("Unit1.pas", "\tx");
    IEditView& view = *host.Current().GetEditorInterface()->GetView(0);
    TEditPos edit{5, 1};
    TCharPos charPos{};
    view.ConvertPos(true, edit, charPos);
    EXPECT_EQ(charPos, (TCharPos{0, 1}));
}

TEST(PositionsTest, CursorBeyondTheEndOfALineKeepsItsColumnAndMapsToTheLineEnd) {
    OffscreenHost host;
    host.OpenText("Unit1.pas", "ab\r\ncd");
    IEditView& view = *host.Current().GetEditorInterface()->GetView(0);
    view.SetPos(0, {6, 1});
    EXPECT_EQ(view.GetPos(0), (TEditPos{6, 1}));
    TEditPos edit = view.GetPos(0);
    TCharPos charPos{};
    view.ConvertPos(true, edit, charPos);
    EXPECT_EQ(charPos, (TCharPos{5, 1}));
    EXPECT_EQ(view.CharPosToPos(charPos), 2);
    EXPECT_EQ(view.CharPosToPos({0, 9}), 6);  // past the last line: the end of the text
}

TEST(PositionsTest, CyrillicCountsOneCharacterEachInCodePage1251) {
    HostOptions options = OffscreenHost::DefaultOptions();
    options.codePage = win::CodePage::Cp1251;
    OffscreenHost host(std::move(options));
    // "привет" CR LF "мир" in code page 1251
    host.OpenText("Unit1.pas", "\xEF\xF0\xE8\xE2\xE5\xF2\r\n\xEC\xE8|\xF0");
    EXPECT_EQ(host.CursorPosition(), 10);
    IEditView& view = *host.Current().GetEditorInterface()->GetView(0);
    EXPECT_EQ(view.GetPos(0), (TEditPos{3, 2}));
    EXPECT_EQ(view.CharPosToPos({6, 1}), 6);
    auto reader = host.Current().GetEditorInterface()->CreateReader();
    char buf[8] = {};
    ASSERT_EQ(reader->GetText(8, buf, 8), 3);
    EXPECT_EQ(std::string(buf, 3), "\xEC\xE8\xF0");
    EXPECT_EQ(host.Current().Control()->text().toStdString(), "привет\r\nмир");
}

TEST(PositionsTest, LengthAndLineIndexFollowEdits) {
    OffscreenHost host;
    host.OpenText("Unit1.pas", "x|");
    host.Type("ab\r\ncd");
    TextIndex& index = host.Current().Control()->Index();
    EXPECT_EQ(index.Length(), 7);
    EXPECT_EQ(index.LineStart(1), 5);
    EXPECT_EQ(index.LineOfLinear(4), 0);  // the LF belongs to the line it ends
    EXPECT_EQ(index.LineOfLinear(5), 1);
    EXPECT_EQ(index.ByteOf(7), host.Current().Control()->SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
}

TEST(PositionsTest, TopLeftPositionScrollsTheViewAndViewSizeIsInCharacters) {
    OffscreenHost host;
    std::string text;
    for (int i = 0; i < 300; ++i) text += std::string(200, 'x') + "\r\n";
    host.OpenText("Unit1.pas", text);
    IEditView& view = *host.Current().GetEditorInterface()->GetView(0);
    const TViewSize size = view.GetViewSize();
    EXPECT_GT(size.cx, 20);
    EXPECT_GT(size.cy, 5);
    EXPECT_EQ(view.GetPos(1), (TEditPos{1, 1}));
    view.SetPos(1, {11, 101});
    EXPECT_EQ(view.GetPos(1), (TEditPos{11, 101}));
    // Setting the cursor does not scroll.
    view.SetPos(0, {1, 250});
    EXPECT_EQ(view.GetPos(1), (TEditPos{11, 101}));
}

TEST(PositionsTest, BookmarksFollowTheirLineAndClearWithTheHostKeys) {
    OffscreenHost host;
    host.OpenText("Unit1.pas", "a\r\nbb\r\nccc\r\n");
    IEditView& view = *host.Current().GetEditorInterface()->GetView(0);
    EXPECT_EQ(view.GetBookmarkPos(3), (TCharPos{0, 0}));
    view.SetPos(0, {3, 3});
    view.BookmarkRecord(3);
    EXPECT_EQ(view.GetBookmarkPos(3), (TCharPos{2, 3}));
    view.SetPos(0, {1, 1});
    host.Type("\r\n");
    EXPECT_EQ(view.GetBookmarkPos(3), (TCharPos{2, 4}));
    // Ctrl+3 jumps to it; Shift+Ctrl+3 on its line clears it.
    host.PressShortCut(win::ShortCut('3', win::ssCtrl));
    EXPECT_EQ(view.GetPos(0), (TEditPos{3, 4}));
    host.PressShortCut(win::ShortCut('3', win::ssCtrl | win::ssShift));
    EXPECT_EQ(view.GetBookmarkPos(3).Line, 0);
    EXPECT_EQ(view.GetBookmarkPos(10).Line, 0);
}

// ---- the block ----

TEST(BlockTest, UserSelectionBecomesANonInclusiveBlock) {
    OffscreenHost host;
    host.OpenText("Unit1.pas", "one |two three");
    IEditorInterface& editor = *host.Current().GetEditorInterface();
    EXPECT_FALSE(editor.BlockVisible());
    host->KeyDown(win::VK_SHIFT);
    host->PressKey(win::VK_RIGHT);
    host->PressKey(win::VK_RIGHT);
    host->PressKey(win::VK_RIGHT);
    host->KeyUp(win::VK_SHIFT);
    EXPECT_TRUE(editor.BlockVisible());
    EXPECT_EQ(editor.BlockType(), TBlockType::btNonInclusive);
    EXPECT_EQ(editor.BlockStart(), (TCharPos{4, 1}));
    EXPECT_EQ(editor.BlockAfter(), (TCharPos{7, 1}));
    EXPECT_EQ(host->EditorServices()->TopBuffer()->EditBlock().Text(), "two");
    host.Press(win::VK_RIGHT);  // the user clears the selection
    EXPECT_FALSE(editor.BlockVisible());
    EXPECT_EQ(editor.BlockStart(), editor.BlockAfter());
    EXPECT_EQ(host->EditorServices()->TopBuffer()->EditBlock().Size(), 0);
}

TEST(BlockTest, BlockSetByPositionsShowsAsTheSelectionAndInclusiveTakesOneMore) {
    OffscreenHost host;
    host.OpenText("Unit1.pas", "abcdef\r\nghij");
    IEditorInterface& editor = *host.Current().GetEditorInterface();
    editor.SetBlockStart({1, 1});
    editor.SetBlockAfter({3, 1});
    editor.SetBlockType(TBlockType::btInclusive);
    editor.SetBlockVisible(true);
    IEditBlock& block = host->EditorServices()->TopBuffer()->EditBlock();
    EXPECT_EQ(block.Text(), "bcd");
    EditorControl& control = *host.Current().Control();
    EXPECT_EQ(control.SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART), 1);
    EXPECT_EQ(control.SendScintilla(QsciScintillaBase::SCI_GETSELECTIONEND), 4);
    editor.SetBlockType(TBlockType::btNonInclusive);
    EXPECT_EQ(block.Text(), "bc");
    editor.SetBlockVisible(false);
    EXPECT_TRUE(control.SendScintilla(QsciScintillaBase::SCI_GETSELECTIONEMPTY));
    // A hidden block keeps its positions.
    EXPECT_EQ(editor.BlockStart(), (TCharPos{1, 1}));
    EXPECT_EQ(editor.BlockAfter(), (TCharPos{3, 1}));
}

TEST(BlockTest, ColumnBlockSpansScreenColumnsOnEachLine) {
    OffscreenHost host;
    host.OpenText("Unit1.pas", "abcdef\r\n\tXYZ\r\n123456789");
    IEditorInterface& editor = *host.Current().GetEditorInterface();
    editor.SetBlockType(TBlockType::btColumn);
    editor.SetBlockStart({2, 1});  // columns 2..4, 1-based
    editor.SetBlockAfter({4, 3});
    editor.SetBlockVisible(true);
    // Columns inside a tab stand for the tab, as the view converts them, so
    // a block that starts and ends within one tab holds nothing of that line.
    EXPECT_EQ(host->EditorServices()->TopBuffer()->EditBlock().Text(), "bcd\r\n\r\n234");
    editor.SetBlockAfter({9, 3});
    EXPECT_EQ(host->EditorServices()->TopBuffer()->EditBlock().Text(), "bcdef\r\n\tX\r\n23456789");
}

TEST(BlockTest, BeginAndEndBlockMarkAroundTheCursorAndSaveRestoreTheBlock) {
    OffscreenHost host;
    host.OpenText("Unit1.pas", "  value := 1;|");
    IEditBuffer& buffer = *host->EditorServices()->TopBuffer();
    IEditBlock& block = buffer.EditBlock();
    IEditPosition& pos = buffer.EditPosition();
    block.Save();
    pos.Save();
    block.EndBlock();
    pos.MoveBOL();
    block.BeginBlock();
    EXPECT_EQ(block.Text(), "  value := 1;");
    EXPECT_EQ(block.StartingColumn(), 1);
    EXPECT_EQ(block.EndingColumn(), 14);
    block.Restore();
    pos.Restore();
    EXPECT_FALSE(block.Visible());
    EXPECT_EQ(host.TextWithCursor(), "  value := 1;|");
}

}  // namespace
}  // namespace skrivo::host
