// TSkrivoExpert: the completion trigger: whether the text before the cursor is learnt, suggested for, or hides the list.
#include <string>
#include <string_view>

#include "bridge/Diagnostics.h"
#include "bridge/QvNotifier.h"
#include "completion/RequestText.h"
#include "completion/TextFold.h"
#include "config/ExpertConfig.h"
#include "expert/SkrivoExpert.h"
#include "source/CharClasses.h"
#include "platform/ScopedValue.h"

namespace skrivo {

namespace {

// The line before the cursor is read this far back; a word longer than that
// is not one anybody completes.
constexpr int kLineBeforeCursor = -100;

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

std::string TrailingWord(std::string_view s) {
    std::size_t start = s.size();
    while (start > 0 && IsAlphaDigit(s[start - 1])) --start;
    return std::string(s.substr(start));
}

}  // namespace

void TSkrivoExpert::ModuleModified(TQvNotifier* notifier) {
    if (FOwnEdit || !notifier) return;
    Rpt(notifier->UnitName(), " was modified...");
    if (FBusy) return;
    Notifier2Replace = notifier;
    FWorkFile = notifier->FFileName;
    if (IsRecording() || IsPlaying()) return;
    TQvNotifier* current = GetCurrentNotifier();
    if (!current) {
        Rpt("*** There are no CurrentNotifier ***");
        return;
    }
    if (current != notifier) {
        Rpt("*** Current notifier is not ", notifier->UnitName(), " - can not work ***");
        return;
    }
    // The cursor moved after the edit: what lies before it now was not typed
    // just now, so neither suggesting nor learning from it is wanted.
    if (notifier->GetEditPos() != FLastEditPos) {
        Rpt("POSITION CHANGED - NO SUGGESTIONS");
        return;
    }
    ScopedValue busy(FBusy, true);
    Rpt("Handling modification in module ", notifier->UnitName());
    try {
        Work(ReadText(kLineBeforeCursor), true);
    } catch (...) {
        Rpt("fin027");
        throw;
    }
}

void TSkrivoExpert::Work(std::string S, bool DoSuggest) {
    const TExpertConfig& cfg = *GetCfg();
    for (std::size_t i = S.size(); i-- > 0;) {
        if (S[i] != '\r' && S[i] != '\n') continue;
        if (cfg.HideAtTheBeginningOfLine) {
            S.erase(0, i + 1);
            break;
        }
        S[i] = ' ';
    }
    Rpt("Working with <", S, ">");

    if (IsBlankOnly(S) && cfg.HideAtTheBeginningOfLine) {
        HideSuggestion(false);
        return;
    }
    if (cfg.HideAfterWords) {
        for (const std::string& word : cfg.WordsList.Lines()) {
            // An empty entry (a blank line in an edited list) would end every
            // line and so switch suggestions off altogether.
            if (word.empty()) continue;
            if (EndsWithWord(S, word, cfg.WordsCaseSensitive)) {
                Rpt("Word <", word, "> is in blacklist - no suggestions.");
                HideSuggestion(false);
                return;
            }
        }
    }
    if (cfg.DoNotShowForShorterUsed) {
        const std::string word = TrailingWord(S);
        if (static_cast<int>(word.size()) < cfg.DoNotShorForShorter) {
            Rpt("Word <", word, "> is too short - stop suggestions.");
            HideSuggestion(false);
            return;
        }
    }
    // With HideAtTheBeginningOfLine off an empty line still has no last
    // character to decide by; hiding is what the blank line does otherwise.
    if (S.empty()) {
        HideSuggestion(false);
        return;
    }

    const std::string S2 = CollapseBlanks(LastTwoWords(S));
    Rpt("Last 2 words without spaces: <", S2, "> (S = <", S, ">");
    const char last = S.back();
    if (!IsAlphaDigit(last) || !DoSuggest) {
        std::size_t sep = S2.size();
        while (sep > 0 && IsAlphaDigit(S2[sep - 1])) --sep;
        if (sep > 0) {
            const std::string word(Trim(std::string_view(S2).substr(sep)));
            if (!word.empty()) Collect(" " + word);
        }
        Collect(S2);
        FNotSuggestUntilNext = false;
    }

    bool hide = false;
    if (IsAlphaDigit(last))
        hide = false;
    else if (last == ' ')
        hide = cfg.HideAfterSpace;
    else if (last == ';')
        hide = cfg.HideAfterSemicolon;
    else
        hide = cfg.HideAfterSeparator;
    if (hide) {
        Rpt("BECAUSE LAST=", std::string(1, last), ", Suggest hidden!");
        HideSuggestion(true);
        return;
    }
    if (FNotSuggestUntilNext) Rpt("Was: flag set FNotSuggestUntilNext");
    FNotSuggestUntilNext = false;
    Rpt("BECAUSE LAST=", std::string(1, last), ", Flag Reset!");

    const std::string request = IsAlphaDigit(last) ? S2 : SuggestionRequest(S);
    Rpt("Will be suggest for: <", request, ">");
    if (DoSuggest) Suggest(request);
}

}  // namespace skrivo
