// The search of one suggestion request through the word lists, in discovery order.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "completion/DisplayOrder.h"
#include "completion/FoldedWordList.h"
#include "completion/KeptSingleWords.h"
#include "completion/SuggestionListContent.h"
#include "completion/UnitWordIndex.h"
#include "platform/StringList.h"

namespace skrivo {

inline constexpr int kDefaultWordsMaxInList = 100;

// The options that shape which entries become candidates.
struct CandidateRules {
    int wordsMaxInList = kDefaultWordsMaxInList;
    int doNotSuggestShorter = 4;  // 0 or less: no length filter
    bool doNotListWordItself = true;
    bool onlyWordsMatching1st = true;
    bool doNotSuggestSeparators = true;
    // The context search takes a hit only where a word begins, so that the
    // tail of a longer word ("fter" of "after") is never offered.
    bool wholeWordsOnly = false;
    friend bool operator==(const CandidateRules&, const CandidateRules&) = default;
};

// A limit below 1 (only a hand-edited configuration gives one) would end every
// search before its first entry; it falls back to the default.
int EffectiveWordsMaxInList(int configured);

struct Candidate {
    std::string text;
    int dictIndex = 0;  // index of the entry in the self-teaching dictionary, 0 for other lists
    friend bool operator==(const Candidate&, const Candidate&) = default;
};

// One request searched through several lists in turn. The request is narrowed
// while a list is searched (the previous word dropped, then the separators)
// and later lists see it narrowed; the last word is fixed at the start. The
// order of discovery decides which candidates survive the limit and which is
// the best word, so lists must be searched most relevant first.
//
// The single-word phase has no limit: it may offer every word of a list. It
// takes them from the list's words kept in display order, and when they fill
// the list they stay there as one sorted run, merged with the candidates
// found before; only where the search goes on after them are they put in
// discovery order. Candidates are views of the lists' texts, so a search
// must not outlive the lists it searched.
class CandidateSearch {
public:
    CandidateSearch(std::string_view request, const CandidateRules& rules, const CaseFold& fold);
    CandidateSearch(const CandidateSearch&) = delete;
    CandidateSearch& operator=(const CandidateSearch&) = delete;

    // SuggestFromList: every phase over one list. fromSelfTeaching marks the
    // candidates with their entry's index. folded is the list lower-cased in
    // the active code page, as the dictionaries keep it; without it (or with
    // one that does not match the list) a copy is folded for this search.
    void SearchList(const StringList& list, bool fromSelfTeaching, const FoldedWordList* folded = nullptr);
    void SearchList(const FoldedWordList& list, bool fromSelfTeaching);

    // The units' words through their common index, as SearchList over each
    // unit in turn would find them. Only once the request is narrowed to its
    // last word with OnlyWordsMatching1st (each list is then searched only
    // for the entries beginning with it); false, with nothing searched,
    // otherwise.
    bool SearchUnitWords(const UnitWordIndex& units);
    bool NarrowedToLastWord() const;

    bool Full() const { return Count() >= limit_; }
    std::size_t Count() const { return merged_.empty() ? found_.size() : merged_.size(); }
    // Every candidate in discovery order.
    std::vector<Candidate> Candidates() const;
    // The list window's content: the candidates in display order, the best
    // word (the earliest found that begins with the last word exactly) and
    // the selection.
    SuggestionListContent List(bool autoSelectBestWord) const;
    const std::string& LastWord() const { return lastWord_; }
    // The request as narrowed so far.
    const std::string& Request() const { return s_; }

private:
    using Slot = FoldedWordList::Slot;
    // The display order's key is made as a candidate is found, while its
    // text is at hand, not when the list is sorted.
    struct Found {
        std::string_view text;
        int dictIndex;
        std::uint64_t sortPrefix;
        std::uint64_t sortNext;
    };
    // A row of the display order: a found candidate, or a word of the run.
    struct Row {
        bool fromRun;
        std::uint32_t index;
    };
    // The candidates found so far, by text: a flat table of indexes into
    // found_, as a node per candidate would cost more than the search.
    class FoundSet {
    public:
        // False when the text is there already.
        bool Insert(const std::vector<Found>& found, std::uint32_t index);
        // Room for this many texts without growing.
        void Reserve(std::size_t texts);

    private:
        // The text's hash is kept beside its index: most probes and most
        // texts found again (a word of several units) are settled without
        // reading a text.
        struct Cell {
            std::uint32_t entry;  // index + 1, 0 for empty
            std::uint32_t hash;
        };
        void Grow(const std::vector<Found>& found);
        std::vector<Cell> table_;
        std::size_t used_ = 0;
    };
    void Add(std::string_view text, int dictIndex);
    void KeyForDisplay(Found& found) const;
    std::vector<Row> FoundInDisplayOrder() const;
    std::vector<DisplayOrderKey> FoundKeysInDisplayOrder() const;
    // The merge of the found candidates with a run of words, both in display
    // order, a word already found counted once: a found candidate as
    // SuggestionListContent::OwnRow(its index), a word by its index.
    std::vector<std::uint32_t> MergeWithRun(const FoldedWordList& list, const std::vector<std::uint32_t>& run) const;
    static bool IsFoundRow(std::uint32_t row) { return (row & SuggestionListContent::OwnRow(0)) != 0; }
    // The best word's row among merged_, given the earliest found candidate
    // that begins with the last word (found_.size() for none); -1 for none.
    int BestRowOfMerged(std::size_t bestFound) const;
    // A single-word phase over at least this many words, and a good share of
    // its list (kShareBeyond), reads what was kept of the list; over fewer it
    // reads the list.
    static constexpr std::size_t kWordsWorthKeeping = 1024;
    // A list shows the run from the list's kept words when it holds at
    // least this share (one in so many) of them; a smaller run is copied.
    static constexpr std::size_t kShareBeyond = 4;
    bool PrefixPhase(const FoldedWordList& list, bool fromSelfTeaching);
    // samePrefixPhaseRequest: the request is still the one the prefix phase
    // of this list searched for.
    void SingleWordPhase(const FoldedWordList& list, bool fromSelfTeaching, bool samePrefixPhaseRequest);
    bool ContextPhase(const FoldedWordList& list, bool fromSelfTeaching);
    void LastWordPhase(const FoldedWordList& list, bool fromSelfTeaching);
    // The entry's position is looked up only for a candidate that is kept.
    void AddCandidate(std::string_view entry, bool keepSeparators, const FoldedWordList& list, Slot slot,
                      bool fromSelfTeaching);
    // The entry's end from at, as AddCandidate takes it.
    void AddEntryEnd(std::string_view entry, std::size_t at, bool keepSeparators, const FoldedWordList& list,
                     Slot slot, bool fromSelfTeaching);
    // An offer already cut to what the entry offers.
    void AddOffer(std::string_view offer, const FoldedWordList& list, Slot slot, bool fromSelfTeaching);
    // Only words beginning with the folded character can be candidates, and
    // the searched list's facts about its last words can be trusted.
    bool OnlyWordsBeginningWith(unsigned char lowC) const;
    // The list's bit (FoldedWordList::CharacterBit) of the character every
    // candidate begins with, when an entry offering its last word can be
    // ruled out by it; 0 when none can.
    std::uint32_t OfferBit() const;
    void SetRequest(std::string_view s);
    bool IsWordChar(char c) const { return wordChars_[static_cast<unsigned char>(c)]; }
    std::size_t FindFirstSeparator(std::string_view s) const;
    std::size_t FindFirstWordCharacter(std::string_view s) const;
    std::string_view ReduceToEnd(std::string_view entry, bool keepSeparators) const;
    std::string_view ReduceToEndFrom(std::string_view entry, std::size_t at, std::size_t lastWord,
                                     bool keepSeparators) const;
    bool InsideWord(std::string_view entry, std::size_t at) const {
        return rules_.wholeWordsOnly && at > 0 && IsWordChar(entry[at - 1]) && IsWordChar(entry[at]);
    }

    // The letter table copied once per search: the phases classify every
    // character of every entry.
    std::array<bool, 256> wordChars_{};
    // The folded characters some non-word character lowers to.
    std::array<bool, 256> separatorFoldsTo_{};
    const CandidateRules rules_;
    const CaseFold& fold_;
    const win::CodePage codePage_;
    const std::size_t limit_;
    std::string s_;
    std::string lowS_;
    const std::string lastWord_;
    const std::string lowLastWord_;
    // For the list being searched: it classifies characters as this search
    // does (its last words' starts hold), and folds them alike.
    bool lastWordsKnown_ = false;
    bool foldsAgree_ = false;
    std::vector<Found> found_;
    FoundSet known_;
    // The list whose run of single words filled the list, and every row in
    // display order as MergeWithRun gives them; empty without.
    const FoldedWordList* runList_ = nullptr;
    bool runFromSelfTeaching_ = false;
    std::vector<std::uint32_t> merged_;
    // Lists folded for this search alone: the candidates point into them.
    std::vector<std::unique_ptr<FoldedWordList>> ownFolded_;
};

}  // namespace skrivo
