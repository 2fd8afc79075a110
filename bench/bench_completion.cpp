// Benchmarks of the completion engine's keystroke and dictionary paths at the largest offered sizes.
#include <benchmark/benchmark.h>

#include <random>
#include <utility>
#include <string>
#include <vector>

#include "completion/DictionaryMerge.h"
#include "completion/LocalDictionary.h"
#include "completion/SelfTeachingDictionary.h"
#include "completion/SmartRanking.h"
#include "completion/SuggestionRanking.h"
#include "completion/UnitWordIndex.h"
#include "platform/CodePage.h"
#include "BenchIdentifiers.h"

namespace skrivo {
namespace {

using bench::IdentifierMaker;

// A self-teaching dictionary in its three entry forms.
StringList MakeSelfTeaching(std::size_t count) {
    IdentifierMaker ids(1);
    StringList dict;
    while (dict.Count() < count) {
        // Appended piece by piece: g++ 12 warns falsely on "literal" + string.
        std::string entry;
        switch (ids.Pick(3)) {
            case 0: entry.append(" ").append(ids.Next()); break;
            case 1: entry.append(ids.Next()).append(".").append(ids.Next()); break;
            default: entry.append(ids.Next()).append(" := ").append(ids.Next()); break;
        }
        // Distinct entries, as learning keeps them.
        entry.append(std::to_string(dict.Count()));
        dict.Add(std::move(entry));
    }
    return dict;
}

StringList MakeWordList(std::size_t count, unsigned seed) {
    IdentifierMaker ids(seed);
    StringList list;
    while (list.Count() < count) list.Add(ids.Next());
    return list;
}

// Source text of about the given size in lines like "  A.B := C(D, 12); { E }",
// drawing its identifiers from a vocabulary of the given size.
std::string MakeUnitSource(std::size_t bytes, unsigned seed, std::size_t vocabularySize) {
    IdentifierMaker ids(seed);
    std::vector<std::string> vocabulary;
    while (vocabulary.size() < vocabularySize) vocabulary.push_back(ids.Next());
    auto pick = [&] { return vocabulary[ids.Pick(static_cast<unsigned>(vocabulary.size()))]; };
    std::string source = "unit Generated;\r\n\r\ninterface\r\n\r\nimplementation\r\n\r\n";
    while (source.size() < bytes) {
        source.append("  ").append(pick()).append(".").append(pick()).append(" := ").append(pick());
        source.append("(").append(pick()).append(", ").append(std::to_string(ids.Pick(1000)));
        source.append("); { ").append(pick()).append(" }\r\n");
    }
    return source;
}

// Learning into a full 50,000-entry dictionary whose folded copy is in use,
// as it is while the user types.
void BM_CollectNewWord(benchmark::State& state) {
    win::SetACP(win::CodePage::Cp1252);
    SelfTeachingDictionary dict;
    dict.Entries() = MakeSelfTeaching(50000);
    (void)std::as_const(dict).FoldedEntries();
    const LearningOptions options{true, 50000};
    // Entries of the shapes learning makes, each new: put on top, the oldest dropped.
    const StringList shapes = MakeSelfTeaching(4096);
    std::size_t n = 0;
    for (auto _ : state) {
        std::string word = shapes[n % shapes.Count()];
        dict.Collect(word.append("n").append(std::to_string(n++)), options);
    }
}
BENCHMARK(BM_CollectNewWord);

void BM_CollectKnownWord(benchmark::State& state) {
    win::SetACP(win::CodePage::Cp1252);
    SelfTeachingDictionary dict;
    dict.Entries() = MakeSelfTeaching(50000);
    (void)std::as_const(dict).FoldedEntries();
    const LearningOptions options{true, 50000};
    // The entry at the bottom moves to the top each time, in another case.
    bool upper = false;
    for (auto _ : state) {
        std::string word = std::as_const(dict).At(49999);
        word = upper ? win::AnsiUpperCase(word) : win::AnsiLowerCase(word);
        upper = !upper;
        dict.Collect(word, options);
    }
}
BENCHMARK(BM_CollectKnownWord);

// An accepted word: learnt, found again by its text, moved to the top.
void BM_AcceptKnownWord(benchmark::State& state) {
    win::SetACP(win::CodePage::Cp1252);
    SelfTeachingDictionary dict;
    dict.Entries() = MakeSelfTeaching(50000);
    (void)std::as_const(dict).FoldedEntries();
    const LearningOptions options{true, 50000};
    for (auto _ : state) {
        const std::string word = std::as_const(dict).At(25000);
        dict.Collect(word, options);
        const int at = std::as_const(dict).IndexOf(word);
        dict.MoveToTop(static_cast<std::size_t>(at));
    }
}
BENCHMARK(BM_AcceptKnownWord);

struct RankingData {
    StringList dict = MakeSelfTeaching(50000);
    StringList fixed = MakeWordList(5000, 2);
    std::vector<StringList> units;
    // The lower-cased copies the expert's dictionaries keep between requests.
    FoldedWordList dictFolded, fixedFolded;
    std::vector<FoldedWordList> unitsFolded;
    mutable UnitWordIndexCache unitsIndex;
    RankingData() {
        for (unsigned u = 0; u < 20; ++u) units.push_back(BuildLocalDictionary(MakeUnitSource(5000 * 40, 100 + u, 20000)));
        dictFolded.Build(dict, win::CodePage::Cp1252);
        fixedFolded.Build(fixed, win::CodePage::Cp1252);
        unitsFolded.resize(units.size());
        for (std::size_t u = 0; u < units.size(); ++u) unitsFolded[u].Build(units[u], win::CodePage::Cp1252);
    }
    // Every list with its lower-cased copy, all units searched as the expert searches them.
    SuggestionSources Sources() const {
        SuggestionSources sources;
        sources.selfTeaching = &dict;
        sources.fixed = &fixed;
        sources.selfTeachingFolded = &dictFolded;
        sources.fixedFolded = &fixedFolded;
        sources.allUnits = [this] {
            std::vector<const StringList*> all;
            for (const StringList& u : units) all.push_back(&u);
            return all;
        };
        sources.unitFolded = [this](const StringList& unit) {
            return &unitsFolded[static_cast<std::size_t>(&unit - units.data())];
        };
        sources.unitsIndex = &unitsIndex;
        return sources;
    }
};

// The timed loop every ranking benchmark shares; the candidates found are
// shown beside the time.
void RankRepeatedly(benchmark::State& state, std::string_view request, const SuggestionSources& sources,
                    const RankingOptions& options) {
    std::size_t found = 0;
    for (auto _ : state) {
        const RankingResult r = RankSuggestions(request, sources, options);
        found = r.found;
        benchmark::DoNotOptimize(&r.list);
    }
    state.counters["candidates"] = static_cast<double>(found);
}

void Rank(benchmark::State& state, const char* request, int wordsMaxInList = kDefaultWordsMaxInList,
          bool onlyWordsMatching1st = true) {
    win::SetACP(win::CodePage::Cp1252);
    static const RankingData data;
    const SuggestionSources sources = data.Sources();
    RankingOptions options;
    options.wordsFromAllUnits = true;
    options.rules.wordsMaxInList = wordsMaxInList;
    options.rules.onlyWordsMatching1st = onlyWordsMatching1st;
    RankRepeatedly(state, request, sources, options);
}

// Few matches: every list, all units included, is searched through.
void BM_RankPairRequest(benchmark::State& state) { Rank(state, "Self.Cq"); }
BENCHMARK(BM_RankPairRequest);
void BM_RankSingleWord(benchmark::State& state) { Rank(state, "Fontz"); }
BENCHMARK(BM_RankSingleWord);
void BM_RankAssignment(benchmark::State& state) { Rank(state, "x := Celq"); }
BENCHMARK(BM_RankAssignment);
// Many matches: the limit ends the search early and the list is sorted.
void BM_RankCommonPrefix(benchmark::State& state) { Rank(state, "Cap"); }
BENCHMARK(BM_RankCommonPrefix);

// Single-word requests at the largest limit: one letter offers every word
// with that letter; with first-character matching off every single word of
// the learnt dictionary is listed.
void BM_RankWide(benchmark::State& state, const char* request, bool onlyWordsMatching1st) {
    Rank(state, request, 1000, onlyWordsMatching1st);
}
BENCHMARK_CAPTURE(BM_RankWide, OneLetter, "f", true);
BENCHMARK_CAPTURE(BM_RankWide, TwoLetters, "Fo", true);
BENCHMARK_CAPTURE(BM_RankWide, OneLetterEveryWord, "f", false);
BENCHMARK_CAPTURE(BM_RankWide, TwoLettersEveryWord, "Fo", false);
BENCHMARK_CAPTURE(BM_RankWide, AfterSeparatorEveryWord, "Self.", false);
BENCHMARK_CAPTURE(BM_RankWide, RareWordEveryWord, "Fontz", false);

// With first-character matching off a one-word request lists every single
// word of the learnt dictionary: the keys typed into one word rank it again
// over the same dictionary, while a word learnt in between changes it.
// range(0): 1 learns a word before each request, as a finished word does.
void BM_RankEveryLearntWord(benchmark::State& state) {
    win::SetACP(win::CodePage::Cp1252);
    SelfTeachingDictionary dict;
    dict.Entries() = MakeSelfTeaching(50000);
    SuggestionSources sources;
    sources.selfTeachingFolded = &std::as_const(dict).FoldedEntries();
    RankingOptions options;
    options.rules.wordsMaxInList = 1000;
    options.rules.onlyWordsMatching1st = false;
    const LearningOptions learning{true, 50000};
    std::size_t found = 0;
    std::size_t at = 0;
    for (auto _ : state) {
        if (state.range(0) != 0) {
            state.PauseTiming();
            dict.Collect(std::as_const(dict).At(25000 + at++ % 1000), learning);
            state.ResumeTiming();
        }
        const RankingResult r = RankSuggestions("pr", sources, options);
        found = r.found;
        benchmark::DoNotOptimize(&r.list);
    }
    state.counters["candidates"] = static_cast<double>(found);
}
BENCHMARK(BM_RankEveryLearntWord)->Arg(0)->Arg(1);

// The requests the typing trace ranks slowest: a word or two after a blank
// or a bracket, found nowhere or in few entries, so every list is searched
// to its end. range(0): OnlyWordsMatching1st.
void BM_RankTraceRequest(benchmark::State& state, const char* request) {
    Rank(state, request, 1000, state.range(0) != 0);
}
BENCHMARK_CAPTURE(BM_RankTraceRequest, WordAfterBlank, "Routines fol")->Arg(1)->Arg(0);
BENCHMARK_CAPTURE(BM_RankTraceRequest, ShortWordAfterLetter, "B the")->Arg(1)->Arg(0);
BENCHMARK_CAPTURE(BM_RankTraceRequest, ShortWordAfterNumber, "0 the")->Arg(1)->Arg(0);
BENCHMARK_CAPTURE(BM_RankTraceRequest, OneLetterAfterBlank, "do b")->Arg(1)->Arg(0);
BENCHMARK_CAPTURE(BM_RankTraceRequest, CommonLetterAfterLetter, "B t")->Arg(1)->Arg(0);
BENCHMARK_CAPTURE(BM_RankTraceRequest, WordAfterComparison, "I > Cou")->Arg(1)->Arg(0);
BENCHMARK_CAPTURE(BM_RankTraceRequest, WordAfterBracket, "Items[Count")->Arg(1)->Arg(0);
BENCHMARK_CAPTURE(BM_RankTraceRequest, KnownWordAfterBlank, "0 ButtonHeight")->Arg(1)->Arg(0);
BENCHMARK_CAPTURE(BM_RankTraceRequest, TwoLettersAfterWord, "s th")->Arg(1)->Arg(0);
BENCHMARK_CAPTURE(BM_RankTraceRequest, WordAfterSemicolon, "end; b")->Arg(1)->Arg(0);
BENCHMARK_CAPTURE(BM_RankTraceRequest, WordAfterNumberTo, "0 To")->Arg(1)->Arg(0);
BENCHMARK_CAPTURE(BM_RankTraceRequest, LoneLetter, "u")->Arg(1)->Arg(0);
BENCHMARK_CAPTURE(BM_RankTraceRequest, TwoLettersAfterLetter, "a co")->Arg(1)->Arg(0);
BENCHMARK_CAPTURE(BM_RankTraceRequest, WordAfterBrackets, "Count)), [(Count")->Arg(1)->Arg(0);
BENCHMARK_CAPTURE(BM_RankTraceRequest, SeparatorAfterWord, "jnz @")->Arg(1)->Arg(0);
BENCHMARK_CAPTURE(BM_RankTraceRequest, WordAfterWordAndDot, "x a.Co")->Arg(1)->Arg(0);

// Smart ranking over the same lists, with its counts as full as a long
// session makes them: a request of one letter ranks every word that begins
// with it. range(0): WordsMaxInList, 1000 the most offered; "Plain" is the
// same search and list without it.
void RankSmart(benchmark::State& state, const char* request, bool smartOn) {
    win::SetACP(win::CodePage::Cp1252);
    static const RankingData data;
    static const WordFrecency frecency = [] {
        WordFrecency f;
        IdentifierMaker ids(5);
        std::vector<std::string> recent = {"x", ":=", "Self"};
        for (std::size_t i = 0; i < WordFrecency::kMaxContexts / 2; ++i) {
            const std::string word = ids.Next();
            f.Use(word);
            f.UseAfter({recent[0], recent[1], recent[2]}, word);
            recent = {word, ids.Pick(2) ? "." : ":=", recent[0]};
        }
        return f;
    }();
    const SuggestionSources sources = data.Sources();
    const SmartRequest smart{{".", "Form", "="}, {"Caption", "CaptionCount", "Count"}};
    RankingOptions options;
    options.wordsFromAllUnits = true;
    if (smartOn) {
        options.frecency = &frecency;
        options.smart = &smart;
    }
    options.rules.wordsMaxInList = static_cast<int>(state.range(0));
    RankRepeatedly(state, request, sources, options);
}
BENCHMARK_CAPTURE(RankSmart, OneLetter, "C", true)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RankSmart, OneLetterPlain, "C", false)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RankSmart, CommonPrefix, "Self.Cap", true)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RankSmart, CommonPrefixPlain, "Self.Cap", false)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

// The ranking over learnt dictionaries of growing size (and fixed and unit
// lists a tenth of it): a request that matches nothing reads the most, and
// the fitted complexity shows how its cost grows with the entries.
void BM_RankBySize(benchmark::State& state, const char* request) {
    win::SetACP(win::CodePage::Cp1252);
    const auto size = static_cast<std::size_t>(state.range(0));
    const StringList dict = MakeSelfTeaching(size);
    const StringList fixed = MakeWordList(size / 10, 2);
    const StringList unit = MakeWordList(size / 10, 3);
    FoldedWordList dictFolded, fixedFolded, unitFolded;
    dictFolded.Build(dict, win::CodePage::Cp1252);
    fixedFolded.Build(fixed, win::CodePage::Cp1252);
    unitFolded.Build(unit, win::CodePage::Cp1252);
    SuggestionSources sources;
    sources.selfTeaching = &dict;
    sources.fixed = &fixed;
    sources.selfTeachingFolded = &dictFolded;
    sources.fixedFolded = &fixedFolded;
    sources.allUnits = [&] { return std::vector<const StringList*>{&unit}; };
    sources.unitFolded = [&](const StringList&) { return &unitFolded; };
    RankingOptions options;
    options.wordsFromAllUnits = true;
    options.rules.wordsMaxInList = 1000;
    RankRepeatedly(state, request, sources, options);
    state.SetComplexityN(state.range(0));
}
BENCHMARK_CAPTURE(BM_RankBySize, NothingMatches, "Self.Cq")->RangeMultiplier(4)->Range(1 << 10, 1 << 16)->Complexity();
BENCHMARK_CAPTURE(BM_RankBySize, SingleWord, "Fontz")->RangeMultiplier(4)->Range(1 << 10, 1 << 16)->Complexity();
BENCHMARK_CAPTURE(BM_RankBySize, CommonPrefix, "x := Ca")->RangeMultiplier(4)->Range(1 << 10, 1 << 16)->Complexity();

// A unit's words folded and indexed: done again for the unit being typed
// in whenever its words change.
void BM_FoldUnitWords(benchmark::State& state) {
    win::SetACP(win::CodePage::Cp1252);
    const StringList words = BuildLocalDictionary(MakeUnitSource(5000 * 40, 100, 20000));
    for (auto _ : state) {
        FoldedWordList folded;
        folded.Build(words, win::CodePage::Cp1252);
        benchmark::DoNotOptimize(folded.Count());
    }
    state.counters["words"] = static_cast<double>(words.Count());
}
BENCHMARK(BM_FoldUnitWords)->Unit(benchmark::kMicrosecond);

// Learning a word into a full dictionary whose folded copy is in use: the
// copy follows the change instead of being folded again.
void BM_CollectThenRank(benchmark::State& state) {
    win::SetACP(win::CodePage::Cp1252);
    SelfTeachingDictionary dict;
    dict.Entries() = MakeSelfTeaching(50000);
    const LearningOptions options{true, 50000};
    SuggestionSources sources;
    RankingOptions ranking;
    ranking.fixedDictionary = false;
    std::size_t n = 0;
    for (auto _ : state) {
        dict.Collect("Fresh" + std::to_string(n++), options);
        sources.selfTeachingFolded = &std::as_const(dict).FoldedEntries();
        const RankingResult r = RankSuggestions("x := Fre", sources, ranking);
        benchmark::DoNotOptimize(&r.list);
    }
}
BENCHMARK(BM_CollectThenRank)->Unit(benchmark::kMicrosecond);

void BM_Merge50000Lines(benchmark::State& state) {
    const StringList dict = MakeSelfTeaching(50000);
    // Half the file is already known, half is new.
    std::vector<std::string> file;
    for (std::size_t i = 0; i < 25000; ++i) file.push_back(dict[i * 2]);
    for (std::size_t i = 0; i < 25000; ++i) file.push_back("New" + std::to_string(i));
    MergeLoopHooks hooks;
    int lastPercent = 0;
    hooks.progress = [&](int p) { lastPercent = p; };
    hooks.stopRequested = [] { return false; };
    for (auto _ : state) {
        state.PauseTiming();
        StringList target = dict;
        state.ResumeTiming();
        const MergeOutcome outcome = MergeLines(target, file, hooks);
        benchmark::DoNotOptimize(outcome.inserted);
    }
    state.counters["percent"] = lastPercent;
}
BENCHMARK(BM_Merge50000Lines)->Unit(benchmark::kMillisecond);

// range(0): the size of the unit's vocabulary. A large one fills the
// capacity early and ends the scan; a small one makes the scan read all 1 MB.
void BM_LocalDictionaryOf1MB(benchmark::State& state) {
    win::SetACP(win::CodePage::Cp1252);
    const std::string source = MakeUnitSource(1 << 20, 7, static_cast<std::size_t>(state.range(0)));
    std::size_t words = 0;
    for (auto _ : state) {
        const StringList dict = BuildLocalDictionary(source);
        words = dict.Count();
    }
    state.counters["words"] = static_cast<double>(words);
}
BENCHMARK(BM_LocalDictionaryOf1MB)->Arg(200)->Arg(50000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace skrivo

BENCHMARK_MAIN();
