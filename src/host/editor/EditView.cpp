// The one view of a module's editor: cursor, top-left position, size, position conversions, bookmarks.
#include "host/editor/EditView.h"

#include <algorithm>

#include "host/editor/BlockModel.h"
#include "host/editor/EditorControl.h"

namespace skrivo::host {

namespace {
using Sci = QsciScintillaBase;
}

EditView::EditView(EditorControl& editor, BlockModel& block) : editor_(editor), block_(block) {}

TEditPos EditView::CursorPos() {
    const TextIndex& index = editor_.Index();
    const long byte = editor_.CaretByte();
    const int line0 = index.LineOfByte(byte);
    const int charIndex = index.LinearOf(byte) - index.LineStart(line0);
    const int col = index.ColumnOf(line0, charIndex) + editor_.CaretVirtualSpace();
    return {static_cast<std::int16_t>(col + 1), line0 + 1};
}

void EditView::SetCursor(TEditPos pos) {
    const TextIndex& index = editor_.Index();
    const int line0 = std::clamp(pos.Line, 1, index.LineCount()) - 1;
    int beyond = 0;
    const int charIndex = index.CharIndexOfColumn(line0, std::max(pos.Col - 1, 0), &beyond);
    editor_.PlaceCaret(index.ByteOf(index.LineStart(line0) + charIndex), beyond);
    block_.CursorPlaced();
}

void EditView::ShowCursor() { editor_.SendScintilla(Sci::SCI_SCROLLCARET); }

TEditPos EditView::GetPos(int index) {
    if (index == 0) return CursorPos();
    const long firstVisible = editor_.SendScintilla(Sci::SCI_GETFIRSTVISIBLELINE);
    const long docLine = editor_.SendScintilla(Sci::SCI_DOCLINEFROMVISIBLE, static_cast<unsigned long>(firstVisible));
    const long xOffset = editor_.SendScintilla(Sci::SCI_GETXOFFSET);
    return {static_cast<std::int16_t>(xOffset / editor_.ColumnWidth() + 1), static_cast<std::int32_t>(docLine + 1)};
}

void EditView::SetPos(int index, TEditPos pos) {
    if (index == 0) {
        SetCursor(pos);
        return;
    }
    const int line0 = std::max(pos.Line - 1, 0);
    const long visible = editor_.SendScintilla(Sci::SCI_VISIBLEFROMDOCLINE, static_cast<unsigned long>(line0));
    editor_.SendScintilla(Sci::SCI_SETFIRSTVISIBLELINE, static_cast<unsigned long>(visible));
    editor_.SendScintilla(Sci::SCI_SETXOFFSET, static_cast<unsigned long>(std::max(pos.Col - 1, 0) * editor_.ColumnWidth()));
}

TViewSize EditView::GetViewSize() {
    int margins = static_cast<int>(editor_.SendScintilla(Sci::SCI_GETMARGINLEFT) + editor_.SendScintilla(Sci::SCI_GETMARGINRIGHT));
    const long marginCount = editor_.SendScintilla(Sci::SCI_GETMARGINS);
    for (long m = 0; m < marginCount; ++m)
        margins += static_cast<int>(editor_.SendScintilla(Sci::SCI_GETMARGINWIDTHN, static_cast<unsigned long>(m)));
    const int textWidth = std::max(editor_.viewport()->width() - margins, 0);
    const int cy = static_cast<int>(editor_.SendScintilla(Sci::SCI_LINESONSCREEN));
    return {textWidth / editor_.ColumnWidth(), cy};
}

int EditView::CharPosToPos(TCharPos pos) {
    const TextIndex& index = editor_.Index();
    if (pos.Line < 1) return 0;
    if (pos.Line > index.LineCount()) return index.Length();
    const int line0 = pos.Line - 1;
    return index.LineStart(line0) + std::clamp<int>(pos.CharIndex, 0, index.LineLength(line0));
}

// Without a lone LF the editor's lines are the ones only CR starts: the
// line index answers at once, wherever in the unit the position lies.
bool EditView::PosToCharPos(int pos, TCharPos& charPos) {
    if (editor_.MayHoldLoneLineFeed()) return false;
    const TextIndex& index = editor_.Index();
    const int line0 = index.LineOfLinear(pos);
    charPos.Line = line0 + 1;
    charPos.CharIndex = static_cast<std::int16_t>(static_cast<std::uint16_t>(pos - index.LineStart(line0)));
    return true;
}

void EditView::ConvertPos(bool editPosToCharPos, TEditPos& editPos, TCharPos& charPos) {
    const TextIndex& index = editor_.Index();
    if (editPosToCharPos) {
        const int col0 = std::max(editPos.Col - 1, 0);
        charPos.Line = editPos.Line;
        if (editPos.Line < 1 || editPos.Line > index.LineCount()) {
            charPos.CharIndex = static_cast<std::int16_t>(col0);
            return;
        }
        int beyond = 0;
        const int charIndex = index.CharIndexOfColumn(editPos.Line - 1, col0, &beyond);
        charPos.CharIndex = static_cast<std::int16_t>(charIndex + beyond);
    } else {
        editPos.Line = charPos.Line;
        if (charPos.Line < 1 || charPos.Line > index.LineCount()) {
            editPos.Col = static_cast<std::int16_t>(charPos.CharIndex + 1);
            return;
        }
        editPos.Col = static_cast<std::int16_t>(index.ColumnOf(charPos.Line - 1, charPos.CharIndex) + 1);
    }
}

TCharPos EditView::GetBookmarkPos(int id) {
    if (id < 0 || id > 9) return {};
    const Bookmark& mark = bookmarks_[static_cast<std::size_t>(id)];
    if (mark.handle < 0) return {};
    const long line0 = editor_.SendScintilla(Sci::SCI_MARKERLINEFROMHANDLE, static_cast<unsigned long>(mark.handle));
    if (line0 < 0) return {};
    return {static_cast<std::int16_t>(mark.charIndex), static_cast<std::int32_t>(line0 + 1)};
}

void EditView::ClearBookmark(int id) {
    if (id < 0 || id > 9) return;
    Bookmark& mark = bookmarks_[static_cast<std::size_t>(id)];
    if (mark.handle >= 0) editor_.SendScintilla(Sci::SCI_MARKERDELETEHANDLE, static_cast<unsigned long>(mark.handle));
    mark = {};
}

void EditView::BookmarkRecord(int id) {
    if (id < 0 || id > 9) return;
    ClearBookmark(id);
    const TEditPos cursor = CursorPos();
    TCharPos at{};
    TEditPos edit = cursor;
    ConvertPos(true, edit, at);
    Bookmark& mark = bookmarks_[static_cast<std::size_t>(id)];
    mark.handle = static_cast<int>(editor_.SendScintilla(Sci::SCI_MARKERADD, static_cast<unsigned long>(cursor.Line - 1),
                                                         static_cast<long>(EditorControl::kFirstBookmarkMarker + id)));
    mark.charIndex = at.CharIndex;
}

bool EditView::GotoBookmark(int id) {
    const TCharPos at = GetBookmarkPos(id);
    if (at.Line == 0) return false;
    TEditPos edit{};
    TCharPos charPos = at;
    ConvertPos(false, edit, charPos);
    SetCursor(edit);
    ShowCursor();
    return true;
}

int EditView::BookmarkAtCursorLine() {
    const int line = CursorPos().Line;
    for (int id = 0; id < 10; ++id)
        if (GetBookmarkPos(id).Line == line) return id;
    return -1;
}

void EditView::Paint() {
    ++paintCount_;
    editor_.viewport()->update();
}

}  // namespace skrivo::host
