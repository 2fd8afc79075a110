// Playing the events' sounds on the offscreen host: what the WAV-file device would let a user hear.
#include <gtest/gtest.h>

#include "host/sound/PcmTrack.h"
#include "host/sound/WavFileSound.h"
#include "host/testing/OffscreenHost.h"
#include "platform/FileIO.h"
#include "sounds/SoundPlayer.h"

namespace skrivo {
namespace {

using host::WavFileSoundDevice;
constexpr int kRate = WavFileSoundDevice::kRate;

std::size_t Samples(int ms) { return static_cast<std::size_t>(ms) * kRate / 1000; }

// Sign changes in [from, to): a square tone of f Hz makes 2 f a second.
int ZeroCrossings(const std::vector<std::int16_t>& s, std::size_t from, std::size_t to) {
    int crossings = 0;
    for (std::size_t i = from + 1; i < to && i < s.size(); ++i)
        if ((s[i - 1] < 0) != (s[i] < 0)) ++crossings;
    return crossings;
}

bool Silent(const std::vector<std::int16_t>& s, std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to && i < s.size(); ++i)
        if (s[i] != 0) return false;
    return true;
}

class SoundPlayerTest : public ::testing::Test {
protected:
    SoundPlayerTest() : host_(Options()) {}

    host::HostOptions Options() {
        host::HostOptions options = host::testing::OffscreenHost::DefaultOptions();
        auto device = std::make_unique<WavFileSoundDevice>(temp_.File("heard.wav"));
        device_ = device.get();
        options.sound = std::move(device);
        return options;
    }

    // Assigns the files (name, content) to events 0, 1, ... and loads them.
    void Load(const std::vector<std::pair<std::string, std::string>>& files) {
        SoundPaths paths;
        for (std::size_t i = 0; i < files.size(); ++i) paths[i] = temp_.Write(files[i].first, files[i].second);
        player_.ReLoadSounds(paths, host_.Home());
    }

    std::string Wave(int ms, std::int16_t level) {
        return host::MonoWaveImage(std::vector<std::int16_t>(Samples(ms), level), kRate);
    }

    host::testing::TempDir temp_;
    WavFileSoundDevice* device_ = nullptr;
    host::testing::OffscreenHost host_;
    TSoundPlayer player_;
};

TEST_F(SoundPlayerTest, BeepFileSoundsItsTonesAndSilencesAndIgnoresAnOddLastNumber) {
    Load({{"tune.bip", "440\r\n100\r\n0\r\n50\r\n880\r\n"}});
    player_.DoPlaySnd(0);
    host_.Advance(149);
    const auto heard = device_->Mix();
    ASSERT_EQ(heard.size(), Samples(100));
    EXPECT_NEAR(ZeroCrossings(heard, 0, heard.size()), 88, 2);
    host_.Advance(1000);
    EXPECT_EQ(device_->Mix().size(), Samples(100));  // the 50 ms rest, then nothing for the lone 880
    const auto played = player_.TakePlayed();
    ASSERT_EQ(played.size(), 1u);
    EXPECT_EQ(played[0].notes, (std::vector<std::int32_t>{440, 100, 0, 50, 880}));
}

TEST_F(SoundPlayerTest, RestSeparatesTonesByItsDuration) {
    Load({{"tune.bip", "1000\r\n100\r\n0\r\n50\r\n500\r\n40"}});
    player_.DoPlaySnd(0);
    host_.Advance(300);
    const auto heard = device_->Mix();
    ASSERT_EQ(heard.size(), Samples(190));
    EXPECT_NEAR(ZeroCrossings(heard, 0, Samples(100)), 200, 2);
    EXPECT_TRUE(Silent(heard, Samples(100), Samples(150)));
    EXPECT_NEAR(ZeroCrossings(heard, Samples(150), Samples(190)), 40, 2);
}

TEST_F(SoundPlayerTest, NewMelodyStartsFromItsBeginningAndTheOldOneDoesNotResume) {
    Load({{"long.bip", "1000\r\n100\r\n1000\r\n100"}, {"short.bip", "500\r\n100"}});
    player_.DoPlaySnd(0);
    host_.Advance(50);
    player_.DoPlaySnd(1);
    host_.Advance(1000);
    const auto heard = device_->Mix();
    ASSERT_EQ(heard.size(), Samples(150));
    EXPECT_NEAR(ZeroCrossings(heard, 0, Samples(50)), 100, 2);
    EXPECT_NEAR(ZeroCrossings(heard, Samples(50), Samples(150)), 100, 2);
}

TEST_F(SoundPlayerTest, SingleNumberAndUnassignedEventsPlayNothing) {
    Load({{"one.bip", "440"}});
    player_.DoPlaySnd(0);
    player_.DoPlaySnd(5);
    player_.DoPlaySnd(99);  // no such event
    host_.Advance(500);
    EXPECT_TRUE(device_->Mix().empty());
    EXPECT_TRUE(player_.TakePlayed().empty());
}

TEST_F(SoundPlayerTest, WaveCutsOffTheWavePlaying) {
    Load({{"a.wav", Wave(300, 1000)}, {"b.WAV", Wave(100, 2000)}});
    player_.DoPlaySnd(0);
    host_.Advance(50);
    player_.DoPlaySnd(1);
    host_.Advance(500);
    const auto heard = device_->Mix();
    EXPECT_EQ(heard[Samples(25)], 1000);
    EXPECT_EQ(heard[Samples(75)], 2000);
    EXPECT_TRUE(Silent(heard, Samples(151), Samples(300)));
    EXPECT_EQ(player_.TakePlayed().size(), 2u);
}

TEST_F(SoundPlayerTest, ClearingASoundSilencesItAtOnce) {
    Load({{"a.wav", Wave(50, 1000)}, {"tune.bip", "440\r\n50"}});
    player_.ReLoadSounds(SoundPaths{}, host_.Home());
    player_.DoPlaySnd(0);
    player_.DoPlaySnd(1);
    host_.Advance(200);
    EXPECT_TRUE(device_->Mix().empty());
}

}  // namespace
}  // namespace skrivo
