// The substitution list as the user edits it: rows with a check box, and the ".sl" files that exchange them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/StringList.h"

namespace skrivo::subst {

// A pattern starting with this character never matches: it is how a row the
// user unchecked keeps its place in the list and in files.
inline constexpr char kSubstOffMark = '\x01';
inline constexpr const char* kSubstListExt = ".sl";

struct TSubstRow {
    std::string from;
    std::string to;
    bool checked = true;
    friend bool operator==(const TSubstRow&, const TSubstRow&) = default;
};
using TSubstRows = std::vector<TSubstRow>;

// Pairs (pattern, replacement, ...) as rows; a pattern with the off mark is an
// unchecked row shown without it. An odd last line has no partner and is
// left out.
TSubstRows SubstRowsFromList(const StringList& pairs);
StringList SubstListFromRows(const TSubstRows& rows);

// ".sl" files are the same pairs, one line each, CR LF after every line. A
// text cannot hold a line break inside a field, so one that somehow got there
// is written as a blank rather than splitting the pair and shifting every
// row after it.
std::string SubstListFileText(const TSubstRows& rows);
// Throws FileError when the file cannot be read.
TSubstRows LoadSubstListFile(const std::string& path);
// Writes atomically (FileError on failure). An empty selection writes
// nothing, leaving any file of that name as it was; returns whether it wrote.
bool SaveSubstListFile(const std::string& path, const TSubstRows& rows);

}  // namespace skrivo::subst
