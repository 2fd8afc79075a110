// Test support: a fresh dictionary folder on a manual clock, and file helpers.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"
#include "platform/StringList.h"

namespace skrivo::test {

// A string list holding these lines.
inline StringList ListOf(const std::vector<std::string>& words) {
    StringList l;
    l.Lines() = words;
    return l;
}

// Random numbers and words over an alphabet from a fixed seed, as the
// random comparisons with the plain walk draw their lists and requests.
class RandomWords {
public:
    RandomWords(unsigned seed, std::string alphabet) : rng_(seed), alphabet_(std::move(alphabet)) {}
    // Below n.
    std::uint32_t Next(std::uint32_t n) { return static_cast<std::uint32_t>(rng_() % n); }
    // One to maxLen characters of the alphabet.
    std::string Word(std::size_t maxLen) {
        std::string w;
        for (std::size_t i = 0, len = 1 + Next(static_cast<std::uint32_t>(maxLen)); i < len; ++i)
            w += alphabet_[Next(static_cast<std::uint32_t>(alphabet_.size()))];
        return w;
    }

private:
    std::mt19937 rng_;
    std::string alphabet_;
};

// Every test gets its own folder (also the Skrivo home) and a manual clock, so
// file times are the clock's and nothing leaks between tests.
class DictionaryFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/skrivo-completion-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        root_ = pattern;
        folder = root_ + "/";
        ::setenv("SKRIVO_HOME", root_.c_str(), 1);
        SetSystemClock(&clock);
        win::SetACP(win::CodePage::Cp1252);
    }
    void TearDown() override {
        SetSystemClock(nullptr);
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }

    std::string PathOf(const std::string& name) const { return folder + name; }
    void WriteFile(const std::string& name, const std::string& bytes) { WriteFileAtomic(PathOf(name), bytes); }
    std::string ReadFile(const std::string& name) const { return ReadFileBytes(PathOf(name)); }
    std::vector<std::string> FileLines(const std::string& name) const {
        StringList l;
        l.LoadFromFile(PathOf(name));
        return l.Lines();
    }

    ManualClock clock;
    std::string folder;

private:
    std::string root_;
};

inline std::vector<std::string> Lines(const StringList& l) { return l.Lines(); }

}  // namespace skrivo::test
