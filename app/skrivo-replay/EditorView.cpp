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

FrontText CursorLine(const FrontText& front) {
    const std::string& t = front.text;
    // Only CR breaks lines, as everywhere in the expert.
    std::size_t start = 0;
    if (front.cursor > 0) {
        const std::size_t cr = t.rfind('\r', front.cursor - 1);
        if (cr != std::string::npos) start = std::min(cr + 1 < t.size() && t[cr + 1] == '\n' ? cr + 2 : cr + 1, front.cursor);
    }
    std::size_t end = t.find('\r', front.cursor);
    if (end == std::string::npos) end = t.size();
    FrontText line;
    line.text = t.substr(start, end - start);
    line.cursor = front.cursor - start;
    line.virtualBlanks = front.virtualBlanks;
    return line;
}

}  // namespace skrivo::replay
