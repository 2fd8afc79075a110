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
    win::CodePage codePage = win::CodePage::Cp1252;
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

}  // namespace skrivo::ide
