// Commands whose subsystems are not part of this build yet: they stop the script with a clear reason.
#include "CommandTable.h"

namespace skrivo::replay {

namespace {

CommandSpec Unavailable(std::string name, std::string what) {
    CommandSpec spec;
    spec.name = std::move(name);
    spec.minArgs = 0;
    spec.maxArgs = -1;
    spec.run = [what = std::move(what)](Session&, const ScriptArgs&) {
        throw ReplayError("not available yet: " + what);
    };
    return spec;
}

}  // namespace

void AddUnavailableCommands(CommandTable& table) {
    table.Add(Unavailable("list", "list (the suggestion list)"));
    table.Add(Unavailable("expect list", "expect list (the suggestion list)"));
    table.Add(Unavailable("expect hidden", "expect hidden (the suggestion list)"));
    table.Add(Unavailable("expect sound", "expect sound (the sound events)"));
}

}  // namespace skrivo::replay
