// Commands whose subsystems are not part of this build yet: they stop the script with a clear reason.
#include "CommandTable.h"

namespace skrivo::replay {

CommandSpec UnavailableCommand(std::string name, std::string what) {
    CommandSpec spec;
    spec.name = std::move(name);
    spec.minArgs = 0;
    spec.maxArgs = -1;
    spec.run = [what = std::move(what)](Session&, const ScriptArgs&) {
        throw ReplayError("not available yet: " + what);
    };
    return spec;
}

// Every command of the language has its subsystem in this build; a command
// added ahead of its subsystem goes here as UnavailableCommand(name, what).
void AddUnavailableCommands(CommandTable&) {}

}  // namespace skrivo::replay
