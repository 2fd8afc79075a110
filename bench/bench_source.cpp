// Source analysis over a 1 MB unit: token text, a token-by-token walk, block navigation across it.
#include <benchmark/benchmark.h>

#include <optional>
#include <string>

#include "bridge/TokenText.h"
#include "source/BlockNavigation.h"
#include "source/CharClasses.h"
#include "source/PascalUnitGenerator.h"
#include "source/SourceWalker.h"

namespace {

constexpr int kUnitBytes = 1 << 20;

const std::string& MegabyteUnit() {
  static const std::string source = [] {
    for (int routines = 400;; routines += 20) {
      skrivo::test::GeneratedUnit unit = skrivo::test::GeneratePascalUnit(7, 40, routines);
      if (unit.source.size() >= static_cast<std::size_t>(kUnitBytes)) return std::move(unit.source);
    }
  }();
  return source;
}

const skrivo::test::GeneratedUnit& LongRoutine() {
  static const skrivo::test::GeneratedUnit unit = skrivo::test::GenerateLongRoutine(7, kUnitBytes);
  return unit;
}

void BM_MakeTokenText(benchmark::State& state) {
  const std::string& source = MegabyteUnit();
  for (auto _ : state) {
    std::string tokens = skrivo::MakeTokenText(source);
    benchmark::DoNotOptimize(tokens.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(source.size()));
}
BENCHMARK(BM_MakeTokenText)->Unit(benchmark::kMillisecond);

void BM_WalkEveryToken(benchmark::State& state) {
  const std::string tokens = skrivo::MakeTokenText(MegabyteUnit());
  int64_t steps = 0;
  for (auto _ : state) {
    skrivo::TSourceWalker walker(tokens, 0);
    while (!walker.Eof()) {
      benchmark::DoNotOptimize(walker.AtAlpha());
      walker.Next();
      ++steps;
    }
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(tokens.size()));
  state.counters["tokens"] = benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_WalkEveryToken)->Unit(benchmark::kMillisecond);

// From the body's begin to its end a megabyte further on (range 0), and back (range 1).
void BM_BeginEndAcrossUnit(benchmark::State& state) {
  const skrivo::test::GeneratedUnit& unit = LongRoutine();
  const std::string tokens = skrivo::MakeTokenText(unit.source);
  const auto& body = unit.beginEnd.front();
  const bool backward = state.range(0) != 0;
  const int from = backward ? body.close : body.open;
  const int to = backward ? body.open : body.close;
  for (auto _ : state) {
    const std::optional<int> target = skrivo::BeginEndTarget(tokens, from);
    if (target != to) state.SkipWithError("the block's other end was not reached");
    benchmark::DoNotOptimize(target);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(body.close - body.open));
}
BENCHMARK(BM_BeginEndAcrossUnit)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The keystroke path: one lookup per character of a typed word.
void BM_IsAlphaOnWord(benchmark::State& state) {
  const std::string word = "TSourceWalker_GetCurrentToken";
  skrivo::EnsureLetterTable();
  for (auto _ : state) {
    int letters = 0;
    for (char c : word) letters += skrivo::IsAlpha(c);
    benchmark::DoNotOptimize(letters);
  }
}
BENCHMARK(BM_IsAlphaOnWord);

}  // namespace

BENCHMARK_MAIN();
