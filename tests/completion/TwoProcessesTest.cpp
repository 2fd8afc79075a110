// Two IDE processes saving one dictionary at the same moments: no word either learnt may be lost.
//
// The bounded form runs in every test run; SKRIVO_STRESS_TRIALS and
// SKRIVO_STRESS_ROUNDS give the long form (the "long" CTest label).
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "completion/CompletionTestSupport.h"
#include "completion/SelfTeachingDictionary.h"

namespace skrivo {
namespace {

int FromEnvironment(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return text && std::atoi(text) > 0 ? std::atoi(text) : fallback;
}

std::string Word(int process, int round, int k) {
    return "p" + std::to_string(process) + "r" + std::to_string(round) + "k" + std::to_string(k);
}

// One IDE: starts, learns wordsPerRound words per round and saves after each
// round (the last save is the one at close), all after the go signal.
[[noreturn]] void RunIde(int process, const std::string& folder, int rounds, int wordsPerRound, int goFd) {
    SetSystemClock(nullptr);
    char go;
    if (::read(goFd, &go, 1) != 1) ::_exit(3);
    try {
        SelfTeachingDictionary dict;
        dict.LoadAtStart(folder);
        for (int round = 0; round < rounds; ++round) {
            for (int k = 0; k < wordsPerRound; ++k) dict.Collect(Word(process, round, k), {true, 1000000});
            const bool last = round + 1 == rounds;
            const SaveResult r =
                dict.SaveDictionary(folder, true, last ? SaveOccasion::Closing : SaveOccasion::Running);
            if (last && r.outcome != SaveOutcome::Written) ::_exit(2);
        }
    } catch (...) {
        ::_exit(1);
    }
    ::_exit(0);
}

// Runs the two IDEs on a fresh folder; returns the number of words lost.
int Trial(const std::string& folder, int rounds, int wordsPerRound) {
    ForceDirectories(folder);
    WriteFileAtomic(folder + "Skrivo.dic", "w0\r\n");
    int go[2];
    if (::pipe(go) != 0) return -1;
    pid_t children[2];
    for (int p = 0; p < 2; ++p) {
        children[p] = ::fork();
        if (children[p] == 0) RunIde(p, folder, rounds, wordsPerRound, go[0]);
    }
    ::close(go[0]);
    // Both start at once: as at log-out, the saves meet.
    [[maybe_unused]] ssize_t n = ::write(go[1], "gg", 2);
    ::close(go[1]);
    for (pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    }
    StringList onDisk;
    onDisk.LoadFromFile(folder + "Skrivo.dic");
    const std::set<std::string> kept(onDisk.Lines().begin(), onDisk.Lines().end());
    int lost = kept.contains("w0") ? 0 : 1;
    for (int p = 0; p < 2; ++p)
        for (int round = 0; round < rounds; ++round)
            for (int k = 0; k < wordsPerRound; ++k) lost += kept.contains(Word(p, round, k)) ? 0 : 1;
    return lost;
}

class TwoProcesses : public test::DictionaryFolderTest {};

TEST_F(TwoProcesses, ClosingTogetherLosesNoWord) {
    const int trials = FromEnvironment("SKRIVO_STRESS_TRIALS", 20);
    int lost = 0;
    for (int t = 0; t < trials; ++t) {
        const int l = Trial(folder + "close" + std::to_string(t) + "/", 1, 20);
        ASSERT_GE(l, 0) << "an IDE process failed in trial " << t;
        lost += l;
    }
    std::printf("close together: %d trials, %d words lost\n", trials, lost);
    EXPECT_EQ(lost, 0);
}

TEST_F(TwoProcesses, InterleavedSavesLoseNoWord) {
    const int rounds = FromEnvironment("SKRIVO_STRESS_ROUNDS", 60);
    const int lost = Trial(folder + "interleaved/", rounds, 3);
    ASSERT_GE(lost, 0) << "an IDE process failed";
    std::printf("interleaved: 2 x %d saves, %d words, %d lost\n", rounds, 2 * rounds * 3, lost);
    EXPECT_EQ(lost, 0);
}

}  // namespace
}  // namespace skrivo
