// LoadSaveConfig: moves the whole configuration record to or from the registry or an INI file.
#pragma once

#include <cstdint>
#include <string>

#include "config/ConfigContext.h"
#include "config/ExpertConfig.h"

namespace skrivo {

// Saving writes every stored option, each list with its count, and deletes
// the entries the store holds beyond each count. Loading reads only the
// values that exist, so a missing value leaves its option as it was; it cuts
// Directory, the sound paths and the hide-after words to 255 characters and
// also deletes the stored entries beyond each count.
//
// fileName empty: the registry key (a missing key when loading is not an
// error: nothing changes). Otherwise the INI file of that name.
//
// A list whose count is missing is left as it is when loading: the
// condition, substitution and macro lists are rebuilt from their entries, and
// rebuilding them from entries that are not there would replace the user's
// lists by empty ones. A count beyond the last entry the store holds is
// taken as ending there (the hide-after list still keeps its current words
// up to the count): missing trailing entries could only load as empty ones,
// an empty hide-after word would stop every suggestion, and a corrupt count
// must not make billions of them.
//
// Errors: when loading, a value of the wrong type is treated as missing and
// the transfer goes on; at the end EConfigValueError names every such value.
// When saving, a store error (ERegistryException, FileError) is raised at once.
void LoadSaveConfig(TExpertConfig& cfg, const ConfigContext& ctx, bool save, const std::string& fileName);

// Frees every macro of the configuration and empties the list.
void ClearMacroList(TExpertConfig& cfg);

}  // namespace skrivo
