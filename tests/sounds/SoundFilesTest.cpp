// Beep files, sound schemes and loading the configured sounds, without a host.
#include <gtest/gtest.h>

#include <filesystem>

#include "config/TempHome.h"
#include "platform/FileIO.h"
#include "sounds/BeepFile.h"
#include "sounds/SoundBank.h"
#include "sounds/SoundScheme.h"

namespace skrivo {
namespace {

namespace fs = std::filesystem;

struct BeepCase {
    const char* text;
    std::vector<std::int32_t> notes;
    int badLine;
};

class BeepFileTest : public ::testing::TestWithParam<BeepCase> {};

TEST_P(BeepFileTest, ReadsOneIntegerALine) {
    const BeepFileContent content = ParseBeepFile(GetParam().text);
    EXPECT_EQ(content.notes, GetParam().notes);
    EXPECT_EQ(content.badLine, GetParam().badLine);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BeepFileTest,
    ::testing::Values(BeepCase{"440\r\n100\r\n0\r\n50\r\n880", {440, 100, 0, 50, 880}, 0},
                      BeepCase{"  440 \n\n\t100\r\n", {440, 100}, 0},     // blanks trimmed, empty lines skipped
                      BeepCase{"+5\n-7", {5, -7}, 0},
                      BeepCase{"440\n100\nloud\n50", {}, 3},              // not an integer: nothing plays
                      BeepCase{"440\n1e3", {}, 2},
                      BeepCase{"99999999999", {}, 1},                      // beyond 32 bits
                      BeepCase{"", {}, 0}));

TEST(SoundSchemeTest, FiveLinesSetTheFirstFourEventsAndKeepTheRest) {
    testing::TempHome home;
    const std::string folder = home.Path();
    WriteFileAtomic(folder + "/a.wav", "x");
    WriteFileAtomic(folder + "/b.bip", "440\r\n10");
    WriteFileAtomic(folder + "/five.ss", std::string(kSoundSchemeHeader) + "\r\na.wav\r\n\r\nmissing.wav\r\n" +
                                             folder + "/b.bip\r\n");
    SoundPaths paths;
    for (std::size_t i = 0; i < paths.size(); ++i) paths[i] = "old" + std::to_string(i);
    ReadSoundScheme(folder, "five", folder, paths);
    EXPECT_EQ(paths[0], "a.wav");
    EXPECT_EQ(paths[1], "");
    EXPECT_EQ(paths[2], "");  // names a file that does not exist
    EXPECT_EQ(paths[3], folder + "/b.bip");
    for (std::size_t i = 4; i < paths.size(); ++i) EXPECT_EQ(paths[i], "old" + std::to_string(i));

    ReadSoundScheme(folder, "absent", folder, paths);
    for (const std::string& path : paths) EXPECT_EQ(path, "");
}

TEST(SoundSchemeTest, WrittenSchemesAreFoundAndReadBack) {
    testing::TempHome home;
    const std::string folder = home.Path();
    WriteFileAtomic(folder + "/beep.bip", "440\r\n10");
    SoundPaths written;
    written[11] = folder + "/beep.bip";
    WriteSoundScheme(folder + "/Quiet.ss", written);
    std::string expected = std::string(kSoundSchemeHeader) + "\r\n";
    for (int unassigned = 0; unassigned < 11; ++unassigned) expected += "\r\n";
    EXPECT_EQ(ReadFileBytes(folder + "/Quiet.ss"), expected + folder + "/beep.bip\r\n");
    WriteFileAtomic(folder + "/empty.ss", "");
    WriteFileAtomic(folder + "/foreign.ss", "skrivo expert - sound scheme file (do not alter this line)\r\n");
    WriteFileAtomic(folder + "/huge.ss", std::string(kSoundSchemeHeader) + std::string(kMaxSoundSchemeBytes, '\n'));
    EXPECT_EQ(ScanSoundSchemes(folder), std::vector<std::string>{"Quiet"});
    SoundPaths read;
    ReadSoundScheme(folder, "Quiet", folder, read);
    EXPECT_EQ(read, written);
}

TEST(SoundBankTest, LoadsWavesByExtensionInAnyCaseAndMelodiesFromTheRest) {
    testing::TempHome home;
    const std::string folder = home.Path();
    fs::create_directories(folder + "/sounds");
    WriteFileAtomic(folder + "/sounds/Click.WAV", "RIFF-bytes");
    WriteFileAtomic(folder + "/tune.txt", "440\r\n100");
    WriteFileAtomic(folder + "/broken.bip", "440\r\nloud\r\n");
    WriteFileAtomic(folder + "/empty.wav", "");
    SoundPaths paths;
    paths[seAppear] = "sounds/Click.WAV";  // relative: inside the home
    paths[seReplaced] = folder + "/tune.txt";
    paths[seRestored] = "broken.bip";
    paths[seEscape] = "empty.wav";
    paths[seCarriage] = "nowhere.wav";
    TSoundBank bank;
    bank.ReLoad(paths, folder);
    EXPECT_EQ(bank.Sound(seAppear).wave, "RIFF-bytes");
    EXPECT_EQ(bank.Sound(seReplaced).melody, (std::vector<std::int32_t>{440, 100}));
    EXPECT_TRUE(bank.Sound(seReplaced).wave.empty());
    // A broken beep file, an empty wave and a missing file leave only their events silent.
    for (int silent : {seRestored, seEscape, seCarriage}) {
        EXPECT_TRUE(bank.Sound(silent).wave.empty()) << silent;
        EXPECT_TRUE(bank.Sound(silent).melody.empty()) << silent;
    }

    paths[seAppear].clear();
    bank.ReLoad(paths, folder);
    EXPECT_FALSE(bank.HasWave(seAppear));
}

TEST(SoundPathTest, RelativePathsAreInsideTheHome) {
    EXPECT_EQ(ResolveSoundPath("a/b.wav", "/home/u/skrivo"), "/home/u/skrivo/a/b.wav");
    EXPECT_EQ(ResolveSoundPath("/abs/b.wav", "/home/u/skrivo"), "/abs/b.wav");
    EXPECT_EQ(ResolveSoundPath("", "/home/u/skrivo"), "");
}

}  // namespace
}  // namespace skrivo
