// Word frecency: counting uses, fading them, storing them beside the dictionary, and ordering the list by them.
#include "completion/SmartRanking.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numeric>

#include "completion/DictionaryFiles.h"
#include "completion/TextFold.h"
#include "platform/FileIO.h"
#include "platform/StringList.h"
#include "source/CharClasses.h"

namespace skrivo {

namespace {

constexpr std::string_view kHeader = "Skrivo word ranking 1";
// Scores below this are forgotten when saved: the word was not used for
// many half-lives.
constexpr double kForgotten = 0.01;
// A word seen after the same previous word is a far better guess than one
// merely used often (measured with tools/ksr: the weight hardly matters
// above 16, and below it the pairs are drowned by single words).
constexpr double kPairWeight = 64.0;
constexpr double kSeparatorWeight = 4.0;

bool IsSingleWord(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (!IsAlphaDigit(c)) return false;
    return true;
}

struct WordsAround {
    std::string_view previous;   // empty when there are fewer than two words
    std::string_view separator;  // between them, blanks trimmed ("" for blanks only)
    std::string_view last;
};

// The two words of a two-word entry or request: "x := Form" gives "x",
// ":=" and "Form".
WordsAround TwoWords(std::string_view s) {
    s = Trim(s);
    std::size_t firstEnd = 0;
    while (firstEnd < s.size() && IsAlphaDigit(s[firstEnd])) ++firstEnd;
    std::size_t lastStart = s.size();
    while (lastStart > 0 && IsAlphaDigit(s[lastStart - 1])) --lastStart;
    if (firstEnd == 0 || lastStart <= firstEnd) return {};
    return {s.substr(0, firstEnd), Trim(s.substr(firstEnd, lastStart - firstEnd)), s.substr(lastStart)};
}

// What follows a separator ("Name: T", "Self.C") is told apart by it alone:
// a second, weaker pair keyed by the separator instead of the word.
std::string SeparatorKey(std::string_view separator) {
    std::string key("\x02");
    key += separator;
    return key;
}

std::string PairKey(std::string_view previous, std::string_view word) {
    std::string key(previous);
    key += '\t';
    key += word;
    return key;
}

}  // namespace

double WordFrecency::Decayed(const Entry& e) const {
    return e.score * std::exp2(-static_cast<double>(clock_ - e.at) / kHalfLifeUses);
}

void WordFrecency::Count(std::unordered_map<std::string, Entry>& table, std::string key) {
    Entry& e = table[std::move(key)];
    e.score = Decayed(e) + 1.0;
    e.at = clock_;
    modified_ = true;
}

double WordFrecency::ScoreOf(const std::unordered_map<std::string, Entry>& table, const std::string& key) const {
    const auto found = table.find(key);
    return found == table.end() ? 0.0 : Decayed(found->second);
}

void WordFrecency::Use(std::string_view entry) {
    if (TooLongToOffer(entry)) return;
    const std::string_view word = Trim(entry);
    if (IsSingleWord(word)) {
        ++clock_;
        Count(words_, std::string(word));
        return;
    }
    const WordsAround w = TwoWords(entry);
    if (w.previous.empty()) return;
    Count(pairs_, PairKey(w.previous, w.last));
    Count(pairs_, PairKey(SeparatorKey(w.separator), w.last));
}

double WordFrecency::Score(std::string_view word) const { return ScoreOf(words_, std::string(word)); }

double WordFrecency::Score(std::string_view previous, std::string_view word) const {
    return ScoreOf(pairs_, PairKey(previous, word));
}

void WordFrecency::Load(const std::string& directory) {
    words_.clear();
    pairs_.clear();
    clock_ = 0;
    modified_ = false;
    const std::string path = DictionaryWritePath(directory, std::string(kFileName));
    if (!FileExists(path)) return;
    StringList lines;
    lines.LoadFromFile(path);
    if (lines.Count() == 0 || lines[0] != kHeader) return;
    for (std::size_t i = 1; i < lines.Count(); ++i) {
        const std::string& line = lines[i];
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos) continue;
        const std::string number = line.substr(0, tab);
        char* end = nullptr;
        const double score = std::strtod(number.c_str(), &end);
        if (end != number.c_str() + number.size() || !(score > 0) || !std::isfinite(score)) continue;
        const std::string_view key = std::string_view(line).substr(tab + 1);
        const std::size_t second = key.find('\t');
        if (second == std::string_view::npos) {
            if (IsSingleWord(key)) words_[std::string(key)] = Entry{score, 0};
        } else if ((IsSingleWord(key.substr(0, second)) || key.front() == '\x02') &&
                   IsSingleWord(key.substr(second + 1))) {
            pairs_[std::string(key)] = Entry{score, 0};
        }
    }
}

void WordFrecency::Save(const std::string& directory) {
    // Scores are stored as of now, so the file needs no clock of its own.
    StringList lines;
    lines.Add(std::string(kHeader));
    for (auto* table : {&words_, &pairs_})
        for (auto& [key, entry] : *table) {
            entry.score = Decayed(entry);
            entry.at = clock_;
            if (entry.score < kForgotten) continue;
            char number[32];
            std::snprintf(number, sizeof number, "%.4f", entry.score);
            lines.Add(std::string(number) + '\t' + key);
        }
    WriteFileAtomic(DictionaryWritePath(directory, std::string(kFileName)), lines.Text());
    modified_ = false;
}

SuggestionListContent WordFrecency::FillList(std::string_view request, const std::vector<Candidate>& candidates,
                                             std::string_view lastWord, bool autoSelectBestWord) const {
    const WordsAround context = TwoWords(request);
    const std::string separator = SeparatorKey(context.separator);
    std::vector<double> scores;
    scores.reserve(candidates.size());
    for (const Candidate& c : candidates) {
        double score = Score(c.text);
        if (!context.previous.empty())
            score += kPairWeight * Score(context.previous, c.text) + kSeparatorWeight * Score(separator, c.text);
        scores.push_back(score);
    }
    std::vector<std::size_t> order(candidates.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return scores[a] > scores[b]; });

    SuggestionListContent content;
    content.Reserve(candidates.size(), 0);
    for (std::size_t i : order) content.Add(candidates[i].text, candidates[i].dictIndex);
    for (std::size_t i = 0; i < content.Count(); ++i)
        if (content.Text(i).starts_with(lastWord)) {
            content.bestWord = std::string(content.Text(i));
            break;
        }
    int mark = content.Empty() ? -1 : 0;
    if (content.bestWord)
        for (std::size_t i = 0; i < content.Count(); ++i)
            if (content.Text(i) == *content.bestWord) {
                mark = static_cast<int>(i);
                break;
            }
    if (autoSelectBestWord) content.selected = mark;
    content.focused = mark;
    return content;
}

}  // namespace skrivo
