// A process killed at any moment of a configuration save leaves one whole save behind, never a mix of two.
//
// The bounded form runs in every test run; SKRIVO_KILL_TRIALS gives the long
// form (the "long" CTest label).
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "TempHome.h"
#include "config/ConfigStore.h"

namespace skrivo {
namespace {

std::string Tagged(const char* what, int save, std::size_t i) {
    return what + std::to_string(save) + "_" + std::to_string(i);
}

// Save number `save`: every list's length and every entry name the save, so
// entries of two saves cannot pass for one.
void Fill(TExpertConfig& cfg, int save) {
    cfg.DictionaryLimit = 1000 + save;
    cfg.WordsList.Clear();
    for (int i = 0; i < 3 + save % 7; ++i) cfg.WordsList.Add(Tagged("w", save, i));
    cfg.SubstList.Clear();
    for (int i = 0; i < 2 + save % 5; ++i) {
        cfg.SubstList.Add(Tagged("from", save, i));
        cfg.SubstList.Add(Tagged("to", save, i));
    }
    cfg.MacroList.Clear();
    for (int i = 0; i < 1 + save % 3; ++i) {
        TMacro& m = cfg.MacroList.Add(std::make_unique<TMacro>());
        m.SetName(Tagged("m", save, i));
        m.SetShtcut(static_cast<std::uint16_t>(save));
    }
}

// Empty when the stored state is one whole save (or none), else what is mixed.
std::string Mixed(const TExpertConfig& cfg) {
    const int save = cfg.DictionaryLimit - 1000;
    if (save < 0) return cfg.SubstList.Count() == 0 || cfg.SubstList[0].rfind("from", 0) != 0 ? "" : "lists without save";
    TExpertConfig expected;
    Fill(expected, save);
    if (cfg.WordsList.Lines() != expected.WordsList.Lines()) return "words of another save in save " + std::to_string(save);
    if (cfg.SubstList.Lines() != expected.SubstList.Lines())
        return "substitutions of another save in save " + std::to_string(save);
    if (cfg.MacroList.Count() != expected.MacroList.Count()) return "macro count of another save";
    for (std::size_t i = 0; i < cfg.MacroList.Count(); ++i)
        if (cfg.MacroList[i].FName != expected.MacroList[i].FName ||
            cfg.MacroList[i].FShtcut != static_cast<std::uint16_t>(save))
            return "macro of another save";
    return "";
}

TEST(KillDuringSave, EveryStateReadBackIsOneWholeSave) {
    testing::TempHome home;
    const char* env = std::getenv("SKRIVO_KILL_TRIALS");
    const int trials = env && std::atoi(env) > 0 ? std::atoi(env) : 15;
    std::mt19937 rng(17);
    int mixed = 0;
    for (int t = 0; t < trials; ++t) {
        const int first = 1 + t * 1000;
        pid_t child = ::fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            try {
                ConfigStore store;
                for (int save = first;; ++save) {
                    Fill(*store.GetCfg(), save);
                    store.LoadSaveConfig(true, "");
                }
            } catch (...) {
            }
            ::_exit(1);
        }
        ::usleep(2000 + rng() % 40000);
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving process stopped by itself in trial " << t;

        ConfigStore reader;
        reader.GetCfg()->DictionaryLimit = 999;  // "no save yet"
        reader.LoadSaveConfig(false, "");
        const std::string problem = Mixed(*reader.GetCfg());
        if (!problem.empty()) ++mixed;
        EXPECT_EQ(problem, "") << "trial " << t;
    }
    std::printf("kills during saves: %d, mixed states: %d\n", trials, mixed);
}

}  // namespace
}  // namespace skrivo
