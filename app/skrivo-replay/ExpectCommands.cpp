// Expectations on the editor, files and the menu: the first one that fails ends the script.
#include "ArgParsing.h"
#include "CommandTable.h"
#include "EditorView.h"
#include "Session.h"
#include "host/api/ToolServices.h"
#include "platform/FileIO.h"

namespace skrivo::replay {

namespace {

std::string WithoutAccelerator(const std::string& caption) {
    std::string out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        out += caption[i];
    }
    return out;
}

bool MenuHolds(host::IMenuItem& item, const std::string& caption) {
    for (int i = 0; i < item.GetItemCount(); ++i) {
        host::IMenuItem* child = item.GetItem(i);
        if (!child) continue;
        const std::string text = child->GetCaption();
        if (text == caption || WithoutAccelerator(text) == caption || MenuHolds(*child, caption)) return true;
    }
    return false;
}

// Compares two texts of the host's code page, reporting them in script notation.
void ExpectSame(Session& s, const std::string& expected, const std::string& got) {
    if (expected != got) throw ExpectationFailed(QuoteScriptText(s.ToUtf8(expected)), QuoteScriptText(s.ToUtf8(got)));
}

}  // namespace

void AddExpectCommands(CommandTable& table) {
    table.Add({"expect text", 1, 1, "TEXT", [](Session& s, const ScriptArgs& a) {
                   const CursorText expected = ParseCursorText(s, a[0]);
                   const FrontText front = ReadFrontText(s);
                   // Without a cursor mark only the text is compared.
                   if (expected.cursor == std::string::npos)
                       ExpectSame(s, expected.text, front.text);
                   else
                       ExpectSame(s, JoinCursorMark(expected.text, expected.cursor), MarkCursor(front));
               }});

    table.Add({"expect line", 1, 1, "TEXT", [](Session& s, const ScriptArgs& a) {
                   const CursorText expected = ParseCursorText(s, a[0]);
                   const FrontText line = CursorLine(s, ReadFrontText(s));
                   if (expected.cursor == std::string::npos)
                       ExpectSame(s, expected.text, line.text);
                   else
                       ExpectSame(s, JoinCursorMark(expected.text, expected.cursor), MarkCursor(line));
               }});

    table.Add({"expect file", 2, 2, "PATH TEXT", [](Session& s, const ScriptArgs& a) {
                   const std::string path = s.PathOf(a[0]);
                   if (!FileExists(path)) throw ExpectationFailed("the file " + QuoteScriptText(a[0]), "no such file");
                   ExpectSame(s, s.ToAnsi(a[1]), ReadFileBytes(path));
               }});

    table.Add({"expect menu", 1, 1, "CAPTION", [](Session& s, const ScriptArgs& a) {
                   host::IMainMenu* menu = s.Host().ToolServices().GetMainMenu();
                   bool found = false;
                   for (int i = 0; menu && !found && i < menu->GetItemCount(); ++i)
                       if (host::IMenuItem* bar = menu->GetItem(i)) found = MenuHolds(*bar, s.ToAnsi(a[0]));
                   if (!found) throw ExpectationFailed("a menu item " + QuoteScriptText(a[0]), "none");
               }});
}

}  // namespace skrivo::replay
