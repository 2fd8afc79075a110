// What the candidate search keeps beside a word list of its single words, from one change of the list to the next.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "completion/EntryPositions.h"
#include "completion/FoldedWordList.h"
#include "completion/SuggestionListContent.h"
#include "completion/TextFold.h"

namespace skrivo {

// What a single-word phase reads of each word without reading the word.
struct KeptWordFacts {
    std::uint16_t length;
    bool leadZero : 1;      // the word is its entry
    bool sameAsBefore : 1;  // the word before it has the same text
    char firstFolded;       // its first character lower-cased, 0 for none
};

// A request of one word reads every single word of a list on every key,
// and the list window shows them; the list changes only when a word is
// learnt or its unit is read again, and then by a word or two. Kept in the
// list's FoldedWordList::Kept (the search is its only user), for its
// generation.
class KeptSingleWords {
public:
    std::uint64_t generation = 0;
    // The list's build, its single words' edits and their count at that
    // generation: what was kept then can follow the edits made since.
    std::uint64_t build = 0;
    std::size_t editsSeen = 0;
    std::size_t count = 0;
    // The latest kept earlier with facts, and with words, until what is
    // kept now is derived from them.
    std::shared_ptr<KeptSingleWords> factsBefore;
    std::shared_ptr<KeptSingleWords> wordsBefore;
    bool factsMade = false;
    std::vector<KeptWordFacts> facts;
    std::shared_ptr<const SharedSuggestionWords> words;
    std::shared_ptr<const EntryPositions> positions;
    // fold: the list's own, as the search's always is.
    const std::vector<KeptWordFacts>& Facts(const FoldedWordList& from, const CaseFold& fold);
    const std::shared_ptr<const SharedSuggestionWords>& Words(const FoldedWordList& from);
    const std::shared_ptr<const EntryPositions>& Positions(const FoldedWordList& from);
    // Where each word of the list stood in what was kept earlier
    // (SharedSuggestionWords::kNew for one put in since); nullptr when
    // the edits since do not tell.
    const std::vector<std::uint32_t>* WasAt(const FoldedWordList& from, const KeptSingleWords& earlier);

private:
    const KeptSingleWords* followed_ = nullptr;  // the one wasAt_ was found for
    bool told_ = false;
    std::vector<std::uint32_t> wasAt_;
};

// What is kept for the list as it stands, made empty on its first use after
// a change.
KeptSingleWords& KeptSingleWordsOf(const FoldedWordList& list);

}  // namespace skrivo
