// The optional smart ranking: how often, how lately and after which tokens each word was used, kept beside the learnt dictionary.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "completion/SuggestionRanking.h"

namespace skrivo {

// Where a request comes from, as the smart ranking sees it.
struct SmartRequest {
    std::vector<std::string> context;     // the tokens before the word, nearest first
    std::vector<std::string> passedOver;  // words selected in lists the user typed past
};

// Each use of a word adds one to its count, and every count halves over
// kHalfLifeUses later uses of any word: a word used often stays ahead of one
// used once a moment ago, and a word no longer used fades. Counting uses
// instead of time keeps a pause over lunch from forgetting anything.
//
// Beside each word's own count, the words are counted after the one, two and
// three tokens before them ("Msg : string", "TParser . Destroy"). The chance
// of a word is the blend of these, each longer context trusted by how much it
// has seen against how many different words followed it (Witten-Bell), so a
// context met once with one follower already speaks strongly while "( const"
// with forty followers hardly does.
//
// The last few words weigh in besides: a statement's words come back in the
// next lines more often than any count can tell.
class WordFrecency {
public:
    static constexpr double kHalfLifeUses = 200.0;
    // What followed a context is kept longer than how often a word is used:
    // a declaration's pattern holds for the whole unit and beyond.
    static constexpr double kContextHalfLifeUses = 2000.0;
    static constexpr std::size_t kRecentWords = 20;
    static constexpr double kRecentWeight = 0.2;
    // Kept beside "Skrivo.dic" so that the dictionary's own format stays as
    // every version reads it.
    static constexpr std::string_view kFileName = "Skrivo.rank";
    // Counts of contexts stay below this: faded ones go first, then the
    // weakest, so a session that never saves cannot grow without end.
    static constexpr std::size_t kMaxContexts = 200000;

    // A learnt entry: a single word (a leading blank allowed) counts for the
    // word; entries of two words are left to UseAfter.
    void Use(std::string_view entry);
    // The word just finished after the tokens before it (nearest first).
    void UseAfter(const std::vector<std::string>& context, std::string_view word);
    double Score(std::string_view word) const;
    // How likely the word is to follow the context (0 for a word never used).
    double Chance(const std::vector<std::string>& context, std::string_view word) const;
    std::size_t Count() const { return words_.size(); }
    std::size_t ContextCount() const { return following_.size(); }
    bool Modified() const { return modified_; }

    // Lines of "score<TAB>word" and "score<TAB>\x03context<TAB>word" after a
    // header line; unreadable lines are skipped, a missing file is an empty
    // table. A version that knows only words skips the context lines.
    void Load(const std::string& directory);
    // Written atomically; throws FileError like the dictionary's save.
    void Save(const std::string& directory);

    // The list's content for a request: the items go by chance after the
    // context weighed with the typing a word saves (never used ones after,
    // in the order found; words passed over last of all), and the best word
    // is the first of them that begins with the last word as typed.
    SuggestionListContent FillList(const SmartRequest& request, const std::vector<Candidate>& candidates,
                                   std::string_view lastWord, bool autoSelectBestWord) const;

private:
    struct Entry {
        double score = 0;
        std::uint64_t at = 0;  // the use clock at the last use
    };
    struct ContextTotal {
        Entry seen;             // uses of any word after the context
        std::size_t words = 0;  // different words after it
    };
    struct Level {
        std::string key;  // the context's tokens, each ended by \x1f
        double seen = 0;
        double trust = 0;
    };
    using Levels = std::vector<Level>;
    Levels LevelsOf(const std::vector<std::string>& context) const;
    double ChanceAt(const Levels& levels, std::string_view word, std::string& buffer) const;
    double Decayed(const Entry& e, double halfLife = kHalfLifeUses) const;
    void Count(Entry& e, double halfLife = kHalfLifeUses);
    double ContextDecayed(const Entry& e) const { return Decayed(e, kContextHalfLifeUses); }
    void AddFollowing(std::string key, double score, std::uint64_t at);
    void Prune();

    std::unordered_map<std::string, Entry> words_;
    Entry allWords_;
    // Keyed by the context's tokens, nearest first, each followed by \x1f,
    // then the word.
    std::unordered_map<std::string, Entry> following_;
    std::unordered_map<std::string, ContextTotal> contexts_;
    std::deque<std::string> recent_;  // the last words used, newest last
    std::uint64_t clock_ = 0;
    bool modified_ = false;
};

}  // namespace skrivo
