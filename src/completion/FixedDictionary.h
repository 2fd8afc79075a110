// The fixed dictionary: the lines of the hand-edited "fixed.dic", reloaded when the file changes.
#pragma once

#include <cstdint>
#include <string>

#include "completion/FoldedWordList.h"

#include "platform/Clock.h"
#include "platform/StringList.h"

namespace skrivo {

class FixedDictionary {
public:
    FixedDictionary() = default;
    FixedDictionary(const FixedDictionary&) = delete;
    FixedDictionary& operator=(const FixedDictionary&) = delete;

    const StringList& Entries() const { return entries_; }
    // The entries lower-cased, rebuilt only after a load.
    const FoldedWordList& FoldedEntries() const { return folded_.Get(entries_, version_); }
    // Moves on with every load.
    std::uint64_t Version() const { return version_; }
    // Last-write time of the file when it was last loaded; 0 until then.
    FileTime FixedDictTime() const { return fixedDictTime_; }

    // Empties the list, then loads the file when the folder has one. A missing
    // file leaves the list empty and the time as it was. Read errors propagate
    // (FileError) with the list empty; the file itself is never written.
    void LoadfixedDic(const std::string& directory);

    // LoadfixedDic when the file exists and was written after the last load.
    // True when it reloaded.
    bool ReloadIfNewer(const std::string& directory);

private:
    StringList entries_;
    FileTime fixedDictTime_ = 0;
    std::uint64_t version_ = 0;
    FoldedWordCache folded_;
};

}  // namespace skrivo
