// TQvNotifier: the cursor and the conversions between linear, character and editor positions.
#include <algorithm>

#include "bridge/Diagnostics.h"
#include "bridge/LineScan.h"
#include "bridge/QvNotifier.h"

namespace skrivo {

namespace {

host::TEditPos NeutralEditPos() {
    host::TEditPos pos;
    pos.Col = 1;
    pos.Line = 1;
    return pos;
}

host::TEditPos CharToEdit(host::IEditView& view, host::TCharPos charPos) {
    host::TEditPos editPos;
    view.ConvertPos(false, editPos, charPos);
    return editPos;
}

int EditToLinear(host::IEditView& view, host::TEditPos editPos) {
    host::TCharPos charPos;
    view.ConvertPos(true, editPos, charPos);
    return view.CharPosToPos(charPos);
}

}  // namespace

int TQvNotifier::GetPosition() {
    host::IEditView* view = View();
    if (!view) return kUnknownPosition;
    return EditToLinear(*view, view->GetPos(0));
}

host::TEditPos TQvNotifier::GetEditPos() {
    host::IEditView* view = View();
    return view ? view->GetPos(0) : NeutralEditPos();
}

void TQvNotifier::SetEditPos(host::TEditPos pos) {
    if (host::IEditView* view = View()) view->SetPos(0, pos);
}

int TQvNotifier::CharPos2Position(host::TCharPos pos) {
    host::IEditView* view = View();
    return view ? view->CharPosToPos(pos) : kUnknownPosition;
}

int TQvNotifier::EditPos2Position(host::TEditPos pos) {
    host::IEditView* view = View();
    return view ? EditToLinear(*view, pos) : kUnknownPosition;
}

host::TEditPos TQvNotifier::Pos2EditPosition(int pos) {
    host::IEditView* fast = pos >= 0 ? View() : nullptr;
    if (host::TCharPos charPos; fast && fast->PosToCharPos(pos, charPos)) {
        host::TEditPos result;
        result.Col = static_cast<std::int16_t>(static_cast<std::uint16_t>(charPos.CharIndex + 1));
        result.Line = charPos.Line;
        host::TCharPos lineStart;
        lineStart.CharIndex = 0;
        lineStart.Line = charPos.Line;
        const int start = fast->CharPosToPos(lineStart);
        if (start < pos && TabBeforeOnLine(ReadChars(start, pos - start), pos - start)) result = CharToEdit(*fast, charPos);
        return result;
    }
    const std::string& source = GetSource();
    const host::TCharPos charPos = LineScan(source, pos);
    host::TEditPos result;
    result.Col = static_cast<std::int16_t>(static_cast<std::uint16_t>(charPos.CharIndex + 1));
    result.Line = charPos.Line;
    // Without a tab before the position the column is the index; only tabbed
    // lines need the editor, which knows its tab stops.
    if (TabBeforeOnLine(source, pos))
        if (host::IEditView* view = View()) result = CharToEdit(*view, charPos);
    return result;
}

host::TEditPos TQvNotifier::Pos2EditPosEx(int pos, int line) {
    host::TCharPos lineStart;
    lineStart.CharIndex = 0;
    lineStart.Line = line;
    const int start = CharPos2Position(lineStart);
    host::TEditPos result;
    result.Col = static_cast<std::int16_t>(static_cast<std::uint16_t>(pos - start + 1));
    result.Line = line;
    if (start < pos && ReadChars(start, pos - start).find('\t') != std::string::npos) {
        if (host::IEditView* view = View()) {
            host::TCharPos charPos;
            charPos.CharIndex = static_cast<std::int16_t>(static_cast<std::uint16_t>(pos - start));
            charPos.Line = line;
            result = CharToEdit(*view, charPos);
        }
    }
    return result;
}

bool TQvNotifier::LeaveVirtualSpace() {
    host::IEditView* view = View();
    if (!view) return false;
    host::TEditPos cursor = view->GetPos(0);
    host::TCharPos at;
    view->ConvertPos(true, cursor, at);
    host::TCharPos lineStart;
    lineStart.CharIndex = 0;
    lineStart.Line = at.Line;
    // The conversion keeps the empty columns in the index; the linear
    // position is clamped to the line's text.
    const int real = view->CharPosToPos(at) - view->CharPosToPos(lineStart);
    if (at.CharIndex <= real) return false;
    at.CharIndex = static_cast<std::int16_t>(real);
    view->SetPos(0, CharToEdit(*view, at));
    return true;
}

void TQvNotifier::SetPosition(int pos) {
    b("-> TQvNotifier.SetPosition");
    if (pos < 0) return;
    host::IEditView* view = View();
    if (!view) return;
    host::TEditPos target;  // (0, 0) for an empty module: the editor clamps it
    // The view converts at once where it can; the whole source is read only
    // where it cannot.
    if (host::TCharPos charPos; view->PosToCharPos(pos, charPos)) {
        if (!ReadChars(0, 1).empty()) target = CharToEdit(*view, charPos);
    } else if (const std::string& source = GetSource(); !source.empty()) {
        target = CharToEdit(*view, LineScan(source, pos));
    }
    view->SetPos(0, target);

    const host::TEditPos cursor = view->GetPos(0);
    host::TEditPos topLeft = view->GetPos(1);
    const host::TViewSize size = view->GetViewSize();
    // The cursor ends on the last line but one when the view scrolls down,
    // so the line after it stays in sight.
    if (cursor.Line + 1 >= topLeft.Line + size.cy)
        topLeft.Line = std::max(cursor.Line - size.cy + 2, 1);
    else if (cursor.Line < topLeft.Line)
        topLeft.Line = cursor.Line;
    if (cursor.Col >= topLeft.Col + size.cx)
        topLeft.Col = static_cast<std::int16_t>(std::max(cursor.Col - size.cx + 4, 1));
    else if (cursor.Col < topLeft.Col)
        topLeft.Col = static_cast<std::int16_t>(std::max(cursor.Col - 1, 1));
    view->SetPos(1, topLeft);
    b("<- TQvNotifier.SetPosition");
}

}  // namespace skrivo
