// Two IDE instances sharing one dictionary folder: no word learnt by either may be lost.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "completion/FixedDictionary.h"
#include "completion/SelfTeachingDictionary.h"
#include "completion/CompletionTestSupport.h"

namespace skrivo {
namespace {

using Words = std::vector<std::string>;

// One instance: its dictionary, its fixed dictionary and its two options.
struct Instance {
    SelfTeachingDictionary dict;
    FixedDictionary fixed;
    bool autoMerge = true;
    bool confirmation = false;

    void Start(const std::string& folder) { dict.LoadAtStart(folder); }
    void Learn(const std::string& word) { dict.Collect(word, {true, 1000000}); }
    SaveResult Save(const std::string& folder) { return dict.SaveDictionary(folder, autoMerge); }
    CheckResult Check(const std::string& folder) {
        return dict.CheckDicChanged(folder, {autoMerge, confirmation}, {}, fixed);
    }
};

class TwoInstances : public test::DictionaryFolderTest {
protected:
    void SetUp() override {
        test::DictionaryFolderTest::SetUp();
        WriteFile("Skrivo.dic", "w0\r\n");
        clock.Advance(1000);
        a.Start(folder);
        b.Start(folder);
    }
    // What the next IDE start would find.
    std::set<std::string> OnDisk() {
        Instance next;
        next.Start(folder);
        return {next.dict.Entries().Lines().begin(), next.dict.Entries().Lines().end()};
    }

    Instance a, b;
};

TEST_F(TwoInstances, SaveBeforeTheOthersCheckTakesItsWordsIn) {
    a.Learn("alpha");
    clock.Advance(300);
    a.Save(folder);
    b.Learn("beta");
    clock.Advance(300);
    // B saves before its next check could merge A's word.
    EXPECT_EQ(b.Save(folder).takenIn, 1u);
    EXPECT_EQ(FileLines("Skrivo.dic"), (Words{"alpha", "beta", "w0"}));

    clock.Advance(750);
    a.Check(folder);
    b.Check(folder);
    EXPECT_EQ(a.Save(folder).outcome, SaveOutcome::NothingToSave);
    EXPECT_EQ(b.Save(folder).outcome, SaveOutcome::NothingToSave);
    EXPECT_EQ(OnDisk(), (std::set<std::string>{"alpha", "beta", "w0"}));
}

TEST_F(TwoInstances, SavesInTheSameMillisecondLoseNothing) {
    // Equal file times hide the other's write from the time comparison; the
    // save still sees that the file is not what it last wrote.
    a.Learn("alpha");
    a.Save(folder);
    b.Learn("beta");
    b.Save(folder);
    EXPECT_EQ(a.Check(folder).dictionary, DictionaryCheck::NotNewer);
    a.Learn("gamma");
    EXPECT_EQ(a.Save(folder).takenIn, 1u);
    EXPECT_EQ(OnDisk(), (std::set<std::string>{"alpha", "beta", "gamma", "w0"}));
}

TEST_F(TwoInstances, OwnSavesAreNotTakenInAgain) {
    a.Learn("alpha");
    a.Save(folder);
    a.Learn("beta");
    clock.Advance(100);
    EXPECT_EQ(a.Save(folder).takenIn, 0u);
    EXPECT_EQ(FileLines("Skrivo.dic"), (Words{"beta", "alpha", "w0"}));
}

TEST_F(TwoInstances, WordsDroppedByTheLimitDoNotComeBackFromOwnFile) {
    for (const char* w : {"x1", "x2", "x3"}) a.dict.Collect(w, {true, 3});
    a.Save(folder);
    a.dict.Collect("x4", {true, 3});
    clock.Advance(100);
    a.Save(folder);
    EXPECT_EQ(FileLines("Skrivo.dic"), (Words{"x4", "x3", "x2"}));
}

TEST_F(TwoInstances, DeclinedMergeIsRespectedBySaves) {
    b.confirmation = true;
    a.Learn("alpha");
    clock.Advance(300);
    a.Save(folder);
    clock.Advance(300);
    DictionaryMergeHooks no;
    no.confirm = [] { return MergeConfirmAnswer{false, false}; };
    EXPECT_EQ(b.dict.CheckDicChanged(folder, {b.autoMerge, b.confirmation}, no, b.fixed).dictionary,
              DictionaryCheck::Declined);
    b.Learn("beta");
    EXPECT_EQ(b.Save(folder).takenIn, 0u);
    EXPECT_EQ(FileLines("Skrivo.dic"), (Words{"beta", "w0"}));
}

TEST_F(TwoInstances, WithMergingOffTheLaterSaveWritesItsOwnDictionary) {
    // Without automatic merging an instance never takes in another's words.
    b.autoMerge = false;
    a.Learn("alpha");
    a.Save(folder);
    b.Learn("beta");
    clock.Advance(300);
    EXPECT_EQ(b.Save(folder).takenIn, 0u);
    EXPECT_EQ(FileLines("Skrivo.dic"), (Words{"beta", "w0"}));
}

// The window between reading the file and replacing it: B saving inside A's
// window would be overwritten by A's rename. With the lock B cannot write
// there; its words reach the file with its next save.
TEST_F(TwoInstances, SaveInsideAnothersWindowWaitsForIt) {
    a.Learn("alpha");
    b.Learn("beta");
    std::optional<SaveResult> inside;
    a.dict.SetSaveWindowHook([&] { inside = b.Save(folder); });
    EXPECT_EQ(a.Save(folder).outcome, SaveOutcome::Written);
    ASSERT_TRUE(inside);
    EXPECT_EQ(inside->outcome, SaveOutcome::Deferred);
    EXPECT_TRUE(b.dict.DictModified());
    clock.Advance(100);
    EXPECT_EQ(b.Save(folder).outcome, SaveOutcome::Written);
    EXPECT_EQ(OnDisk(), (std::set<std::string>{"alpha", "beta", "w0"}));
}

TEST_F(TwoInstances, InterleavedLearningSavingAndCheckingLoseNoWord) {
    for (unsigned seed = 1; seed <= 16; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const std::string shared = folder + "run" + std::to_string(seed) + "/";
        ForceDirectories(shared);
        WriteFileAtomic(shared + "Skrivo.dic", "w0\r\n");
        Instance first, second;
        first.Start(shared);
        second.Start(shared);
        Instance* both[] = {&first, &second};

        std::mt19937 rng(seed);
        std::set<std::string> learnt{"w0"};
        for (int step = 0; step < 100; ++step) {
            Instance& who = *both[rng() % 2];
            switch (rng() % 6) {
                case 0:
                case 1: {
                    const std::string word = "w" + std::to_string(step);
                    who.Learn(word);
                    learnt.insert(word);
                    break;
                }
                case 2: {
                    // Using an older word again moves it to the top.
                    const auto& entries = who.dict.Entries();
                    if (!entries.Empty()) who.Learn(entries[rng() % entries.Count()]);
                    break;
                }
                case 3: who.Save(shared); break;
                case 4: who.Check(shared); break;
                // Often no time at all passes, so file times cannot tell the writes apart.
                case 5: clock.Advance(rng() % 3 == 0 ? 0 : rng() % 1500); break;
            }
        }
        // Both IDEs close.
        first.Save(shared);
        second.Save(shared);
        Instance next;
        next.Start(shared);
        const auto& lines = next.dict.Entries().Lines();
        const std::set<std::string> onDisk(lines.begin(), lines.end());
        for (const std::string& w : learnt) EXPECT_TRUE(onDisk.contains(w)) << w << " was lost";
    }
}

}  // namespace
}  // namespace skrivo
