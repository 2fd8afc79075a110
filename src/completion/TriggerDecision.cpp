// The completion trigger's rules, free of the editor: line breaks, hide-after words, short words, learning and the request.
#include "completion/TriggerDecision.h"

#include "completion/RequestText.h"
#include "completion/TextFold.h"
#include "source/CharClasses.h"

namespace skrivo {

namespace {

bool IsBlankOnly(std::string_view s) {
    for (char c : s)
        if (c != ' ') return false;
    return true;
}

bool EndsWithWord(std::string_view s, std::string_view word, bool caseSensitive) {
    if (s.size() < word.size()) return false;
    const std::string_view tail = s.substr(s.size() - word.size());
    if (caseSensitive) return tail == word;
    const CaseFold& fold = CaseFold::ForActiveCodePage();
    return fold.Lower(tail) == fold.Lower(word);
}

// " S" stands for a type name after a declaration's colon; after any other
// blank it would stop the list before every word beginning with that letter.
bool AfterColon(std::string_view s, std::size_t wordLength) {
    std::size_t i = s.size() - wordLength;
    while (i > 0 && s[i - 1] == ' ') --i;
    return i > 0 && s[i - 1] == ':';
}

std::string TrailingWord(std::string_view s) {
    std::size_t start = s.size();
    while (start > 0 && IsAlphaDigit(s[start - 1])) --start;
    return std::string(s.substr(start));
}

const std::string* HideAfterWordAtEnd(std::string_view s, const TriggerOptions& options) {
    if (!options.hideAfterWords || !options.hideWords) return nullptr;
    for (const std::string& word : options.hideWords->Lines()) {
        // An empty entry (a blank line in an edited list) would end every
        // line and so switch suggestions off altogether.
        if (word.empty()) continue;
        if (!EndsWithWord(s, word, options.wordsCaseSensitive)) continue;
        if (options.smart && word.front() == ' ' && (!options.useSubstitutions || !AfterColon(s, word.size())))
            continue;
        return &word;
    }
    return nullptr;
}

void AddCollected(TriggerDecision& d) {
    const std::string& s2 = d.lastTwoWords;
    std::size_t sep = s2.size();
    while (sep > 0 && IsAlphaDigit(s2[sep - 1])) --sep;
    if (sep > 0) {
        const std::string word(Trim(std::string_view(s2).substr(sep)));
        if (!word.empty()) d.collect.push_back(" " + word);
    }
    d.collect.push_back(s2);
    d.clearsNotSuggestUntilNext = true;
}

}  // namespace

TriggerDecision DecideTrigger(std::string s, bool doSuggest, const TriggerOptions& options) {
    for (std::size_t i = s.size(); i-- > 0;) {
        if (s[i] != '\r' && s[i] != '\n') continue;
        if (options.hideAtTheBeginningOfLine) {
            s.erase(0, i + 1);
            break;
        }
        s[i] = ' ';
    }
    TriggerDecision d;
    d.line = s;
    auto hide = [&](TriggerReason reason, std::string detail = {}) {
        d.action = TriggerAction::Hide;
        d.reason = reason;
        d.detail = std::move(detail);
        return d;
    };

    if (IsBlankOnly(s) && options.hideAtTheBeginningOfLine) return hide(TriggerReason::BlankLine);
    if (const std::string* word = HideAfterWordAtEnd(s, options)) {
        // Smart ranking learns such words all the same; only the list stays away.
        if (options.smart && !s.empty() && (!IsAlphaDigit(s.back()) || !doSuggest)) {
            d.lastTwoWords = CollapseBlanks(LastTwoWords(s));
            AddCollected(d);
        }
        return hide(TriggerReason::HideAfterWord, *word);
    }
    if (options.doNotShowForShorterUsed) {
        std::string word = TrailingWord(s);
        if (static_cast<int>(word.size()) < options.doNotShowForShorter)
            return hide(TriggerReason::TooShort, std::move(word));
    }
    // With HideAtTheBeginningOfLine off an empty line still has no last
    // character to decide by; hiding is what the blank line does otherwise.
    if (s.empty()) return hide(TriggerReason::EmptyLine);

    d.lastTwoWords = CollapseBlanks(LastTwoWords(s));
    const char last = s.back();
    if (!IsAlphaDigit(last) || !doSuggest) AddCollected(d);

    bool hides = false;
    if (IsAlphaDigit(last))
        hides = false;
    else if (last == ' ')
        hides = options.hideAfterSpace;
    else if (last == ';')
        hides = options.hideAfterSemicolon;
    else
        hides = options.hideAfterSeparator;
    if (hides) {
        d.action = TriggerAction::HideUntilNext;
        d.reason = TriggerReason::LastCharacter;
        d.detail = std::string(1, last);
        return d;
    }
    d.action = TriggerAction::Suggest;
    d.reason = TriggerReason::Suggest;
    d.detail = std::string(1, last);
    d.clearsNotSuggestUntilNext = true;
    d.request = IsAlphaDigit(last) ? d.lastTwoWords : SuggestionRequest(s);
    return d;
}

}  // namespace skrivo
