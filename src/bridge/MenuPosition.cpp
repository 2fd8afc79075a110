// Where the expert's menu items go: bar names and the separator-relative positions.
#include "bridge/MenuPosition.h"

#include <iterator>

namespace skrivo {

const char* MenuBarName(TMenuBarItem bar) {
    static constexpr const char* kNames[] = {"FileMenu",    "EditMenu",      "SearchMenu",   "ViewsMenu",
                                             "ProjectMenu", "RunMenu",       "ComponentMenu", "DatabaseMenu",
                                             "ToolsMenu",   "HelpMenu"};
    const int index = static_cast<int>(bar);
    return index >= 0 && index < static_cast<int>(std::size(kNames)) ? kNames[index] : "";
}

int TranslateMenuPosition(const std::vector<std::string>& captions, int position) {
    int separator;
    if (position >= -110 && position <= -100)
        separator = -position - 100;
    else if (position >= 100 && position <= 110)
        separator = position - 100;
    else
        return position;
    int seen = 0;
    for (std::size_t i = 0; i < captions.size(); ++i) {
        if (captions[i] != "-") continue;
        if (seen == separator) return static_cast<int>(i);
        ++seen;
    }
    return captions.empty() ? 0 : static_cast<int>(captions.size()) - 1;
}

}  // namespace skrivo
