// TSkrivoExpert::Suggest: the words for a request, found in the dictionaries and given to the list window.

#include <utility>

#include "bridge/Diagnostics.h"
#include "bridge/QvNotifier.h"
#include "completion/FixedDictionary.h"
#include "completion/KeptSingleWords.h"
#include "completion/SelfTeachingDictionary.h"
#include "completion/SmartRanking.h"
#include "suggest/SuggestWindow.h"
#include "completion/SuggestionRanking.h"
#include "config/ExpertConfig.h"
#include "expert/KeyDispatchState.h"
#include "expert/SkrivoExpert.h"
#include "expert/SuggestListState.h"
#include "host/api/Host.h"
#include "host/api/Widgets.h"
#include "platform/CodePage.h"

namespace skrivo {

namespace {

RankingOptions RankingOptionsOf(const TExpertConfig& cfg, const WordFrecency& frecency) {
    RankingOptions options;
    options.selfTeaching = cfg.SelfTeaching;
    options.fixedDictionary = cfg.FixedDictionary;
    options.wordsFromAllUnits = cfg.WordsFromAllUnits;
    options.wordsFromCurrentUnit = cfg.WordsFromCurrentUnit;
    options.exceedWordsMax = cfg.ExceedWordsMax;
    options.autoSelectBestWord = cfg.AutoSelectBestWord;
    options.rules.wordsMaxInList = EffectiveWordsMaxInList(cfg.WordsMaxInList);
    options.rules.doNotSuggestShorter = cfg.DoNotSuggestShorter;
    options.rules.doNotListWordItself = cfg.DoNotListWordItself;
    options.rules.onlyWordsMatching1st = cfg.OnlyWordsMatching1st;
    options.rules.doNotSuggestSeparators = cfg.DoNotSuggestSeparators;
    if (cfg.SmartRanking) {
        options.rules.wholeWordsOnly = true;
        options.frecency = &frecency;
    }
    return options;
}

}  // namespace

int TSkrivoExpert::MeasureLineHeight() const {
    // The editor draws with its style's font, not the widget's; the host asks it.
    const int height = host::LineHeightOf(FKeys->FLastKeyControl);
    return height > 0 ? height : kSuggestDefaultLineHeight;
}

const FoldedWordList* TSkrivoExpert::UnitWordsFolded(const StringList& words) {
    FoldedWordList& folded = FListState->FUnitWordsFolded[&words];
    if (folded.Count() != words.Count() || folded.CodePage() != win::GetACP()) {
        folded.Build(words, win::GetACP());
        FListState->FUnitWordsIndex.Invalidate();
        // Without OnlyWordsMatching1st, a request the dictionaries leave room
        // for reads every word of every unit: what it reads of each word is
        // made with the list, not by the first such key (twenty units of
        // 5,000 lines: half a millisecond).
        if (!GetCfg()->OnlyWordsMatching1st) KeptSingleWordsOf(folded).Facts(folded, CaseFold::ForActiveCodePage());
    }
    return &folded;
}

// Too many words, or none: a visible list goes (with no words only when so
// configured; otherwise it keeps what it shows).
void TSkrivoExpert::ShowNothingFound(SuggestDecision decision) {
    TfmSuggest* list = SggListIfCreated();
    if (!list || !list->isVisible()) return;
    if (decision == SuggestDecision::HideExceeded || GetCfg()->HideWhenNoSuggestions) HideSuggestion(false);
}

void TSkrivoExpert::Suggest(std::string S) {
    FListState->FShowPending = false;
    host::IHost* host = host::Host();
    win::TPoint caret;
    if (!host || !FKeys->FLastKeyControl || !host->Windows().GetCaretPos(caret)) return;
    const TExpertConfig& cfg = *GetCfg();
    // The record stays armed after the user moved on (a later Backspace at
    // the replacement's end may still restore it), but the list is held back
    // only while that end is where the user is.
    if (cfg.HideAfterReplace && ReplacementRestorable()) {
        HideSuggestion(false);
        return;
    }
    if (HidesForLastCharacter(S, {cfg.HideAfterSemicolon, cfg.HideAfterSpace, cfg.HideAfterSeparator})) {
        HideSuggestion(false);
        return;
    }

    FListState->FSuggestFocus = FKeys->FLastKeyControl;
    FListState->FHaveSuggestions = false;
    host->Windows().ClientToScreen(FKeys->FLastKeyControl, caret);
    FListState->FCaretScreenPos = caret;
    FListState->FSuggestOrigin = {0, 0};
    host->Windows().ClientToScreen(FKeys->FLastKeyControl, FListState->FSuggestOrigin);
    FListState->FLineHeight = MeasureLineHeight();

    // A visible list brought up to date when the key was applied is asked
    // for again when the pause has passed; searching again would give what
    // it shows, and would undo a selection made with the arrows meanwhile.
    RankingOptions options = RankingOptionsOf(cfg, *FFrecency);
    TSuggestFillKey key{S,
                        GetCurrentNotifier(),
                        GetNotifiers() ? GetNotifiers()->size() : 0,
                        FDict->Version(),
                        FFixedDict->Version(),
                        FListState->FCaretScreenPos,
                        FListState->FSuggestOrigin,
                        FListState->FLineHeight,
                        static_cast<int>(win::GetACP()),
                        options};
    if (FListState->FSearchedFor == key) {
        if (FListState->FSearchDecision == SuggestDecision::Fill) {
            if (FSggList && FSggList->isVisible()) {
                FListState->FListFilled = true;
                return;
            }
        } else {
            // A key whose list found nothing has hidden it already; its
            // pause would search again only to find nothing again.
            ShowNothingFound(FListState->FSearchDecision);
            return;
        }
    }

    SuggestionSources sources;
    // The folded copy alone: it follows learning, where the entries as a
    // list would be put together again after every learnt word.
    sources.selfTeachingFolded = &std::as_const(*FDict).FoldedEntries();
    sources.fixed = &FFixedDict->Entries();
    sources.fixedFolded = &FFixedDict->FoldedEntries();
    sources.allUnits = [this] {
        std::vector<const StringList*> lists;
        for (auto& notifier : *GetNotifiers()) lists.push_back(&NotifierDictionary(notifier.get()));
        return lists;
    };
    sources.currentUnit = [this]() -> const StringList* {
        TQvNotifier* current = GetCurrentNotifier();
        return current ? &NotifierDictionary(current) : nullptr;
    };
    sources.unitFolded = [this](const StringList& words) { return UnitWordsFolded(words); };
    sources.unitsIndex = &FListState->FUnitWordsIndex;
    SmartRequest smart;
    if (options.frecency) {
        smart = SmartRequestAtCursor();
        options.smart = &smart;
    }
    RankingResult result = RankSuggestions(S, sources, options);

    TfmSuggest* list = GetSggList();
    FListState->FSearchedFor = std::move(key);
    FListState->FSearchDecision = result.decision;
    if (result.decision != SuggestDecision::Fill) {
        ShowNothingFound(result.decision);
        return;
    }
    // What smart ranking notes of a list the user sees: its selected word.
    const std::string selectedWord = options.frecency && result.list.selected >= 0
                                         ? std::string(result.list.Text(static_cast<std::size_t>(result.list.selected)))
                                         : std::string();
    list->Fill(std::move(result.list));
    FListState->FListFilled = true;
    list->SizeAndPlace(FListState->FCaretScreenPos, FListState->FLineHeight, HostSuggestScreen(*host));
    if (list->isVisible()) {
        if (options.frecency) NoteOffered(selectedWord);
        return;
    }
    // The IDE's own list is up: showing ours on top of it would hide the one
    // the user is looking at; the timer shows ours once it is gone.
    if (KibitzWindowVisible()) {
        FListState->FShowPending = true;
        return;
    }
    ShowSggList();
    FListState->FHaveSuggestions = true;
    // Only a list on screen can be typed past.
    if (options.frecency && list->isVisible()) NoteOffered(selectedWord);
}

}  // namespace skrivo
