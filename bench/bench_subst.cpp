// The substitution engine per keystroke: the default list on a long line, and patterns that would make backtracking explode.
#include <benchmark/benchmark.h>

#include <string>

#include "config/DefaultConfig.h"
#include "platform/StringList.h"
#include "subst/MatchText.h"
#include "subst/PatternLine.h"
#include "subst/SubstitutionEngine.h"

namespace {

using namespace skrivo;
using namespace skrivo::subst;

StringList Defaults() {
    StringList list;
    list.SetText(std::string(DefaultSubstitutionText()));
    return list;
}

// A 200-character line of code ending where the user types.
std::string LongLine(const std::string& end) {
    std::string line = "  Result := Format('%d items in %s', [Items.Count, Name]) + IntToStr(Total) + ";
    while (line.size() + end.size() < 200) line += "Value + ";
    return line.substr(0, 200 - end.size()) + end;
}

void BM_DefaultsNoFit(benchmark::State& state) {
    const StringList list = Defaults();
    SubstitutionEngine engine;
    const std::string before = LongLine("Tota");
    for (auto _ : state) benchmark::DoNotOptimize(engine.FindFit(list, before, ""));
}
BENCHMARK(BM_DefaultsNoFit);

void BM_DefaultsFit(benchmark::State& state) {
    const StringList list = Defaults();
    SubstitutionEngine engine;
    const std::string before = LongLine(" wh ");
    for (auto _ : state) benchmark::DoNotOptimize(engine.FindFit(list, before, ""));
}
BENCHMARK(BM_DefaultsFit);

// "b*a*a*a*a*a*a*a|" and a 255-character pattern like it over a line of
// a's: every split of the line among the stars fails only at the "b".
void BM_StarsOnALine(benchmark::State& state) {
    std::string pattern = "b";
    while (pattern.size() + 3 < static_cast<std::size_t>(state.range(0))) pattern += "*a";
    pattern += "|";
    StringList list;
    list.Add(pattern);
    list.Add("x");
    SubstitutionEngine engine;
    const std::string before(200, 'a');
    for (auto _ : state) benchmark::DoNotOptimize(engine.FindFit(list, before, ""));
}
BENCHMARK(BM_StarsOnALine)->Arg(15)->Arg(255);

// A condition at the cursor of a 1 MB unit whose "**"s run to the module's
// start looking for a "q" that is not there, read in 256-character blocks
// as the expert reads it.
void BM_DoubleStarsOverAModule(benchmark::State& state) {
    std::string module;
    while (module.size() < (1u << 20)) module += "  x := Items[i] + Value;\r\n";
    std::string pattern = "q";
    while (pattern.size() + 6 < static_cast<std::size_t>(state.range(0))) pattern += "**a";
    pattern += "**;|";
    const PatternLine line(pattern);
    const int cursor = static_cast<int>(module.size()) - 2;
    const auto read = [&](int pos, int count) { return module.substr(static_cast<std::size_t>(pos), static_cast<std::size_t>(count)); };
    for (auto _ : state) {
        BlockMatchText before(read, cursor, BlockMatchText::Backward);
        BlockMatchText after(read, cursor, BlockMatchText::Forward);
        benchmark::DoNotOptimize(line.Fits(before, after, TextEdge::ModuleEdge));
    }
}
BENCHMARK(BM_DoubleStarsOverAModule)->Arg(16)->Arg(255)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
