// Keystroke latency as a distribution: a recorded typing trace replayed through the offscreen IDE with Skrivo loaded.
//
// The trace types statements of a generated unit character by character, each
// key followed by the pause that lets the list come up, with misses and their
// Backspaces, arrows, accepted suggestions and Escapes. Every key's road (key
// message, notification, substitutions, the timer tick, Work, Suggest, the
// list filled and shown) is timed on its own. The configuration is the worst
// one offered: a full 50,000-entry learnt dictionary, a 5,000-word fixed one,
// 20 open units of 5,000 lines searched on every request, 1000 words a list.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

#include "BenchIdentifiers.h"
#include "completion/RequestText.h"
#include "completion/SelfTeachingDictionary.h"
#include "completion/SuggestionRanking.h"
#include "completion/UnitWordIndex.h"
#include "completion/FixedDictionary.h"
#include "config/ExpertConfig.h"
#include "expert/SkrivoExpert.h"
#include "expert/SkrivoPackage.h"
#include "host/api/Host.h"
#include "host/testing/OffscreenHost.h"
#include "platform/FileIO.h"
#include "platform/VirtualKeys.h"
#include "source/CharClasses.h"
#include "source/PascalUnitGenerator.h"
#include "suggest/SuggestWindow.h"

namespace skrivo {
namespace {

using host::testing::OffscreenHost;
using Wall = std::chrono::steady_clock;

// The CPU time of this thread: on a machine shared with other work the wall
// clock measures the neighbours as much as the road.
struct Clock {
    using duration = std::chrono::nanoseconds;
    struct time_point {
        duration since;
        duration operator-(const time_point& o) const { return since - o.since; }
    };
    static time_point now() {
        timespec t{};
        ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return {std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec)};
    }
};

constexpr int kUnits = 20;
constexpr int kUnitLines = 5000;
constexpr int kLearntEntries = 50000;
constexpr int kFixedWords = 5000;
constexpr std::size_t kTraceKeys = 2000;
constexpr int kPauseMs = 250;  // one timer tick: the default delay

template <typename Duration>
double Ms(Duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

std::size_t ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
}

// Statement lines of about 35 characters, as the road benchmark's units have.
std::string UnitSource(int lines, unsigned seed) {
    bench::IdentifierMaker ids(seed);
    std::string source = "unit Generated;\r\n\r\ninterface\r\n\r\nimplementation\r\n\r\n";
    for (int i = 6; i < lines; ++i)
        source.append("  ").append(ids.Next()).append(".").append(ids.Next()).append(" := ").append(ids.Next()).append(";\r\n");
    return source;
}

// The learnt dictionary's three entry forms, all distinct.
std::string LearntDictionary() {
    bench::IdentifierMaker learnt(1);
    std::string text;
    for (int i = 0; i < kLearntEntries; ++i) {
        switch (learnt.Pick(3)) {
            case 0: text.append(" ").append(learnt.Next()); break;
            case 1: text.append(learnt.Next()).append(".").append(learnt.Next()); break;
            default: text.append(learnt.Next()).append(" := ").append(learnt.Next()); break;
        }
        text.append(std::to_string(i)).append("\r\n");
    }
    return text;
}

// The text the trace types: the routine bodies of a generated unit, lines
// without their indentation (the editor indents), enough for the trace.
std::vector<std::string> TracedLines() {
    const test::GeneratedUnit unit = test::GeneratePascalUnit(7, 4, 200);
    std::vector<std::string> lines;
    std::size_t at = unit.source.find("implementation");
    std::size_t chars = 0;
    while (at < unit.source.size() && chars < kTraceKeys * 2) {
        const std::size_t end = unit.source.find("\r\n", at);
        std::string line = unit.source.substr(at, end - at);
        at = end == std::string::npos ? unit.source.size() : end + 2;
        const std::size_t first = line.find_first_not_of(' ');
        if (first == std::string::npos) continue;
        line.erase(0, first);
        chars += line.size() + 1;
        lines.push_back(std::move(line));
    }
    return lines;
}

struct Figures {
    std::vector<double> roads;     // ms, one per key
    std::vector<double> wallRoads; // the same by the wall clock
    std::vector<double> suggests;  // ms, one per ranked request
    std::vector<double> rankings;  // ms, the search and ranking alone of the same requests
    std::vector<std::string> requests;  // of the same requests
    std::vector<std::string> keys;      // what each road's key was, and the line before the cursor after it
    std::vector<double> fills;     // ms, the ranked list put into the window, sized and placed
    std::vector<double> keyParts;  // ms, the key's message, the editor and the notification
    std::vector<double> tickParts; // ms, the pause: the timer's tick, Work, Suggest, the list shown
    // The key's part split: Skrivo's message hook, Skrivo's handling of the
    // notification, and what is left, the host's own (the editor, Qt).
    std::vector<double> hookParts;
    std::vector<double> notifyParts;
    std::vector<double> hostParts;
    double memchrPass = 0;
    std::size_t candidateBytes = 0;
};

// Sums the CPU time spent inside Skrivo's message hook and inside its
// handling of the front module's notifications: the first is wrapped around
// the hook Skrivo installs, the second bracketed by a notifier added before
// Skrivo's and one added after it (notifiers are told in the order added;
// Skrivo's own edits notify again from inside, hence the depth).
class KeyPartMeter {
public:
    class Edge final : public host::IModuleNotifier {
    public:
        Edge(KeyPartMeter& meter, bool opens) : meter_(meter), opens_(opens) {}
        void Notify(host::TNotifyCode code) override {
            if (code != host::ncEditorModified) return;
            if (opens_) {
                if (meter_.depth_++ == 0) meter_.notifyStart_ = Clock::now();
            } else if (meter_.depth_ > 0 && --meter_.depth_ == 0) {
                meter_.notify_ += Clock::now() - meter_.notifyStart_;
            }
        }
        void ComponentRenamed(void*, const std::string&, const std::string&) override {}

    private:
        KeyPartMeter& meter_;
        bool opens_;
    };

    void WrapHook(host::IApplication& app) {
        host::TMessageEvent inner = app.OnMessage();
        app.SetOnMessage([this, inner](win::TMsg& msg, bool& handled) {
            const auto start = Clock::now();
            if (inner) inner(msg, handled);
            hook_ += Clock::now() - start;
        });
    }
    void Clear() { hook_ = notify_ = {}; }
    Clock::duration Hook() const { return hook_; }
    Clock::duration Notified() const { return notify_; }

    Edge opening{*this, true};
    Edge closing{*this, false};

private:
    Clock::duration hook_{};
    Clock::duration notify_{};
    Clock::time_point notifyStart_{};
    int depth_ = 0;
};

// Everything that is open and loaded for one run.
class Session {
public:
    explicit Session(int frontLines) {
        for (int u = 0; u + 1 < kUnits; ++u)
            host.OpenText("Unit" + std::to_string(u) + ".pas", UnitSource(kUnitLines, 100 + u) + "|");
        WriteFileAtomic(host.Home() + "/Skrivo.dic", LearntDictionary());
        std::string fixed;
        bench::IdentifierMaker words(2);
        for (int i = 0; i < kFixedWords; ++i) fixed.append(words.Next()).append("\r\n");
        WriteFileAtomic(host.Home() + "/fixed.dic", fixed);
        // Typing goes into the middle of the front unit, on a line of its own.
        const std::string front = UnitSource(frontLines, 99);
        std::size_t middle = front.find("\r\n", front.size() / 2) + 2;
        host::Module& frontModule = host.OpenText("Front.pas", front.substr(0, middle) + "|\r\n" + front.substr(middle));
        frontModule.AddNotifier(&keyParts.opening);

        // What the IDE queued for its first idle turn after opening the units
        // (their heading indexes) is the IDE's, not Skrivo's.
        host.Advance(0);
        residentBeforeLoad = ResidentBytes();
        const auto start = Clock::now();
        host->LoadPackage("SkrivoPackage.bpl", &Register, &Unregister);
        loadMs = Ms(Clock::now() - start);
        loadBytes = ResidentBytes() - residentBeforeLoad;
        expert = RegisteredExpert();
        frontModule.AddNotifier(&keyParts.closing);
        keyParts.WrapHook(host->Application());
    }

    void Configure(bool onlyWordsMatching1st) {
        TExpertConfig& cfg = *expert->GetCfg();
        cfg.DictionaryLimit = kLearntEntries;
        cfg.WordsFromAllUnits = true;
        cfg.WordsMaxInList = 1000;
        cfg.OnlyWordsMatching1st = onlyWordsMatching1st;
    }

    // One pass of memchr over every candidate byte, laid end to end: the
    // cheapest conceivable look at all of them.
    void MeasureMemchr(Figures& f) {
        std::string all;
        auto add = [&](const StringList& l) {
            for (std::size_t i = 0; i < l.Count(); ++i) all.append(l[i]);
        };
        add(std::as_const(expert->Dict()).Entries());
        add(expert->FixedDict().Entries());
        for (auto& notifier : *expert->GetNotifiers()) add(expert->NotifierDictionary(notifier.get()));
        std::vector<double> passes;
        for (int i = 0; i < 21; ++i) {
            const auto start = Clock::now();
            benchmark::DoNotOptimize(std::memchr(all.data(), '\x01', all.size()));
            passes.push_back(Ms(Clock::now() - start));
        }
        std::nth_element(passes.begin(), passes.begin() + 10, passes.end());
        f.memchrPass = passes[10];
        f.candidateBytes = all.size();
    }

    // The request Work hands to Suggest for the line before the cursor, or
    // nothing when it would not rank (hidden after a blank or ";").
    std::optional<std::string> RequestNow() {
        std::string s = expert->ReadText(-100);
        const std::size_t lineStart = s.find_last_of("\r\n");
        if (lineStart != std::string::npos) s.erase(0, lineStart + 1);
        if (s.empty() || s.back() == ' ' || s.back() == ';') return std::nullopt;
        const bool afterWord = IsAlphaDigit(s.back());
        return afterWord ? CollapseBlanks(LastTwoWords(s)) : SuggestionRequest(s);
    }

    // The ranking alone, over the same lists and options Suggest uses; the
    // units' folded copies are made once, as the expert keeps them.
    RankingResult Rank(const std::string& request) {
        const TExpertConfig& cfg = *expert->GetCfg();
        if (unitsFolded.empty())
            for (auto& notifier : *expert->GetNotifiers()) {
                const StringList& words = expert->NotifierDictionary(notifier.get());
                unitsFolded[&words].Build(words, win::GetACP());
            }
        SuggestionSources sources;
        // As the expert asks: the learnt entries through their folded copy alone.
        sources.selfTeachingFolded = &std::as_const(expert->Dict()).FoldedEntries();
        sources.fixed = &expert->FixedDict().Entries();
        sources.fixedFolded = &expert->FixedDict().FoldedEntries();
        sources.allUnits = [this] {
            std::vector<const StringList*> lists;
            for (auto& notifier : *expert->GetNotifiers()) lists.push_back(&expert->NotifierDictionary(notifier.get()));
            return lists;
        };
        sources.unitFolded = [this](const StringList& words) { return &unitsFolded[&words]; };
        sources.unitsIndex = &unitsIndex;
        RankingOptions options;
        options.wordsFromAllUnits = cfg.WordsFromAllUnits;
        options.exceedWordsMax = cfg.ExceedWordsMax;
        options.autoSelectBestWord = cfg.AutoSelectBestWord;
        options.rules.wordsMaxInList = cfg.WordsMaxInList;
        options.rules.doNotSuggestShorter = cfg.DoNotSuggestShorter;
        options.rules.doNotListWordItself = cfg.DoNotListWordItself;
        options.rules.onlyWordsMatching1st = cfg.OnlyWordsMatching1st;
        options.rules.doNotSuggestSeparators = cfg.DoNotSuggestSeparators;
        return RankSuggestions(request, sources, options);
    }

    // Suggest searches only for a request its last character does not hide.
    bool Ranks(const std::string& request) {
        const TExpertConfig& cfg = *expert->GetCfg();
        return !HidesForLastCharacter(request, {cfg.HideAfterSemicolon, cfg.HideAfterSpace, cfg.HideAfterSeparator});
    }

    // The list window's share of a Suggest: the ranked items put in, sized
    // and placed (the same content Suggest just gave it).
    double FillList(SuggestionListContent content) {
        TfmSuggest* list = expert->GetSggList();
        constexpr int kLineHeight = 16;
        const win::TRect bounds = list->BoundsRect();
        const auto begin = Clock::now();
        list->Fill(std::move(content));
        list->SizeAndPlace({bounds.left, bounds.top - kLineHeight}, kLineHeight, HostSuggestScreen(*host::Host()));
        return Ms(Clock::now() - begin);
    }

    bool ListVisible() {
        TfmSuggest* list = expert->SggListIfCreated();
        return list && list->isVisible();
    }
    std::string SelectedWord() {
        TfmSuggest* list = expert->SggListIfCreated();
        if (!list || !list->isVisible() || list->lvWords->Selected() < 0) return {};
        return list->lvWords->Caption(list->lvWords->Selected());
    }

    OffscreenHost host;
    TSkrivoExpert* expert = nullptr;
    double loadMs = 0;
    std::size_t loadBytes = 0;
    std::size_t residentBeforeLoad = 0;
    std::map<const StringList*, FoldedWordList> unitsFolded;
    UnitWordIndexCache unitsIndex;
    KeyPartMeter keyParts;
};

// Replays the trace; every key is timed with the pause that follows it.
void Replay(Session& session, Figures& f) {
    const std::size_t firstRoad = f.roads.size();
    std::mt19937 rng(42);
    auto chance = [&](unsigned percent) { return rng() % 100 < percent; };
    auto key = [&](auto&& press, std::string what) {
        const auto wall = Wall::now();
        session.keyParts.Clear();
        const auto start = Clock::now();
        press();
        const auto pressed = Clock::now();
        const double hook = Ms(session.keyParts.Hook()), notified = Ms(session.keyParts.Notified());
        session.host.Advance(kPauseMs);
        const auto end = Clock::now();
        f.roads.push_back(Ms(end - start));
        f.keyParts.push_back(Ms(pressed - start));
        f.tickParts.push_back(Ms(end - pressed));
        f.hookParts.push_back(hook);
        f.notifyParts.push_back(notified);
        f.hostParts.push_back(Ms(pressed - start) - hook - notified);
        f.wallRoads.push_back(Ms(Wall::now() - wall));
        std::string line = session.expert->ReadText(-40);
        if (const std::size_t lineStart = line.find_last_of("\r\n"); lineStart != std::string::npos) line.erase(0, lineStart + 1);
        f.keys.push_back(what + " at <" + line + ">");
        if (auto request = session.RequestNow(); request && session.Ranks(*request)) {
            const auto begin = Clock::now();
            session.expert->Suggest(*request);
            f.suggests.push_back(Ms(Clock::now() - begin));
            const auto rankBegin = Clock::now();
            RankingResult ranked = session.Rank(*request);
            benchmark::DoNotOptimize(ranked.found);
            f.rankings.push_back(Ms(Clock::now() - rankBegin));
            f.requests.push_back(*request);
            if (ranked.decision == SuggestDecision::Fill) f.fills.push_back(session.FillList(std::move(ranked.list)));
        }
    };
    auto type = [&](char c) { key([&] { session.host.Type(std::string(1, c)); }, std::string(1, c)); };
    auto press = [&](win::WORD vk) { key([&] { session.host.Press(vk); }, "vk " + std::to_string(vk)); };

    for (const std::string& line : TracedLines()) {
        if (f.roads.size() - firstRoad >= kTraceKeys) break;
        for (std::size_t i = 0; i < line.size(); ++i) {
            const char c = line[i];
            const bool wordChar = IsAlphaDigit(c);
            if (wordChar && chance(3)) {  // a miss, taken back
                type('q');
                press(win::VK_BACK);
            }
            if (session.ListVisible() && chance(2)) press(win::VK_DOWN);
            if (!session.ListVisible() && chance(1)) {
                press(win::VK_LEFT);
                press(win::VK_RIGHT);
            }
            // The suggested word is the one being typed: accepted half the time.
            if (wordChar && i > 0 && IsAlphaDigit(line[i - 1]) && chance(50)) {
                std::size_t start = i, end = i;
                while (start > 0 && IsAlphaDigit(line[start - 1])) --start;
                while (end < line.size() && IsAlphaDigit(line[end])) ++end;
                if (session.SelectedWord() == line.substr(start, end - start)) {
                    press(win::VK_RETURN);
                    i = end - 1;
                    continue;
                }
            }
            type(c);
        }
        if (session.ListVisible()) press(win::VK_ESCAPE);
        press(win::VK_RETURN);
    }
}

struct Run {
    std::string name;
    Figures figures;
    double loadMs = 0;
    std::size_t loadBytes = 0;
    std::size_t workingBytes = 0;  // after the first request built the units' word lists
};
std::vector<Run>& Runs() {
    static std::vector<Run> runs;
    return runs;
}

double Percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const auto k = static_cast<std::size_t>(p / 100.0 * static_cast<double>(v.size() - 1) + 0.5);
    return v[std::min(k, v.size() - 1)];
}

void BM_TypingTrace(benchmark::State& state, int frontLines, bool onlyWordsMatching1st, const char* name) {
    Run run{name, {}, 0, 0, 0};
    bool first = true;
    for (auto _ : state) {
        state.PauseTiming();
        Session session(frontLines);
        session.Configure(onlyWordsMatching1st);
        // The first request gathers the units' words: part of start, not of a key.
        session.host.Type("x");
        session.host.Advance(kPauseMs);
        session.host.Press(win::VK_BACK);
        session.host.Advance(kPauseMs);
        // Start and memory only from the process's first session: later ones
        // reuse the memory the earlier ones gave back.
        if (first) run.workingBytes = ResidentBytes() - session.residentBeforeLoad;
        session.MeasureMemchr(run.figures);
        session.Rank("x");  // the units' folded copies, as the expert made them on its first request
        state.ResumeTiming();
        Replay(session, run.figures);
        if (first) {
            run.loadMs = session.loadMs;
            run.loadBytes = session.loadBytes;
        }
        first = false;
    }
    const Figures& f = run.figures;
    state.counters["keys"] = static_cast<double>(f.roads.size());
    state.counters["p50_ms"] = Percentile(f.roads, 50);
    state.counters["p99_ms"] = Percentile(f.roads, 99);
    state.counters["max_ms"] = Percentile(f.roads, 100);
    Runs().push_back(std::move(run));
}

// The trace is replayed this many times, each in a new session, and the
// percentiles are taken over every key of them: the 99th percentile of one
// replay is its twentieth slowest key, which moves with whatever else the
// machine did at that moment.
constexpr int kReplays = 3;
BENCHMARK_CAPTURE(BM_TypingTrace, Worst5000Lines, kUnitLines, true, "worst, 5,000-line unit")
    ->Iterations(kReplays)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TypingTrace, Worst5000LinesAllWords, kUnitLines, false, "worst, OnlyWordsMatching1st off")
    ->Iterations(kReplays)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TypingTrace, Worst1MB, 30000, true, "worst, 1 MB unit")
    ->Iterations(kReplays)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TypingTrace, Worst5MB, 150000, true, "worst, 5 MB unit")
    ->Iterations(kReplays)->Unit(benchmark::kMillisecond);

// The IDE's start with the same files open, without Skrivo: what Skrivo's
// load is compared with.
double g_ideStartMs = 0;
std::size_t g_ideStartBytes = 0;
void BM_IdeStartWithoutSkrivo(benchmark::State& state) {
    for (auto _ : state) {
        const std::size_t before = ResidentBytes();
        const auto start = Clock::now();
        OffscreenHost host;
        for (int u = 0; u < kUnits; ++u)
            host.OpenText("Unit" + std::to_string(u) + ".pas", UnitSource(kUnitLines, 100 + u) + "|");
        g_ideStartMs = Ms(Clock::now() - start);
        g_ideStartBytes = ResidentBytes() - before;
    }
}
BENCHMARK(BM_IdeStartWithoutSkrivo)->Iterations(1)->Unit(benchmark::kMillisecond);

void PrintTable() {
    std::printf("\nKeystroke latency (ms of CPU time; each key with the pause that brings its list; keys: every key of\n"
                "%d replays of the trace, each in a new session)\n", kReplays);
    std::printf("%-34s %5s %7s %7s %7s %7s %7s %8s %7s %8s %7s %7s %7s %7s\n", "configuration", "keys", "p50", "p90",
                "p99", "max", "memchr", "suggest", "ratio", "rank99", "rankmax", "fill99", "key99", "tick99");
    for (const Run& r : Runs()) {
        const Figures& f = r.figures;
        const double slowest = Percentile(f.suggests, 100);
        std::printf("%-34s %5zu %7.3f %7.3f %7.3f %7.3f %7.3f %8.3f %7.1f %8.3f %7.3f %7.3f %7.3f %7.3f\n",
                    r.name.c_str(), f.roads.size(), Percentile(f.roads, 50), Percentile(f.roads, 90),
                    Percentile(f.roads, 99), Percentile(f.roads, 100), f.memchrPass, slowest,
                    f.memchrPass > 0 ? slowest / f.memchrPass : 0, Percentile(f.rankings, 99),
                    Percentile(f.rankings, 100), Percentile(f.fills, 99), Percentile(f.keyParts, 99),
                    Percentile(f.tickParts, 99));
    }
    // The key's part split: Skrivo's hook, Skrivo's notification handling and
    // the host's rest (editor, Qt); the host's rest of a key is its floor.
    std::printf("\n%-34s %9s %9s %9s %9s %9s %9s\n", "key part", "hook50", "hook99", "notify50", "notify99", "host50",
                "host99");
    for (const Run& r : Runs()) {
        const Figures& f = r.figures;
        std::printf("%-34s %9.3f %9.3f %9.3f %9.3f %9.3f %9.3f\n", r.name.c_str(), Percentile(f.hookParts, 50),
                    Percentile(f.hookParts, 99), Percentile(f.notifyParts, 50), Percentile(f.notifyParts, 99),
                    Percentile(f.hostParts, 50), Percentile(f.hostParts, 99));
    }
    if (!Runs().empty()) {
        const Run& r = Runs().front();
        std::printf("by the wall clock (%s): p50 %.3f, p99 %.3f, max %.3f ms\n", r.name.c_str(),
                    Percentile(r.figures.wallRoads, 50), Percentile(r.figures.wallRoads, 99),
                    Percentile(r.figures.wallRoads, 100));
        std::printf("candidate bytes %zu; memchr: one pass over them; suggest: the slowest Suggest of the run;\n"
                    "rank99, rankmax: the search and ranking alone (RankSuggestions), without the list window;\n"
                    "fill99: the ranked list put into the window, sized and placed; key99: the key's message, the\n"
                    "editor and the notification (a visible list is brought up to date there); tick99: the pause\n"
                    "after it (the timer's tick, Work, Suggest, the list shown)\n",
                    r.figures.candidateBytes);
        std::printf("IDE start with %d units of %d lines, without Skrivo: %.1f ms, %.1f MB resident\n", kUnits,
                    kUnitLines, g_ideStartMs, static_cast<double>(g_ideStartBytes) / 1e6);
        std::printf("Skrivo's share with a %d-entry learnt dictionary: load %.1f ms, %.1f MB; %.1f MB after the "
                    "first request (units' words)\n",
                    kLearntEntries, r.loadMs, static_cast<double>(r.loadBytes) / 1e6,
                    static_cast<double>(r.workingBytes) / 1e6);
    }
    // SKRIVO_SLOWEST=n: the n slowest requests of each run, ranking alone.
    if (const char* n = std::getenv("SKRIVO_SLOWEST"))
        for (const Run& r : Runs()) {
            const Figures& f = r.figures;
            std::vector<std::size_t> order(f.rankings.size());
            for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
            std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return f.rankings[a] > f.rankings[b]; });
            std::vector<std::size_t> roads(f.roads.size());
            for (std::size_t i = 0; i < roads.size(); ++i) roads[i] = i;
            std::sort(roads.begin(), roads.end(), [&](std::size_t a, std::size_t b) { return f.roads[a] > f.roads[b]; });
            std::printf("slowest roads of %s:", r.name.c_str());
            for (std::size_t i = 0; i < roads.size() && i < static_cast<std::size_t>(std::atoi(n)); ++i)
                std::printf(" [%s] %.3f (key %.3f: hook %.3f, notify %.3f; pause %.3f);", f.keys[roads[i]].c_str(),
                        f.roads[roads[i]], f.keyParts[roads[i]], f.hookParts[roads[i]], f.notifyParts[roads[i]],
                        f.tickParts[roads[i]]);
            std::printf("\n");
            std::printf("slowest of %s:", r.name.c_str());
            for (std::size_t i = 0; i < order.size() && i < static_cast<std::size_t>(std::atoi(n)); ++i)
                std::printf(" [%s] %.3f (suggest %.3f);", f.requests[order[i]].c_str(), f.rankings[order[i]], f.suggests[order[i]]);
            std::printf("\n");
        }
    // The worst configuration with OnlyWordsMatching1st off: its p99 and
    // max, and its slowest Suggest against a memchr pass.
    for (const Run& r : Runs()) {
        if (r.name.find("OnlyWordsMatching1st off") == std::string::npos) continue;
        const double slowest = Percentile(r.figures.suggests, 100);
        std::printf("worst: p99 %.3f ms, max %.3f ms, suggest/memchr %.2f\n", Percentile(r.figures.roads, 99),
                    Percentile(r.figures.roads, 100), r.figures.memchrPass > 0 ? slowest / r.figures.memchrPass : 0);
    }
}

}  // namespace
}  // namespace skrivo

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    skrivo::PrintTable();
    return 0;
}
