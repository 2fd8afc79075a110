// What the text before the cursor asks of the completion trigger: words to learn, a request to suggest for, or hiding the list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/StringList.h"

namespace skrivo {

struct TriggerOptions {
    bool hideAtTheBeginningOfLine = true;
    bool hideAfterWords = true;
    const StringList* hideWords = nullptr;  // the hide-after words, in order
    bool wordsCaseSensitive = false;
    bool doNotShowForShorterUsed = false;
    int doNotShowForShorter = 2;
    bool hideAfterSpace = true;
    bool hideAfterSemicolon = true;
    bool hideAfterSeparator = false;
    // Smart ranking: a word ending in a hide-after word is still learnt, and
    // entries that begin with a blank (" S", " I") apply only after a colon,
    // where they leave ": S" to the substitutions: without substitutions
    // they do not apply at all.
    bool smart = false;
    bool useSubstitutions = true;
};

enum class TriggerAction {
    Hide,           // hide the list
    HideUntilNext,  // hide it and hold suggestions back until the next clearing
    Suggest,        // suggest for the request (when asked to suggest)
};

enum class TriggerReason {
    Suggest,
    BlankLine,       // only blanks before the cursor on this line
    HideAfterWord,   // the text ends with a hide-after word (detail: the word)
    TooShort,        // the trailing word is shorter than allowed (detail: the word)
    EmptyLine,       // nothing before the cursor at all
    LastCharacter,   // the last character's option hides the list
};

struct TriggerDecision {
    std::string line;                  // the text after the line-break rule
    TriggerAction action = TriggerAction::Hide;
    TriggerReason reason = TriggerReason::EmptyLine;
    std::string detail;
    std::string lastTwoWords;          // the last two words, blanks collapsed
    std::vector<std::string> collect;  // entries to learn, in this order
    // Collecting or suggesting lifts the hold on suggestions.
    bool clearsNotSuggestUntilNext = false;
    std::string request;               // for Suggest
};

// The trigger's rules over the line before the cursor. doSuggest is false
// when a key that ends a word asks only for learning.
TriggerDecision DecideTrigger(std::string line, bool doSuggest, const TriggerOptions& options);

}  // namespace skrivo
