// The search of one suggestion request through the word lists, in discovery order.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "completion/TextFold.h"
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
class CandidateSearch {
public:
    CandidateSearch(std::string_view request, const CandidateRules& rules, const CaseFold& fold);
    CandidateSearch(const CandidateSearch&) = delete;
    CandidateSearch& operator=(const CandidateSearch&) = delete;

    // SuggestFromList: every phase over one list. fromSelfTeaching marks the
    // candidates with their entry's index. folded, when given, is the list
    // lower-cased in the active code page; it changes nothing but the speed.
    void SearchList(const StringList& list, bool fromSelfTeaching, const FoldedWordList* folded = nullptr);

    bool Full() const { return candidates_.size() >= limit_; }
    const std::vector<Candidate>& Candidates() const { return candidates_; }
    std::vector<Candidate> TakeCandidates() { return std::move(candidates_); }
    const std::string& LastWord() const { return lastWord_; }
    // The request as narrowed so far.
    const std::string& Request() const { return s_; }

private:
    bool PrefixPhase(const StringList& list, bool fromSelfTeaching);
    bool PrefixPhase(const StringList& list, const FoldedWordList& folded, bool fromSelfTeaching);
    void SingleWordPhase(const StringList& list, const FoldedWordList* folded, bool fromSelfTeaching);
    void SingleWordPhase(const StringList& list, bool fromSelfTeaching);
    bool ContextPhase(const StringList& list, bool fromSelfTeaching);
    bool ContextPhase(const StringList& list, const FoldedWordList& folded, bool fromSelfTeaching);
    void LastWordPhase(const StringList& list, bool fromSelfTeaching);
    void LastWordPhase(const StringList& list, const FoldedWordList& folded, bool fromSelfTeaching);
    void AddCandidate(std::string_view entry, bool keepSeparators, std::size_t index, bool fromSelfTeaching);
    void SetRequest(std::string_view s);
    bool IsWordChar(char c) const { return wordChars_[static_cast<unsigned char>(c)]; }
    bool AllWordCharacters(std::string_view s) const;
    std::size_t FindFirstSeparator(std::string_view s) const;
    std::size_t FindFirstWordCharacter(std::string_view s) const;
    std::string_view ReduceToEnd(std::string_view entry, bool keepSeparators) const;
    bool InsideWord(std::string_view entry, std::size_t at) const {
        return rules_.wholeWordsOnly && at > 0 && IsWordChar(entry[at - 1]) && IsWordChar(entry[at]);
    }

    // The letter table copied once per search: the phases classify every
    // character of every entry.
    std::array<bool, 256> wordChars_{};
    const CandidateRules rules_;
    const CaseFold& fold_;
    const std::size_t limit_;
    std::string s_;
    std::string lowS_;
    const std::string lastWord_;
    const std::string lowLastWord_;
    std::vector<Candidate> candidates_;
    std::unordered_set<std::string> known_;
};

}  // namespace skrivo
