// Reading the front module through the host's editor interfaces, as the expert does.
#include "EditorView.h"

#include <algorithm>

#include "Session.h"
#include "bridge/LineScan.h"

namespace skrivo::replay {

FrontText ReadFrontText(Session& session) {
    host::IEditorInterface& editor = session.FrontEditor();
    host::IEditView& view = session.FrontView();
    FrontText front;
    std::unique_ptr<host::IEditReader> reader = editor.CreateReader();
    if (reader) {
        constexpr int kChunk = 65536;
        for (;;) {
            const std::size_t have = front.text.size();
            front.text.resize(have + kChunk);
            const int got = std::clamp(reader->GetText(static_cast<int>(have), front.text.data() + have, kChunk), 0, kChunk);
            front.text.resize(have + got);
            if (got < kChunk) break;
        }
    }
    host::TEditPos cursor = view.GetPos(0);
    host::TCharPos charPos;
    view.ConvertPos(true, cursor, charPos);
    const int linear = std::clamp(view.CharPosToPos(charPos), 0, static_cast<int>(front.text.size()));
    front.cursor = static_cast<std::size_t>(linear);
    // Where the linear position shows, against where the cursor stands.
    host::TEditPos shown;
    host::TCharPos atLinear = LineScan(front.text, linear);
    view.ConvertPos(false, shown, atLinear);
    front.virtualBlanks = std::max(0, cursor.Col - shown.Col);
    return front;
}

std::string MarkCursor(const FrontText& front) {
    std::string out = front.text.substr(0, front.cursor);
    out.append(static_cast<std::size_t>(front.virtualBlanks), ' ');
    out += '|';
    out.append(front.text, front.cursor);
    return out;
}

FrontText CursorLine(Session& session, const FrontText& front) {
    const std::string& t = front.text;
    // The editor's own line: from its first character to its line break.
    host::IEditView& view = session.FrontView();
    host::TCharPos lineStart;
    lineStart.CharIndex = 0;
    lineStart.Line = view.GetPos(0).Line;
    host::TCharPos nextLine = lineStart;
    ++nextLine.Line;
    const auto start = static_cast<std::size_t>(std::clamp(view.CharPosToPos(lineStart), 0, static_cast<int>(t.size())));
    auto end = static_cast<std::size_t>(std::clamp(view.CharPosToPos(nextLine), static_cast<int>(start), static_cast<int>(t.size())));
    if (end > start && t[end - 1] == '\n') --end;
    if (end > start && t[end - 1] == '\r') --end;
    FrontText line;
    line.text = t.substr(start, end - start);
    line.cursor = std::clamp(front.cursor, start, end) - start;
    line.virtualBlanks = front.virtualBlanks;
    return line;
}

}  // namespace skrivo::replay
