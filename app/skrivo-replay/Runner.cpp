// The script loop: split, look up, check the argument count, run, report the first failure.
#include "Runner.h"

#include <string>

#include "CommandTable.h"
#include "ScriptLine.h"

namespace skrivo::replay {

namespace {

std::string ArgumentCountError(const CommandSpec& spec, std::size_t given) {
    std::string expected;
    if (spec.maxArgs < 0)
        expected = "at least " + std::to_string(spec.minArgs);
    else if (spec.minArgs == spec.maxArgs)
        expected = std::to_string(spec.minArgs);
    else
        expected = std::to_string(spec.minArgs) + " to " + std::to_string(spec.maxArgs);
    std::string message = spec.name + " takes " + expected + " argument" + (expected == "1" ? "" : "s") +
                          ", got " + std::to_string(given);
    if (!spec.usage.empty()) message += " (" + spec.name + " " + spec.usage + ")";
    return message;
}

}  // namespace

int RunScript(std::istream& script, Session& session, const CommandTable& table, std::ostream& err) {
    std::string line;
    int number = 0;
    while (std::getline(script, line)) {
        ++number;
        if (number == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);  // UTF-8 BOM
        auto split = SplitScriptLine(line);
        if (auto* error = std::get_if<ScriptSyntaxError>(&split)) {
            err << "line " << number << ": " << error->reason << '\n';
            return kExitFailed;
        }
        const ScriptArgs& words = std::get<ScriptArgs>(split);
        if (words.empty()) continue;
        std::size_t used = 0;
        const CommandSpec* spec = table.Find(words, used);
        if (!spec) {
            const std::string name = words[0] == "expect" && words.size() > 1 ? "expect " + words[1] : words[0];
            err << "line " << number << ": unknown command " << QuoteScriptText(name) << '\n';
            return kExitFailed;
        }
        const ScriptArgs args(words.begin() + static_cast<std::ptrdiff_t>(used), words.end());
        const auto given = static_cast<int>(args.size());
        if (given < spec->minArgs || (spec->maxArgs >= 0 && given > spec->maxArgs)) {
            err << "line " << number << ": " << ArgumentCountError(*spec, args.size()) << '\n';
            return kExitFailed;
        }
        try {
            spec->run(session, args);
        } catch (const std::exception& e) {
            err << "line " << number << ": " << e.what() << '\n';
            return kExitFailed;
        }
    }
    return kExitPassed;
}

}  // namespace skrivo::replay
