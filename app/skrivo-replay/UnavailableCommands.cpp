// A command whose subsystem is not part of the build: it stops the script with a clear reason.
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

}  // namespace skrivo::replay
