// The whole road of one keystroke with the largest dictionaries: key message, notification, timer tick, Work, Suggest, the list filled.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

#include "completion/SelfTeachingDictionary.h"
#include "suggest/SuggestWindow.h"
#include "config/ExpertConfig.h"
#include "expert/SkrivoExpert.h"
#include "host/testing/OffscreenHost.h"
#include "platform/FileIO.h"
#include "platform/VirtualKeys.h"
#include "BenchIdentifiers.h"

namespace skrivo {
namespace {

using host::testing::OffscreenHost;

using Identifiers = bench::IdentifierMaker;

std::string UnitSource(int lines, unsigned seed) {
    Identifiers ids(seed);
    std::string source = "unit Generated;\r\n\r\ninterface\r\n\r\nimplementation\r\n\r\n";
    for (int i = 6; i < lines; ++i)
        source.append("  ").append(ids.Next()).append(".").append(ids.Next()).append(" := ").append(ids.Next()).append(";\r\n");
    return source;
}

class RoadExpert : public TSkrivoExpert {
public:
    RoadExpert() = default;
};

// The expert over 20 open units of 5,000 lines, a 50,000-entry self-teaching
// dictionary and a 5,000-word fixed one, words from all units.
struct Road {
    explicit Road(const std::string& line) {
        for (unsigned u = 0; u < 19; ++u) host.OpenText("Unit" + std::to_string(u) + ".pas", UnitSource(5000, 100 + u) + "|");
        Identifiers words(2);
        std::string fixed;
        for (int i = 0; i < 5000; ++i) fixed.append(words.Next()).append("\r\n");
        WriteFileAtomic(host.Temp().File("fixed.dic"), fixed);
        host.OpenText("Front.pas", UnitSource(5000, 99) + line + "|");
        expert = TQvExpert::Create<RoadExpert>();
        expert->SetReady(true);
        TExpertConfig& cfg = *expert->GetCfg();
        cfg.Directory = host.Temp().Path();
        cfg.WordsFromAllUnits = true;
        cfg.DictionaryLimit = 50000;
        expert->LoadfixedDic();
        Identifiers learnt(1);
        StringList& dict = expert->Dict().Entries();
        for (int i = 0; dict.Count() < 50000; ++i) {
            std::string entry;
            switch (learnt.Pick(3)) {
                case 0: entry.append(" ").append(learnt.Next()); break;
                case 1: entry.append(learnt.Next()).append(".").append(learnt.Next()); break;
                default: entry.append(learnt.Next()).append(" := ").append(learnt.Next()); break;
            }
            dict.Add(entry.append(std::to_string(i)));
        }
    }
    // One letter typed and a pause; then Backspace and a pause: two roads.
    void TypeAndPause(char letter) {
        host.Type(std::string(1, letter));
        host.Advance(250);
        host.Press(win::VK_BACK);
        host.Advance(250);
    }
    OffscreenHost host;
    std::unique_ptr<RoadExpert> expert;
};

void RunRoad(benchmark::State& state, const std::string& line, char letter) {
    Road road(line);
    road.TypeAndPause(letter);  // the units' words are gathered at the first request
    for (auto _ : state) road.TypeAndPause(letter);
    TfmSuggest* list = road.expert->SggListIfCreated();
    state.counters["items"] = list ? list->lvWords->Count() : 0;
    state.SetItemsProcessed(state.iterations() * 2);
}

// A typical request: many words match, the limit ends the search.
void BM_RoadCommonPrefix(benchmark::State& state) { RunRoad(state, "  x := Ca", 'p'); }
BENCHMARK(BM_RoadCommonPrefix)->Unit(benchmark::kMicrosecond);
// Nothing matches: every list is read through.
void BM_RoadNothingMatches(benchmark::State& state) { RunRoad(state, "  Self.Cq", 'z'); }
BENCHMARK(BM_RoadNothingMatches)->Unit(benchmark::kMicrosecond);
void BM_RoadSingleWordNothingMatches(benchmark::State& state) { RunRoad(state, "  Fontz", 'q'); }
BENCHMARK(BM_RoadSingleWordNothingMatches)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace skrivo

BENCHMARK_MAIN();
