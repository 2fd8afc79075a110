// Benchmarks of the conversion commands' text rewriting.
#include <benchmark/benchmark.h>

#include <string>

#include "convert/LayoutCalls.h"
#include "convert/TextConversion.h"
#include "platform/CodePage.h"

namespace {

using namespace skrivo;

// A 20-character word typed in the wrong layout, retyped in the right one.
void BM_ConvertWordLayout(benchmark::State& state) {
    win::SetACP(win::CodePage::Cp1251);
    const TLayoutCalls calls;
    constexpr win::WORD kUs = 0x0409, kRussian = 0x0419;
    const std::string word = "ghbdtnrfrltkfvbhsdfq";
    std::string probe = word;
    if (!ConvertText(TConvertMode::Layout, probe, kUs, kRussian, calls)) state.SkipWithError("the word did not change");
    for (auto _ : state) {
        std::string text = word;
        benchmark::DoNotOptimize(ConvertText(TConvertMode::Layout, text, kUs, kRussian, calls));
        benchmark::DoNotOptimize(text.data());
    }
    win::SetACP(win::CodePage::Cp1252);
}
BENCHMARK(BM_ConvertWordLayout);

}  // namespace

BENCHMARK_MAIN();
