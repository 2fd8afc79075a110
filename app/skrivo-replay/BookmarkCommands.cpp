// The editor's bookmarks as a script checks them: "expect bookmark".
#include "ArgParsing.h"
#include "CommandTable.h"
#include "ScriptLine.h"
#include "Session.h"

namespace skrivo::replay {

void AddBookmarkCommands(CommandTable& table) {
    // Bookmark N of the module in front at an editor position (1-based line
    // and column, tabs expanded); "0 0" for a bookmark not set.
    table.Add({"expect bookmark", 3, 3, "N LINE COL", [](Session& s, const ScriptArgs& a) {
                   const auto id = static_cast<int>(ParseNumber(a[0], "bookmark number", 0, 9));
                   const long long line = ParseNumber(a[1], "line", 0, 1 << 30);
                   const long long col = ParseNumber(a[2], "column", 0, 1 << 30);
                   host::IEditView& view = s.FrontView();
                   host::TCharPos at = view.GetBookmarkPos(id);
                   host::TEditPos pos{};
                   if (at.Line != 0) view.ConvertPos(false, pos, at);
                   const std::string got = std::to_string(pos.Line) + " " + std::to_string(at.Line != 0 ? pos.Col : 0);
                   const std::string expected = std::to_string(line) + " " + std::to_string(col);
                   if (got != expected) throw ExpectationFailed(expected, got);
               }});
}

}  // namespace skrivo::replay
