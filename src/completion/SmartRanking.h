// The optional smart ranking: how often and how lately each word was used, kept beside the learnt dictionary.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "completion/SuggestionRanking.h"

namespace skrivo {

// Each use of a word adds one to its score, and every score halves over
// kHalfLifeUses later uses of any word: a word used often stays ahead of one
// used once a moment ago, and a word no longer used fades. Counting uses
// instead of time keeps a pause over lunch from forgetting anything.
class WordFrecency {
public:
    static constexpr double kHalfLifeUses = 200.0;
    // Kept beside "Skrivo.dic" so that the dictionary's own format stays as
    // every version reads it.
    static constexpr std::string_view kFileName = "Skrivo.rank";

    // A learnt entry: a single word (a leading blank allowed) counts for the
    // word; two words ("x := Form") count for the second after the first.
    void Use(std::string_view entry);
    double Score(std::string_view word) const;
    double Score(std::string_view previous, std::string_view word) const;
    std::size_t Count() const { return words_.size(); }
    bool Modified() const { return modified_; }

    // Lines of "score<TAB>word" after a header line; unreadable lines are
    // skipped, a missing file is an empty table.
    void Load(const std::string& directory);
    // Written atomically; throws FileError like the dictionary's save.
    void Save(const std::string& directory);

    // The list's content for a request: the best word is the highest scored
    // candidate beginning with the last word as typed (the earliest found on
    // a tie), and the items go by score, unscored ones after in the order
    // found. A word used after the request's previous word weighs more.
    SuggestionListContent FillList(std::string_view request, const std::vector<Candidate>& candidates,
                                   std::string_view lastWord, bool autoSelectBestWord) const;

private:
    struct Entry {
        double score = 0;
        std::uint64_t at = 0;  // the use clock at the last use
    };
    double Decayed(const Entry& e) const;
    void Count(std::unordered_map<std::string, Entry>& table, std::string key);
    double ScoreOf(const std::unordered_map<std::string, Entry>& table, const std::string& key) const;

    std::unordered_map<std::string, Entry> words_;
    // Keyed "previous<TAB>word".
    std::unordered_map<std::string, Entry> pairs_;
    std::uint64_t clock_ = 0;
    bool modified_ = false;
};

}  // namespace skrivo
