// What the candidate search keeps beside a word list of its single words, and how it follows the list's edits.
#include "completion/KeptSingleWords.h"

#include <memory>

#include "completion/SuggestionListContent.h"

namespace skrivo {

// Kept beside the list, for as long as it stays the same: a single-word
// request reads every single word of a list on every key, and the list
// changes only when a word is learnt or its unit is read again. A copy of the
// list shares what is kept until either changes; the one that changes starts
// anew, so what the other reads stays true.
KeptSingleWords& KeptSingleWordsOf(const FoldedWordList& list) {
    std::shared_ptr<void>& slot = list.Kept();
    const std::uint64_t generation = list.Generation();
    auto old = std::static_pointer_cast<KeptSingleWords>(slot);
    if (old && old->generation == generation) return *old;
    auto made = std::make_shared<KeptSingleWords>();
    made->generation = generation;
    made->build = list.BuildNumber();
    made->editsSeen = list.SingleWordEdits().size();
    made->count = list.SingleWords().size();
    // Learning a word changes a word or two of thousands: what is kept
    // follows from what was kept before, the latest that holds anything.
    if (old) {
        made->factsBefore = old->factsMade ? old : old->factsBefore;
        made->wordsBefore = old->words ? old : old->wordsBefore;
    }
    // One step back is all that is read.
    for (KeptSingleWords* earlier : {made->factsBefore.get(), made->wordsBefore.get()})
        if (earlier) {
            earlier->factsBefore.reset();
            earlier->wordsBefore.reset();
        }
    KeptSingleWords& kept = *made;
    slot = std::move(made);
    return kept;
}

const std::vector<std::uint32_t>* KeptSingleWords::WasAt(const FoldedWordList& from,
                                                                    const KeptSingleWords& earlier) {
    if (followed_ == &earlier) return told_ ? &wasAt_ : nullptr;
    followed_ = &earlier;
    told_ = false;
    // Each edit moves the words after it: past a few, deriving anew costs less.
    constexpr std::size_t kMostEdits = 32;
    const std::vector<FoldedWordList::SingleWordEdit>& edits = from.SingleWordEdits();
    if (earlier.build != from.BuildNumber() || earlier.editsSeen > edits.size() ||
        edits.size() - earlier.editsSeen > kMostEdits)
        return nullptr;
    wasAt_.resize(earlier.count);
    for (std::size_t i = 0; i < wasAt_.size(); ++i) wasAt_[i] = static_cast<std::uint32_t>(i);
    for (std::size_t e = earlier.editsSeen; e < edits.size(); ++e) {
        const std::size_t at = edits[e].index;
        if (edits[e].inserted) {
            if (at > wasAt_.size()) return nullptr;
            wasAt_.insert(wasAt_.begin() + static_cast<std::ptrdiff_t>(at), SharedSuggestionWords::kNew);
        } else {
            if (at >= wasAt_.size()) return nullptr;
            wasAt_.erase(wasAt_.begin() + static_cast<std::ptrdiff_t>(at));
        }
    }
    if (wasAt_.size() != from.SingleWords().size()) return nullptr;
    told_ = true;
    return &wasAt_;
}

namespace {

bool SameAsWordBefore(const FoldedWordList& list, std::size_t i) {
    const std::vector<FoldedWordList::SingleWord>& words = list.SingleWords();
    return i > 0 && words[i].sortPrefix == words[i - 1].sortPrefix && words[i].length == words[i - 1].length &&
           list.Word(words[i]) == list.Word(words[i - 1]);
}

}  // namespace

const std::vector<KeptWordFacts>& KeptSingleWords::Facts(const FoldedWordList& from,
                                                                                   const CaseFold& fold) {
    if (factsMade) return facts;
    factsMade = true;
    const std::vector<FoldedWordList::SingleWord>& single = from.SingleWords();
    auto factOf = [&](std::size_t i) {
        const FoldedWordList::SingleWord& w = single[i];
        const std::string_view text = from.Word(w);
        return KeptWordFacts{w.length, w.lead == 0, SameAsWordBefore(from, i),
                             text.empty() ? '\0' : static_cast<char>(fold.Lower(text[0]))};
    };
    const std::vector<std::uint32_t>* follow = factsBefore ? WasAt(from, *factsBefore) : nullptr;
    if (follow) {
        const std::vector<std::uint32_t>& wasAt = *follow;
        facts.resize(single.size());
        for (std::size_t i = 0; i < single.size(); ++i) {
            const std::uint32_t was = wasAt[i];
            if (was == SharedSuggestionWords::kNew) {
                facts[i] = factOf(i);
                continue;
            }
            facts[i] = factsBefore->facts[was];
            // A word with another word before it than it had.
            const bool sameBefore = i == 0 ? was == 0 : wasAt[i - 1] != SharedSuggestionWords::kNew && wasAt[i - 1] + 1 == was;
            if (!sameBefore) facts[i].sameAsBefore = SameAsWordBefore(from, i);
        }
        return facts;
    }
    facts.resize(single.size());
    for (std::size_t i = 0; i < single.size(); ++i) facts[i] = factOf(i);
    return facts;
}

// The single words as rows every list window content filled from the list
// shares: copying thousands of them on each key would cost more than the
// search.
const std::shared_ptr<const SharedSuggestionWords>& KeptSingleWords::Words(const FoldedWordList& from) {
    if (words) return words;
    const std::vector<FoldedWordList::SingleWord>& single = from.SingleWords();
    auto made = std::make_shared<SharedSuggestionWords>();
    made->text.assign(from.SingleWordsText());
    made->rows.resize(single.size());
    for (std::size_t i = 0; i < single.size(); ++i) made->rows[i] = {single[i].textAt, single[i].length, single[i].slot};
    const std::vector<std::uint32_t>* follow = wordsBefore ? WasAt(from, *wordsBefore) : nullptr;
    if (follow) {
        made->tabOrHighByte = wordsBefore->words->tabOrHighByte;
        for (std::size_t i = 0; i < follow->size() && !made->tabOrHighByte; ++i)
            if ((*follow)[i] == SharedSuggestionWords::kNew) made->tabOrHighByte = HoldsTabOrHighByte(from.Word(single[i]));
        made->madeFrom = wordsBefore->words;
        made->madeFromIndex = *follow;
    } else {
        made->tabOrHighByte = HoldsTabOrHighByte(made->text);
    }
    words = std::move(made);
    return words;
}

const std::shared_ptr<const EntryPositions>& KeptSingleWords::Positions(const FoldedWordList& from) {
    if (!positions) positions = std::make_shared<const EntryPositions>(from.PositionsNow());
    return positions;
}

}  // namespace skrivo
