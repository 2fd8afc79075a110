// A word list lower-cased once and indexed by first characters, updated in place as words are learnt.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "completion/EntryPositions.h"
#include "completion/TextFold.h"
#include "platform/CodePage.h"
#include "platform/StringList.h"

namespace skrivo {

// The copy is kept in the order entries were put on top of their list, the
// newest last: learning a word (put on top, perhaps the oldest dropped) then
// costs an append and a mark, where a copy in list order would move every
// entry. Each entry lives in a slot numbered in that order; walking the
// slots downwards visits the list from its top. Slots of entries that left
// the list stay in place, marked dead, until the slots run out and the copy
// is packed.
//
// Entries too long to offer are kept as empty text: the search never reads
// them, as it never offers them.
class FoldedWordList {
public:
    using Slot = std::uint32_t;

    void Build(const StringList& list, win::CodePage cp);

    // The list's own changes, mirrored: a new entry on top; the entry at a
    // position moved to the top in a new spelling; everything from count on
    // dropped.
    void PutOnTop(std::string_view entry);
    void MoveToTop(std::size_t position, std::string_view spelling);
    void KeepFirst(std::size_t count);

    std::size_t Count() const { return live_; }
    win::CodePage CodePage() const { return codePage_; }

    // Slots run from 0 to SlotEnd(); dead ones are to be skipped.
    Slot SlotEnd() const { return static_cast<Slot>(starts_.size() - 1); }
    bool Alive(Slot s) const { return (aliveBits_[s >> 6] >> (s & 63)) & 1; }
    std::string_view Folded(Slot s) const { return std::string_view(folded_).substr(starts_[s], Length(s)); }
    std::string_view Original(Slot s) const { return std::string_view(original_).substr(starts_[s], Length(s)); }
    // The index of the top entry whose folded text is lowText (with exact,
    // the top one whose text is exact itself), or npos. Entries too long
    // to offer are not found.
    std::size_t FindFolded(std::string_view lowText, std::string_view exact = {}) const;
    // The entry's index in the list (0 = top).
    std::size_t Position(Slot s) const { return live_ - AliveUpTo(s); }
    // Position() of many slots at once, as a list of thousands of learnt
    // words needs: with the processor's own bit count where it has one.
    void Positions(const Slot* which, std::size_t count, int* out) const;
    // The positions as they stand now, for slots looked up later.
    EntryPositions PositionsNow() const { return EntryPositions(aliveBits_, liveBefore_, live_); }
    // No live entry follows it in the list.
    bool IsLast(Slot s) const { return s == oldest_; }

    // The classification of characters and the folding the copy was built
    // with: what the per-slot facts below rest on.
    const std::array<bool, 256>& WordChars() const { return wordChars_; }
    const CaseFold& Fold() const { return fold_; }
    // Where the entry's last word begins: after its last non-word character,
    // 0 for an entry of one word, its length when it ends in a non-word
    // character. Most offers are this word.
    std::size_t LastWordStart(Slot s) const { return lastWordStart_[s]; }
    // A bit per folded character: 'a' to 'z' a bit each, every other
    // character one of a few shared bits.
    static std::uint32_t CharacterBit(unsigned char low) {
        return low >= 'a' && low <= 'z' ? std::uint32_t{1} << (low - 'a') : std::uint32_t{1} << (26 + low % 6);
    }
    static bool ExactCharacterBit(unsigned char low) { return low >= 'a' && low <= 'z'; }
    // The folded characters c whose first occurrence in the entry can lead
    // to an offer that begins with c: those of the last word that the
    // text before it lacks, and the last word's first character (a shared
    // bit for any character of the last word). Zero for entries with a
    // leading blank, never searched inside, and ones without a last word.
    // A search for one character, offering only words that begin with it,
    // reads these instead of the entries.
    std::uint32_t OfferCharacters(Slot s) const { return offerCharacters_[s]; }
    const std::uint32_t* OfferCharacters() const { return offerCharacters_.data(); }

    // All slots' folded text end to end, and where slot s starts in it: a
    // search for a text inside entries runs over the block at once.
    std::string_view Block() const { return folded_; }
    std::size_t Start(Slot s) const { return starts_[s]; }
    // Start() of every kLocateGroup-th slot, a short array: finding the slot
    // of a place in the block reads a few of these and then one group's.
    static constexpr Slot kLocateGroup = 32;
    std::size_t GroupStart(Slot group) const { return group < groupStarts_.size() ? groupStarts_[group] : folded_.size(); }
    void Prefetch(Slot s) const {
        __builtin_prefetch(folded_.data() + starts_[s]);
        __builtin_prefetch(original_.data() + starts_[s]);
    }
    // How often the folded byte occurs in the block: a search looks for the
    // rarest byte of what it seeks.
    std::size_t ByteCount(unsigned char c) const { return byteCount_[c]; }

    // Slots in ascending order (list order is the reverse): entries whose
    // folded text starts with c; those starting with a blank and then c.
    const std::vector<Slot>& StartingWith(unsigned char c) const { return startingWith_[c]; }
    const std::vector<Slot>& BlankThen(unsigned char c) const { return blankThen_[c]; }
    // The same by the first two characters of a folded prefix (one when it
    // is shorter): a superset of the entries starting with it, far smaller
    // than the first character's.
    const std::vector<Slot>& StartingWith(std::string_view lowPrefix) const { return StartingWithPrefix(lowPrefix).bySlot; }
    const std::vector<Slot>& BlankThen(std::string_view lowPrefix) const { return BlankThenPrefix(lowPrefix).bySlot; }
    // The same slots with, for a prefix of two characters or more, the two
    // folded characters that follow those two in each entry: an entry is
    // ruled out without reading it when they differ from the prefix's next.
    struct PrefixSlots {
        const std::vector<Slot>& bySlot;
        const std::vector<std::uint16_t>* next;  // nullptr: not kept
        // Whether the k-th slot's entry may go on with lowRest, the prefix's
        // characters after its first two.
        bool MayGoOn(std::size_t k, std::string_view lowRest) const {
            if (!next || lowRest.empty()) return true;
            const std::uint16_t following = (*next)[k];
            if (static_cast<unsigned char>(lowRest[0]) != following >> 8) return false;
            return lowRest.size() < 2 || static_cast<unsigned char>(lowRest[1]) == (following & 0xFF);
        }
    };
    PrefixSlots StartingWithPrefix(std::string_view lowPrefix) const;
    PrefixSlots BlankThenPrefix(std::string_view lowPrefix) const;
    // Entries with a word that follows a non-word character and starts with
    // the first characters of lowWord (one or two of them): every entry
    // holding separators and then that word is among them.
    const std::vector<Slot>& WordAfterSeparator(std::string_view lowWord) const;

    // Which groups of kGramGroup slots may hold a folded text: a group whose
    // entries lack one of the text's runs of three characters (of a shorter
    // text, one of its characters) cannot hold it. A search for a text
    // inside entries reads only the groups that pass, instead of every entry.
    static constexpr std::size_t kGramGroup = 32;
    std::size_t GramGroups() const { return (starts_.size() - 1 + kGramGroup - 1) / kGramGroup; }
    // The groups that may hold one text; every group may hold the empty text.
    class GramFilter {
    public:
        bool Filters() const { return !groups_.empty(); }
        bool MayHoldGroup(std::size_t group) const { return (groups_[group >> 6] >> (group & 63)) & 1; }
        bool MayHold(Slot s) const { return groups_.empty() || MayHoldGroup(s / kGramGroup); }
        // One word per 64 groups, bit g for group g.
        const std::vector<std::uint64_t>& Groups() const { return groups_; }

    private:
        friend class FoldedWordList;
        std::vector<std::uint64_t> groups_;
    };
    GramFilter GroupsThatMayHold(std::string_view lowText) const;

    // Entries that are one word after blanks or control characters, in the
    // list window's order of that word; the same word from several entries
    // comes top entry first. An entry ending in a blank is not among them:
    // it never offers its word.
    struct SingleWord {
        std::uint64_t sortPrefix;  // AnsiSortPrefix of the word
        Slot slot;
        std::uint32_t textAt;      // where the word is in the words' text
        std::uint16_t lead;        // characters of the entry before the word
        std::uint16_t length;      // of the word
    };
    const std::vector<SingleWord>& SingleWords() const { return singleWords_; }
    // The words' texts are kept end to end in the same order: a list of
    // thousands of them is then copied front to back, not gathered from all
    // over the entries.
    std::string_view Word(const SingleWord& w) const { return std::string_view(singleText_).substr(w.textAt, w.length); }
    std::string_view SingleWordsText() const { return singleText_; }
    // A number that changes whenever the list does, and no other list
    // shares while their contents differ: what is derived from a list can
    // be kept while it stays the same.
    std::uint64_t Generation() const;
    // Room for what a user derives from the list and keeps beside it; the
    // user checks Generation() before trusting it.
    std::shared_ptr<void>& Kept() const { return kept_; }
    // The single words' changes since the list was last built (or packed),
    // oldest first: a word put in at an index, or the word at an index
    // taken out. What was derived from SingleWords() earlier can follow them
    // instead of being derived again; edits of two builds do not compare.
    struct SingleWordEdit {
        std::uint32_t index;
        bool inserted;
    };
    const std::vector<SingleWordEdit>& SingleWordEdits() const { return edits_; }
    std::uint64_t BuildNumber() const { return buildNumber_; }
    // The run of SingleWords() that holds every word whose folded text starts
    // with lowPrefix (and perhaps others with the same letters but other
    // accents, or beyond eight characters other letters), as [first, last).
    std::pair<std::size_t, std::size_t> SingleWordsStartingWith(std::string_view lowPrefix) const;

private:
    std::size_t Length(Slot s) const { return starts_[s + 1] - starts_[s]; }
    // Fills the copy from entries given oldest first.
    template <typename OldestFirst>
    void Assign(const OldestFirst& entries, std::size_t count);
    void Append(std::string_view entry);
    void AddLastWord(std::string_view entry, std::string_view low);
    void Kill(Slot s);
    void Pack();
    bool SingleWordOf(std::string_view entry, Slot s, SingleWord& out) const;
    std::string_view EntryWord(const SingleWord& w) const { return Original(w.slot).substr(w.lead, w.length); }
    // a before b; the texts are given, as a word being inserted is not in
    // the words' text yet.
    bool DisplayOrder(const SingleWord& a, std::string_view aText, const SingleWord& b, std::string_view bText) const;
    std::size_t SingleWordIndex(const SingleWord& w, std::string_view text) const;
    void AddSingleWord(Slot s);
    void NoteEdit(SingleWordEdit edit);
    void RemoveSingleWord(Slot s);
    // Live slots up to and including s; inline with its own bit count, as
    // a list of thousands of learnt words asks it for each of them.
    std::size_t AliveUpTo(Slot s) const {
        const std::uint64_t upTo = (s & 63) == 63 ? ~std::uint64_t{0} : (std::uint64_t{1} << ((s & 63) + 1)) - 1;
        std::uint64_t x = aliveBits_[s >> 6] & upTo;
        x = x - ((x >> 1) & 0x5555555555555555ULL);
        x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
        x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
        return liveBefore_[s >> 6] + static_cast<std::size_t>((x * 0x0101010101010101ULL) >> 56);
    }
    // The live slot with `rank` live slots up to and including it (1-based).
    Slot SlotOfRank(std::size_t rank) const;

    CaseFold fold_;
    std::array<bool, 256> wordChars_{};
    win::CodePage codePage_ = win::CodePage::Cp1252;
    std::string folded_;
    std::string original_;
    std::vector<std::uint32_t> starts_{0};  // one more than the slots: the end of the last
    std::vector<std::uint32_t> groupStarts_;
    std::vector<std::uint16_t> lastWordStart_;
    std::vector<std::uint32_t> offerCharacters_;
    // Which slots live, 64 a word, and how many live slots precede each
    // word: an entry's position is two reads and a bit count, as the list
    // of thousands of words from the learnt dictionary needs every position.
    std::vector<std::uint64_t> aliveBits_;
    std::vector<std::uint32_t> liveBefore_;
    std::size_t slotCapacity_ = 0;  // slots before the copy is packed
    bool bulk_ = false;              // building: the words are sorted once at the end
    bool primaryFollowsFold_ = true;
    std::array<std::size_t, 256> byteCount_{};
    std::size_t live_ = 0;
    Slot oldest_ = 0;
    std::array<std::vector<Slot>, 256> startingWith_;
    std::array<std::vector<Slot>, 256> blankThen_;
    struct PairSlots {
        std::vector<Slot> bySlot;
        std::vector<std::uint16_t> next;  // the two characters after the pair, 0 past the end
        void Add(Slot s, std::string_view afterPair);
    };
    std::unordered_map<std::uint16_t, PairSlots> startingWithPair_;
    std::unordered_map<std::uint16_t, PairSlots> blankThenPair_;
    std::array<std::vector<Slot>, 256> wordAfterSeparator_;
    std::unordered_map<std::uint16_t, std::vector<Slot>> wordAfterSeparatorPair_;
    std::vector<SingleWord> singleWords_;
    std::string singleText_;
    // The groups' runs of three folded characters, hashed to kTripleRows
    // rows of one bit per group, and their characters, a row each: a row is
    // gramStride_ words, so a search ANDs a few short rows instead of
    // visiting every group. Dead slots leave their bits set until the copy
    // is packed; a group's bits only ever have to be a superset of its
    // entries' runs.
    static constexpr std::size_t kTripleRowBits = 10;
    static constexpr std::size_t kTripleRows = std::size_t{1} << kTripleRowBits;
    static constexpr std::size_t kGramRows = kTripleRows + 256;
    static std::size_t GramRow(std::string_view three);
    static std::size_t CharacterRow(char c) { return kTripleRows + static_cast<unsigned char>(c); }
    void AddGrams(Slot s, std::string_view low);
    std::vector<std::uint64_t> gramBits_;
    std::size_t gramStride_ = 0;
    // Drawn when first asked for after a change.
    mutable std::uint64_t generation_ = 0;
    mutable bool changed_ = true;
    mutable std::shared_ptr<void> kept_;
    std::vector<SingleWordEdit> edits_;
    std::uint64_t buildNumber_ = 0;
};

// The folded copy of a list, rebuilt only when the owner's version number or
// the active code page moved since the last build; an owner that mirrors a
// change in the copy itself (Follow) spares the rebuild.
class FoldedWordCache {
public:
    const FoldedWordList& Get(const StringList& list, std::uint64_t version) const;
    // The copy when it is up to date for the list at that version, without
    // building one; nullptr otherwise.
    const FoldedWordList* Current(const StringList& list, std::uint64_t version) const {
        return Current(list.Count(), version);
    }
    // The same for an owner that keeps its entries otherwise, by their count.
    const FoldedWordList* Current(std::size_t count, std::uint64_t version) const {
        return built_ && builtVersion_ == version && folded_.CodePage() == win::GetACP() && folded_.Count() == count
                   ? &folded_
                   : nullptr;
    }

    // The owner changed its list from version `before` to `after` in a way
    // `mirror` repeats on the copy; a copy not built for `before` is left to
    // be rebuilt.
    template <typename Mirror>
    void Follow(std::uint64_t before, std::uint64_t after, Mirror&& mirror) {
        if (!built_ || builtVersion_ != before || folded_.CodePage() != win::GetACP()) return;
        mirror(folded_);
        builtVersion_ = after;
    }

private:
    mutable FoldedWordList folded_;
    mutable std::uint64_t builtVersion_ = 0;
    mutable bool built_ = false;
};

}  // namespace skrivo
