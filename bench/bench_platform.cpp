// Benchmarks of the platform calls on the keystroke path and of the stores.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "platform/CodePage.h"
#include "platform/IniFile.h"
#include "platform/KeyboardLayout.h"
#include "platform/Registry.h"
#include "platform/ShortCut.h"
#include "platform/VirtualKeys.h"

namespace {

using namespace skrivo;
using namespace skrivo::win;

std::string ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "skrivo-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    return pattern;
}

std::vector<std::string> Words(std::size_t count) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> len(3, 14), letter(0, 51);
    std::vector<std::string> words;
    for (std::size_t i = 0; i < count; ++i) {
        std::string w;
        for (int j = len(rng); j > 0; --j) {
            int l = letter(rng);
            w += static_cast<char>(l < 26 ? 'a' + l : 'A' + l - 26);
        }
        words.push_back(std::move(w));
    }
    return words;
}

// One key press turned into its character, as the host does for every key.
void BM_ToAsciiEx(benchmark::State& state) {
    BYTE keys[256] = {};
    UINT vk = 'A';
    for (auto _ : state) {
        WORD out = 0;
        benchmark::DoNotOptimize(ToAsciiEx(vk, 0x1E, keys, &out, 0, HKL_US));
        vk = vk == 'Z' ? 'A' : vk + 1;
    }
}
BENCHMARK(BM_ToAsciiEx);

// One comparison of the suggestion list's sort order, over words of mixed case.
void BM_AnsiCompareText(benchmark::State& state) {
    const auto words = Words(1024);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(AnsiCompareText(words[i & 1023], words[(i + 1) & 1023]));
        ++i;
    }
}
BENCHMARK(BM_AnsiCompareText);

void BM_AnsiLowerCaseWord(benchmark::State& state) {
    const std::string word = "TSkrivoExpert.BeginUpdate";
    for (auto _ : state) benchmark::DoNotOptimize(AnsiLowerCase(word));
}
BENCHMARK(BM_AnsiLowerCaseWord);

void BM_ShortCutTextRoundTrip(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(TextToShortCut(ShortCutToText(0x40DB)));
}
BENCHMARK(BM_ShortCutTextRoundTrip);

// Saving the whole configuration: about 150 values, one transaction each.
void BM_RegistrySaveConfiguration(benchmark::State& state) {
    const std::string folder = ScratchFolder();
    Registry reg(folder + "/registry.db");
    reg.OpenKey("Software\\Quorvel\\Skrivo\\Delphi7", true);
    for (auto _ : state) {
        for (int i = 0; i < 150; ++i) reg.WriteInteger("Value" + std::to_string(i), i);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_RegistrySaveConfiguration)->Unit(benchmark::kMillisecond);

void BM_RegistryLoadConfiguration(benchmark::State& state) {
    const std::string folder = ScratchFolder();
    Registry reg(folder + "/registry.db");
    reg.OpenKey("Software\\Quorvel\\Skrivo\\Delphi7", true);
    for (int i = 0; i < 150; ++i) reg.WriteInteger("Value" + std::to_string(i), i);
    for (auto _ : state) {
        for (int i = 0; i < 150; ++i) {
            std::string name = "Value" + std::to_string(i);
            if (reg.ValueExists(name)) benchmark::DoNotOptimize(reg.ReadInteger(name));
        }
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_RegistryLoadConfiguration)->Unit(benchmark::kMillisecond);

// Writing the per-user configuration copy.
void BM_IniSaveConfiguration(benchmark::State& state) {
    const std::string folder = ScratchFolder();
    int round = 0;
    for (auto _ : state) {
        IniFile ini(folder + "/user.LastConfig.sk");
        ++round;  // new values each time, so every round really writes
        for (int i = 0; i < 150; ++i) ini.WriteInteger("Skrivo configuration", "Value" + std::to_string(i), i + round);
        ini.UpdateFile();
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_IniSaveConfiguration)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
