// Converting the word at the cursor or the selected block of a real editor.
#include <gtest/gtest.h>

#include <string>

#include "convert/LayoutConverter.h"
#include "convert/WordSelection.h"
#include "host/api/Editor.h"
#include "host/api/Host.h"
#include "host/editor/EditorControl.h"
#include "host/testing/OffscreenHost.h"
#include "platform/KeyboardLayout.h"
#include "platform/ShortCut.h"
#include "platform/VirtualKeys.h"
#include "source/CharClasses.h"

namespace skrivo {
namespace {

using host::TBlockType;
using host::TCharPos;
using host::testing::OffscreenHost;

host::HostOptions RussianAndUs() {
    host::HostOptions options = OffscreenHost::DefaultOptions();
    options.codePage = win::CodePage::Cp1251;
    options.layouts = {win::HKL_US, win::HKL_RUSSIAN};
    return options;
}

class WordSelectionTest : public ::testing::Test {
protected:
    WordSelectionTest() : host(RussianAndUs()) {
        InvalidateLetterTable();  // the letters of code page 1251
        converter.CollectLocales(win::HKL_US);
    }
    host::IEditorInterface& Editor() { return *host.Current().GetEditorInterface(); }
    bool Convert(TConvertMode mode) { return TranslateWordSelection(Editor(), converter, mode); }
    void Select(TCharPos start, TCharPos after, TBlockType type) {
        Editor().SetBlockType(type);
        Editor().SetBlockStart(start);
        Editor().SetBlockAfter(after);
        Editor().SetBlockVisible(true);
    }

    OffscreenHost host;
    TLayoutConverter converter;
};

struct WordCase {
    TConvertMode mode;
    std::string before, after;
};

class WordAtCursor : public WordSelectionTest, public ::testing::WithParamInterface<WordCase> {};

TEST_P(WordAtCursor, ConvertsTheRunAroundTheCursorInPlace) {
    const WordCase c = GetParam();
    host.OpenText("Unit1.pas", c.before);
    EXPECT_EQ(Convert(c.mode), c.before != c.after);
    EXPECT_EQ(host.TextWithCursor(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    , WordAtCursor,
    ::testing::Values(
        WordCase{TConvertMode::Layout, "x ghbdtn|\r\ny", "x \xEF\xF0\xE8\xE2\xE5\xF2|\r\ny"},  // привет
        // Layout conversion takes the whole non-blank run, punctuation included.
        WordCase{TConvertMode::Layout, "(gh|b,d)", "(\xEF\xF0|\xE8\xE1\xE2)"},
        WordCase{TConvertMode::Upper, "Self.ca|ption := 1;", "Self.CA|PTION := 1;"},
        WordCase{TConvertMode::Lower, "x := ABC|;", "x := abc|;"},
        WordCase{TConvertMode::Upper, "|word", "|WORD"},
        WordCase{TConvertMode::Upper, "a | b", "a | b"},
        WordCase{TConvertMode::Layout, "a ,| b", "a \xE1| b"}));

TEST_F(WordSelectionTest, WithOneLayoutNothingChanges) {
    win::SetInstalledLayouts({win::HKL_US});
    host.OpenText("Unit1.pas", "ghbdtn|");
    EXPECT_FALSE(Convert(TConvertMode::Layout));
    EXPECT_EQ(host.TextWithCursor(), "ghbdtn|");
}

TEST_F(WordSelectionTest, TheCursorStaysWhereItWasAfterAWord) {
    // The remembered block is the empty one at the start of the text.
    host.OpenText("Unit1.pas", "one two|");
    ASSERT_EQ(Editor().BlockStart(), (TCharPos{0, 1}));
    EXPECT_TRUE(Convert(TConvertMode::Upper));
    EXPECT_EQ(host.TextWithCursor(), "one TWO|");
    EXPECT_FALSE(Editor().BlockVisible());
}

struct BlockCase {
    TBlockType type;
    TCharPos start, after;
    std::string before, after_;
};

class SelectedBlock : public WordSelectionTest, public ::testing::WithParamInterface<BlockCase> {};

TEST_P(SelectedBlock, ConvertsTheBlockAndKeepsItSelected) {
    const BlockCase c = GetParam();
    host.OpenText("Unit1.pas", c.before);
    Select(c.start, c.after, c.type);
    const int cursor = host.CursorPosition();
    EXPECT_TRUE(Convert(TConvertMode::Upper));
    EXPECT_EQ(host.Text(), c.after_);
    EXPECT_EQ(host.CursorPosition(), cursor);
    EXPECT_TRUE(Editor().BlockVisible());
    EXPECT_EQ(Editor().BlockType(), c.type);
    EXPECT_EQ(Editor().BlockStart(), c.start);
    EXPECT_EQ(Editor().BlockAfter(), c.after);
    // Shown as the editor's selection, not only remembered.
    EXPECT_EQ(host.Current().Control()->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONEMPTY), 0);
    // One undo step takes the whole conversion back.
    ASSERT_TRUE(host::Host()->EditorServices()->TopBuffer()->Undo());
    EXPECT_EQ(host.Text(), c.before);
}

INSTANTIATE_TEST_SUITE_P(
    , SelectedBlock,
    ::testing::Values(
        BlockCase{TBlockType::btNonInclusive, {1, 1}, {3, 1}, "abcdef", "aBCdef"},
        BlockCase{TBlockType::btInclusive, {1, 1}, {3, 1}, "abcdef", "aBCDef"},
        BlockCase{TBlockType::btNonInclusive, {2, 1}, {1, 2}, "abcd\r\nefgh", "abCD\r\nEfgh"},
        BlockCase{TBlockType::btLine, {2, 1}, {1, 2}, "ab\r\ncd\r\nef", "AB\r\nCD\r\nef"},
        // Screen columns 9 and 10: after the tab on the first line, a short third line.
        BlockCase{TBlockType::btColumn, {9, 1}, {10, 3}, "\tabcd\r\nabcdefghijkl\r\nxyz\r\nlast",
                  "\tABcd\r\nabcdefghIJkl\r\nxyz\r\nlast"}));

TEST_F(WordSelectionTest, ColumnBlockInLayoutModeConvertsLineByLine) {
    host.OpenText("Unit1.pas", "1 ghb 2\r\n3 dtn 4\r\n5 rfr 6");
    Select({3, 1}, {5, 3}, TBlockType::btColumn);
    EXPECT_TRUE(Convert(TConvertMode::Layout));
    EXPECT_EQ(host.Text(), "1 \xEF\xF0\xE8 2\r\n3 \xE2\xE5\xF2 4\r\n5 \xEA\xE0\xEA 6");
}

TEST_F(WordSelectionTest, ABlockSelectedBackwardsKeepsTheCursorAtItsStart) {
    host.OpenText("Unit1.pas", "abc def|");
    for (int i = 0; i < 3; ++i) host.PressShortCut(win::ShortCut(win::VK_LEFT, win::ssShift));
    EXPECT_TRUE(Convert(TConvertMode::Upper));
    EXPECT_EQ(host.TextWithCursor(), "abc |DEF");
    EXPECT_TRUE(Editor().BlockVisible());
    EXPECT_EQ(Editor().BlockStart(), (TCharPos{4, 1}));
    EXPECT_EQ(Editor().BlockAfter(), (TCharPos{7, 1}));
}

}  // namespace
}  // namespace skrivo
