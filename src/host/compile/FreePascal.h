// Compiling the unit in front with the Free Pascal compiler, when one is installed.
#pragma once

#include <string>
#include <vector>

namespace skrivo::host {

struct CompileRun {
    bool started = false;  // the compiler ran (false: not found or would not start)
    bool succeeded = false;
    std::vector<std::string> output;  // its lines, in its own words
};

// The compiler ("fpc") found on the PATH; empty when there is none.
std::string FindFreePascal();

// Compiles the text (bytes as the file would hold them) under the unit's
// file name in a fresh temporary folder, in Delphi mode, with the unit's own
// folder searched for the units it uses: the unit's folder gets no compiled
// files and unsaved changes are compiled as the user sees them. Paths of the
// temporary copy in the output are given as the unit's own.
CompileRun CompileWithFreePascal(const std::string& compiler, const std::string& unitPath, const std::string& bytes);

}  // namespace skrivo::host
