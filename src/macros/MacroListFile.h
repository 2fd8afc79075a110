// Macro list files (".km"): the macros a user exchanges, with their names and shortcuts.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "macros/Macro.h"

namespace skrivo {

// The file starts with these bytes, without a length or a terminator.
inline constexpr std::string_view kMacroListHeader = "Skrivo Expert - macros list.";

// The file's bytes: the header, the count, then per macro its name, its
// shortcut widened to 32 bits and its data, lengths as signed 32-bit
// little-endian integers.
std::string MacroListBytes(std::span<const TMacro* const> macros);

struct TMacroListRead {
    bool recognised = false;  // the header was there; otherwise nothing was read
    bool damaged = false;     // the file ended or lied inside a macro
    // The macros read whole, in file order; a damaged file keeps those before
    // the damage and none that was half read.
    std::vector<std::unique_ptr<TMacro>> macros;
};

TMacroListRead ReadMacroList(std::string_view bytes);

// Writes the file atomically; FileError when it cannot be written.
void SaveMacroListFile(const std::string& path, std::span<const TMacro* const> macros);
// FileError when the file cannot be read.
TMacroListRead LoadMacroListFile(const std::string& path);

}  // namespace skrivo
