// The IDE's command line: files to open and a few start options.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/CodePage.h"
#include "platform/WinTypes.h"

namespace skrivo::ide {

struct CommandLine {
    std::vector<std::string> files;
    std::optional<win::CodePage> codePage;  // empty: follows the layouts (1251 with Russian)
    std::vector<win::HKL> layouts;   // empty: US and Russian
    std::string screenshot;          // take a picture of the main window, then quit
    std::string showMenu;            // with a screenshot: open this menu bar first ("ToolsMenu")
    bool withoutSkrivo = false;
    bool help = false;
};

// Reads the arguments after the program name; an unknown option or a bad
// value gives an error text.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args, std::string& error);

const char* UsageText();

// The code page the IDE runs with: the one chosen, else 1251 when the
// Russian layout is installed (1252 cannot hold its letters), else 1252.
win::CodePage EffectiveCodePage(const CommandLine& line, const std::vector<win::HKL>& layouts);

}  // namespace skrivo::ide
