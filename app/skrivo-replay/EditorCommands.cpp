// Commands on the module in front: set its text, place the cursor, select, print.
#include "ArgParsing.h"
#include "CommandTable.h"
#include "EditorView.h"
#include "Session.h"

namespace skrivo::replay {

namespace {

host::TEditPos EditPos(const std::string& line, const std::string& col) {
    host::TEditPos pos;
    pos.Line = static_cast<std::int32_t>(ParseNumber(line, "the line", 1, 0x7FFFFFFF));
    pos.Col = static_cast<std::int16_t>(ParseNumber(col, "the column", 1, 0x7FFF));
    return pos;
}

host::TCharPos ToCharPos(host::IEditView& view, host::TEditPos pos) {
    host::TCharPos charPos;
    view.ConvertPos(true, pos, charPos);
    return charPos;
}

host::TBlockType BlockMode(const ScriptArgs& a) {
    if (a.size() < 5) return host::TBlockType::btNonInclusive;
    if (a[4] == "inclusive") return host::TBlockType::btInclusive;
    if (a[4] == "line") return host::TBlockType::btLine;
    if (a[4] == "column") return host::TBlockType::btColumn;
    throw ReplayError("a selection is inclusive, line or column, got " + QuoteScriptText(a[4]));
}

}  // namespace

void AddEditorCommands(CommandTable& table) {
    table.Add({"text", 1, 1, "TEXT", [](Session& s, const ScriptArgs& a) {
                   const CursorText text = ParseCursorText(s, a[0]);
                   s.LoadFrontText(text.text, text.cursor);
               }});

    table.Add({"cursor", 2, 2, "LINE COL", [](Session& s, const ScriptArgs& a) {
                   s.FrontView().SetPos(0, EditPos(a[0], a[1]));
               }});

    table.Add({"select", 4, 5, "L1 C1 L2 C2 [inclusive|line|column]", [](Session& s, const ScriptArgs& a) {
                   const host::TBlockType mode = BlockMode(a);
                   const host::TEditPos from = EditPos(a[0], a[1]);
                   const host::TEditPos to = EditPos(a[2], a[3]);
                   host::IEditView& view = s.FrontView();
                   host::IEditorInterface& editor = s.FrontEditor();
                   // As a user selects: the cursor ends where the selection ends.
                   view.SetPos(0, to);
                   editor.SetBlockType(mode);
                   if (mode == host::TBlockType::btColumn) {
                       // A column block holds screen columns: the first inside and the last inside.
                       editor.SetBlockStart({from.Col, from.Line});
                       editor.SetBlockAfter({static_cast<std::int16_t>(to.Col - 1), to.Line});
                   } else {
                       editor.SetBlockStart(ToCharPos(view, from));
                       editor.SetBlockAfter(ToCharPos(view, to));
                   }
                   editor.SetBlockVisible(true);
               }});

    table.Add({"print", 0, 0, "", [](Session& s, const ScriptArgs&) {
                   s.Out() << ShowControlCharacters(s.ToUtf8(MarkCursor(ReadFrontText(s)))) << '\n';
               }});

    // A program driving the runner through a pipe waits for this line to
    // know that everything before it was done and written.
    table.Add({"echo", 1, 1, "TEXT", [](Session& s, const ScriptArgs& a) { s.Out() << a[0] << std::endl; }});
}

}  // namespace skrivo::replay
