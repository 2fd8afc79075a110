// Word frecency and context counts: counting uses, fading them, storing them beside the dictionary, and ordering the list by them.
#include "completion/SmartRanking.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numeric>

#include "completion/DictionaryFiles.h"
#include "completion/TextFold.h"
#include "completion/TokenContext.h"
#include "platform/FileIO.h"
#include "platform/StringList.h"
#include "source/CharClasses.h"

namespace skrivo {

namespace {

constexpr std::string_view kHeader = "Skrivo word ranking 1";
// Marks a context line of the file: no word begins with it, so a version
// that reads only words skips the line.
constexpr char kContextMark = '\x03';
constexpr char kTokenEnd = '\x1f';
// Scores below this are forgotten when saved: the word was not used for
// many half-lives.
constexpr double kForgotten = 0.01;
// No count reaches this: each use adds one and the older ones fade, so the
// highest a count can stand is about 1.44 half-lives. A larger number in the
// file is not one this program wrote, and summing such could overflow.
constexpr double kMostScore = 1e6;

bool IsSingleWord(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (!IsAlphaDigit(c)) return false;
    return true;
}

bool IsToken(std::string_view s) {
    return IsSingleWord(s) || (s.size() == 1 && static_cast<unsigned char>(s[0]) > ' ');
}

std::string ContextKey(const std::vector<std::string>& context, std::size_t length) {
    std::string key;
    for (std::size_t i = 0; i < length; ++i) {
        key += context[i];
        key += kTokenEnd;
    }
    return key;
}

// The number of tokens of a stored "tok\x1ftok\x1f" key, or 0 when it is
// not one.
std::size_t ContextLength(std::string_view key) {
    std::size_t length = 0;
    while (!key.empty()) {
        const std::size_t end = key.find(kTokenEnd);
        if (end == std::string_view::npos || !IsToken(key.substr(0, end))) return 0;
        ++length;
        key.remove_prefix(end + 1);
    }
    return length <= kContextTokens ? length : 0;
}

}  // namespace

double WordFrecency::Decayed(const Entry& e, double halfLife) const {
    return e.score * std::exp2(-static_cast<double>(clock_ - e.at) / halfLife);
}

void WordFrecency::Count(Entry& e, double halfLife) {
    e.score = Decayed(e, halfLife) + 1.0;
    e.at = clock_;
    modified_ = true;
}

void WordFrecency::Use(std::string_view entry) {
    if (TooLongToOffer(entry)) return;
    const std::string_view word = Trim(entry);
    if (!IsSingleWord(word)) return;
    ++clock_;
    Count(words_[std::string(word)]);
    Count(allWords_);
    recent_.emplace_back(word);
    if (recent_.size() > kRecentWords) recent_.pop_front();
}

void WordFrecency::UseAfter(const std::vector<std::string>& context, std::string_view word) {
    if (!IsSingleWord(word) || TooLongToOffer(word)) return;
    const std::size_t longest = std::min(context.size(), kContextTokens);
    for (std::size_t n = 1; n <= longest; ++n) {
        if (!IsToken(context[n - 1]) || TooLongToOffer(context[n - 1])) return;
        std::string key = ContextKey(context, n);
        ContextTotal& total = contexts_[key];
        Count(total.seen, kContextHalfLifeUses);
        key += word;
        auto [it, added] = following_.try_emplace(std::move(key));
        if (added) ++total.words;
        Count(it->second, kContextHalfLifeUses);
    }
    if (following_.size() > kMaxContexts) Prune();
}

double WordFrecency::Score(std::string_view word) const {
    const auto found = words_.find(std::string(word));
    return found == words_.end() ? 0.0 : Decayed(found->second);
}

// The contexts are the same for every candidate of a list: looked up once.
WordFrecency::Levels WordFrecency::LevelsOf(const std::vector<std::string>& context) const {
    Levels levels;
    const std::size_t longest = std::min(context.size(), kContextTokens);
    std::string key;
    for (std::size_t n = 1; n <= longest; ++n) {
        key += context[n - 1];
        key += kTokenEnd;
        const auto total = contexts_.find(key);
        // A longer context than one never seen is never seen either.
        if (total == contexts_.end()) break;
        const double seen = ContextDecayed(total->second.seen);
        if (!(seen > 0)) break;
        levels.push_back({key, seen, seen / (seen + static_cast<double>(total->second.words))});
    }
    return levels;
}

double WordFrecency::ChanceAt(const Levels& levels, std::string_view word, std::string& buffer) const {
    buffer.assign(word);
    const auto used = words_.find(buffer);
    const double all = Decayed(allWords_);
    double chance = all > 0 && used != words_.end() ? Decayed(used->second) / all : 0.0;
    for (const Level& level : levels) {
        buffer.assign(level.key).append(word);
        const auto after = following_.find(buffer);
        const double here = after == following_.end() ? 0.0 : ContextDecayed(after->second) / level.seen;
        chance = level.trust * here + (1 - level.trust) * chance;
    }
    if (recent_.empty()) return chance;
    const auto lately = std::count(recent_.begin(), recent_.end(), word);
    return (1 - kRecentWeight) * chance +
           kRecentWeight * static_cast<double>(lately) / static_cast<double>(recent_.size());
}

double WordFrecency::Chance(const std::vector<std::string>& context, std::string_view word) const {
    std::string buffer;
    return ChanceAt(LevelsOf(context), word, buffer);
}

void WordFrecency::AddFollowing(std::string key, double score, std::uint64_t at) {
    const std::size_t wordStart = key.rfind(kTokenEnd) + 1;
    ContextTotal& total = contexts_[key.substr(0, wordStart)];
    total.seen.score = ContextDecayed(total.seen) + ContextDecayed(Entry{score, at});
    total.seen.at = clock_;
    ++total.words;
    following_[std::move(key)] = Entry{score, at};
}

// Faded counts go first; when the table is still full (a long session of
// ever new words), the weaker half goes too. The contexts' totals are
// counted again from what stays.
void WordFrecency::Prune() {
    std::vector<std::pair<std::string, Entry>> kept;
    kept.reserve(following_.size());
    for (auto& [key, entry] : following_)
        if (ContextDecayed(entry) >= kForgotten) kept.emplace_back(key, entry);
    if (kept.size() > kMaxContexts / 2) {
        auto middle = kept.begin() + static_cast<std::ptrdiff_t>(kMaxContexts / 2);
        std::nth_element(kept.begin(), middle, kept.end(),
                         [&](const auto& a, const auto& b) { return ContextDecayed(a.second) > ContextDecayed(b.second); });
        kept.erase(middle, kept.end());
    }
    following_.clear();
    contexts_.clear();
    for (auto& [key, entry] : kept) AddFollowing(std::move(key), entry.score, entry.at);
    std::erase_if(words_, [&](const auto& w) { return Decayed(w.second) < kForgotten; });
    modified_ = true;
}

void WordFrecency::Load(const std::string& directory) {
    words_.clear();
    following_.clear();
    contexts_.clear();
    recent_.clear();
    allWords_ = {};
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
        if (end != number.c_str() + number.size() || !(score > 0) || !(score <= kMostScore)) continue;
        std::string_view key = std::string_view(line).substr(tab + 1);
        if (IsSingleWord(key)) {
            // A file this program wrote holds fewer: its words fade as fast
            // as their contexts.
            if (words_.size() < kMaxContexts && words_.try_emplace(std::string(key), Entry{score, 0}).second)
                allWords_.score += score;
            continue;
        }
        // Pairs of an earlier version of this file are left out.
        if (key.empty() || key.front() != kContextMark || following_.size() >= kMaxContexts) continue;
        key.remove_prefix(1);
        const std::size_t wordTab = key.rfind('\t');
        if (wordTab == std::string_view::npos) continue;
        const std::string_view context = key.substr(0, wordTab);
        const std::string_view word = key.substr(wordTab + 1);
        if (ContextLength(context) == 0 || !IsSingleWord(word)) continue;
        std::string stored(context);
        stored += word;
        if (following_.contains(stored)) continue;
        AddFollowing(std::move(stored), score, 0);
    }
}

void WordFrecency::Save(const std::string& directory) {
    // Scores are stored as of now, so the file needs no clock of its own.
    StringList lines;
    lines.Add(std::string(kHeader));
    auto add = [&](Entry& entry, double halfLife, std::string text) {
        entry.score = Decayed(entry, halfLife);
        entry.at = clock_;
        if (entry.score < kForgotten) return;
        char number[32];
        std::snprintf(number, sizeof number, "%.4f", entry.score);
        lines.Add(std::string(number) + '\t' + std::move(text));
    };
    for (auto& [word, entry] : words_) add(entry, kHalfLifeUses, word);
    for (auto& [key, entry] : following_) {
        const std::size_t wordStart = key.rfind(kTokenEnd) + 1;
        add(entry, kContextHalfLifeUses, kContextMark + key.substr(0, wordStart) + '\t' + key.substr(wordStart));
    }
    allWords_.score = Decayed(allWords_);
    allWords_.at = clock_;
    for (auto& [key, total] : contexts_) {
        total.seen.score = ContextDecayed(total.seen);
        total.seen.at = clock_;
    }
    WriteFileAtomic(DictionaryWritePath(directory, std::string(kFileName)), lines.Text());
    modified_ = false;
}

SuggestionListContent WordFrecency::FillList(const SmartRequest& request, const std::vector<Candidate>& candidates,
                                             std::string_view lastWord, bool autoSelectBestWord) const {
    const Levels levels = LevelsOf(request.context);
    std::string buffer;
    std::vector<double> scores;
    scores.reserve(candidates.size());
    for (const Candidate& c : candidates) {
        // Accepting saves the letters not yet typed less the accepting key;
        // between two likely words the longer one is worth the gamble.
        const double saves = static_cast<double>(c.text.size()) - static_cast<double>(lastWord.size()) - 1;
        double score = ChanceAt(levels, c.text, buffer) * std::sqrt(std::max(saves, 0.25));
        // Below every other candidate, a never used one included.
        if (std::find(request.passedOver.begin(), request.passedOver.end(), c.text) != request.passedOver.end())
            score = -1;
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
