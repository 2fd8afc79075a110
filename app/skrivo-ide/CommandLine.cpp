// The IDE's command line: files to open and a few start options.
#include "CommandLine.h"

#include "platform/KeyboardLayout.h"

namespace skrivo::ide {

namespace {
bool ParseLayouts(const std::string& text, std::vector<win::HKL>& out) {
    out.clear();
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = text.find(',', start);
        const std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (item == "en" || item == "us")
            out.push_back(win::HKL_US);
        else if (item == "ru")
            out.push_back(win::HKL_RUSSIAN);
        else
            return false;
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return !out.empty();
}
}  // namespace

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args, std::string& error) {
    CommandLine line;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](const char* option) -> const std::string* {
            if (i + 1 >= args.size()) {
                error = std::string(option) + " needs a value";
                return nullptr;
            }
            return &args[++i];
        };
        if (arg == "--help" || arg == "-h") {
            line.help = true;
        } else if (arg == "--codepage") {
            const std::string* v = value("--codepage");
            if (!v) return std::nullopt;
            if (*v == "1251")
                line.codePage = win::CodePage::Cp1251;
            else if (*v == "1252")
                line.codePage = win::CodePage::Cp1252;
            else {
                error = "--codepage takes 1251 or 1252";
                return std::nullopt;
            }
        } else if (arg == "--layouts") {
            const std::string* v = value("--layouts");
            if (!v) return std::nullopt;
            if (!ParseLayouts(*v, line.layouts)) {
                error = "--layouts takes a list such as en,ru";
                return std::nullopt;
            }
        } else if (arg == "--screenshot") {
            const std::string* v = value("--screenshot");
            if (!v) return std::nullopt;
            line.screenshot = *v;
        } else if (arg == "--show-menu") {
            const std::string* v = value("--show-menu");
            if (!v) return std::nullopt;
            line.showMenu = *v;
        } else if (arg == "--without-skrivo") {
            line.withoutSkrivo = true;
        } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
            error = "unknown option " + arg;
            return std::nullopt;
        } else {
            line.files.push_back(arg);
        }
    }
    if (!line.showMenu.empty() && line.screenshot.empty()) {
        error = "--show-menu goes with --screenshot";
        return std::nullopt;
    }
    return line;
}

const char* UsageText() {
    return "usage: skrivo-ide [options] [file...]\n"
           "  --codepage 1251|1252   the ANSI code page of files and of Skrivo (default 1251 when\n"
           "                         the Russian layout is installed, else 1252)\n"
           "  --layouts en,ru        the installed keyboard layouts, first active (default en,ru)\n"
           "  --without-skrivo       start the IDE without loading Skrivo\n"
           "  --screenshot FILE      save a picture of the main window as FILE (PNG) and quit\n"
           "  --show-menu NAME       with --screenshot: open a menu bar first (\"ToolsMenu\") and take\n"
           "                         the whole screen, so the open menu is in the picture\n";
}

win::CodePage EffectiveCodePage(const CommandLine& line, const std::vector<win::HKL>& layouts) {
    if (line.codePage) return *line.codePage;
    for (win::HKL layout : layouts)
        if (win::LoWord(layout) == win::LoWord(win::HKL_RUSSIAN)) return win::CodePage::Cp1251;
    return win::CodePage::Cp1252;
}

}  // namespace skrivo::ide
