// A unit's local dictionary built in one pass over its source.
#include "completion/LocalDictionary.h"

#include <string>
#include <unordered_set>

#include "source/CharClasses.h"

namespace skrivo {

StringList BuildLocalDictionary(std::string_view source) {
    EnsureLetterTable();
    StringList words;
    // Views into source: the text outlives the scan, the kept strings move
    // around inside the list.
    std::unordered_set<std::string_view> kept;
    std::size_t usedCapacity = 0;

    std::size_t i = 0;
    while (i < source.size()) {
        if (!IsAlpha(source[i])) {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < source.size() && IsAlphaDigit(source[end])) ++end;
        const std::string_view word = source.substr(i, end - i);
        i = end + 1;  // the character that ended the word cannot start one
        if (word.size() < kLocalWordMinLength) continue;
        if (usedCapacity + word.size() >= kLocalDictionaryCapacity) break;
        if (!kept.insert(word).second) continue;
        words.Add(std::string(word));
        usedCapacity += word.size() + 2;
    }
    return words;
}

}  // namespace skrivo
