// The IDE's main-menu bars and the translation of the expert's menu positions.
#pragma once

#include <string>
#include <vector>

namespace skrivo {

// The IDE's main-menu bars.
enum TMenuBarItem : int {
    mbiFile = 0,
    mbiEdit,
    mbiSearch,
    mbiView,
    mbiProject,
    mbiRun,
    mbiComponent,
    mbiDatabase,
    mbiTools,
    mbiHelp,
};

// The component name of a bar's item in the host's main menu ("ToolsMenu").
const char* MenuBarName(TMenuBarItem bar);

// The index at which AddMenuItem inserts into a bar whose item captions are
// given: -110..-100 and 100..110 name separator number k (the last item when
// there are fewer separators); any other position is the index itself.
int TranslateMenuPosition(const std::vector<std::string>& captions, int position);

}  // namespace skrivo
