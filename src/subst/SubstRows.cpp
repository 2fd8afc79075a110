// The substitution list as the user edits it: rows with a check box, and the ".sl" files that exchange them.
#include "subst/SubstRows.h"

#include "platform/FileIO.h"

namespace skrivo::subst {

namespace {

std::string OneLine(std::string text) {
    for (char& ch : text)
        if (ch == '\r' || ch == '\n') ch = ' ';
    return text;
}

}  // namespace

TSubstRows SubstRowsFromList(const StringList& pairs) {
    TSubstRows rows;
    rows.reserve(pairs.Count() / 2);
    for (std::size_t i = 0; i + 1 < pairs.Count(); i += 2) {
        TSubstRow row{pairs[i], pairs[i + 1], true};
        if (!row.from.empty() && row.from.front() == kSubstOffMark) {
            row.from.erase(0, 1);
            row.checked = false;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

StringList SubstListFromRows(const TSubstRows& rows) {
    StringList pairs;
    for (const TSubstRow& row : rows) {
        pairs.Add(row.checked ? OneLine(row.from) : kSubstOffMark + OneLine(row.from));
        pairs.Add(OneLine(row.to));
    }
    return pairs;
}

std::string SubstListFileText(const TSubstRows& rows) { return SubstListFromRows(rows).Text(); }

TSubstRows LoadSubstListFile(const std::string& path) {
    StringList lines;
    lines.LoadFromFile(path);
    return SubstRowsFromList(lines);
}

bool SaveSubstListFile(const std::string& path, const TSubstRows& rows) {
    if (rows.empty()) return false;
    WriteFileAtomic(path, SubstListFileText(rows));
    return true;
}

}  // namespace skrivo::subst
