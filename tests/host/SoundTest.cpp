// Sound devices: reading wave images, the recording null device, the WAV-file device's time line.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "host/sound/AlsaSound.h"
#include "host/sound/NullSound.h"
#include "host/sound/PcmTrack.h"
#include "host/sound/WavFileSound.h"
#include "host/sound/WaveFormat.h"
#include "host/services/WindowsServices.h"
#include "host/testing/OffscreenHost.h"
#include "platform/FileIO.h"

namespace skrivo::host {
namespace {

using testing::OffscreenHost;

// A constant-valued 16-bit mono wave of the given length.
std::string Wave(int rate, int ms, std::int16_t value) {
    std::vector<std::int16_t> samples(static_cast<std::size_t>(rate * ms / 1000), value);
    return MonoWaveImage(samples, rate);
}

TEST(WaveFormatTest, ReadsPcmAndRefusesWhatItCannotPlay) {
    const std::string good = Wave(11025, 200, 100);
    const auto info = ReadWaveInfo(good);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->channels, 1);
    EXPECT_EQ(info->sampleRate, 11025);
    EXPECT_EQ(info->DurationMs(), 200u);
    EXPECT_FALSE(ReadWaveInfo("RIFF"));
    EXPECT_FALSE(ReadWaveInfo(std::string(100, 'x')));
    std::string compressed = good;
    compressed[20] = 2;  // format tag 2: ADPCM
    EXPECT_FALSE(ReadWaveInfo(compressed));
    // A data chunk cut short plays what there is.
    const auto cut = ReadWaveInfo(good.substr(0, good.size() - 100));
    ASSERT_TRUE(cut);
    EXPECT_LT(cut->data.size(), info->data.size());
}

TEST(WaveFormatTest, StereoAndEightBitMixDownToMonoAtTheTargetRate) {
    // 8-bit stereo at 11025 Hz, left 0xC0, right 0x40: mixes to silence.
    std::string image = MonoWaveImage({}, 11025);
    image[22] = 2;                          // channels
    image[28] = static_cast<char>(0x22);    // byte rate 22050
    image[29] = static_cast<char>(0x56);
    image[32] = 2;                          // block align
    image[34] = 8;                          // bits
    std::string data;
    for (int i = 0; i < 100; ++i) data += "\xC0\x40";
    image.replace(40, 4, std::string("\xC8\x00\x00\x00", 4));
    image += data;
    const auto info = ReadWaveInfo(image);
    ASSERT_TRUE(info);
    const auto mono = WaveToMono(*info, 22050);
    ASSERT_EQ(mono.size(), 200u);
    EXPECT_EQ(mono[0], 0);
}

TEST(NullSoundTest, NoStopRefusesWhileAWavePlaysOnTheHostClock) {
    OffscreenHost host;
    NullSoundDevice& sound = *host.Sound();
    EXPECT_TRUE(sound.PlayWave(Wave(8000, 300, 1), false));
    host.Advance(100);
    EXPECT_FALSE(sound.PlayWave(Wave(8000, 100, 2), true));
    EXPECT_TRUE(sound.PlayWave(Wave(8000, 100, 3), false));
    host.Advance(150);
    EXPECT_TRUE(sound.PlayWave(Wave(8000, 100, 4), true));
    EXPECT_FALSE(sound.PlayWave("garbage", false));
    host->Windows().Beep(440, 50);
    host->Windows().MessageBeep();
    const auto& requests = sound.Requests();
    ASSERT_EQ(requests.size(), 7u);
    EXPECT_FALSE(requests[1].accepted);
    EXPECT_TRUE(requests[3].accepted);
    EXPECT_EQ(requests[5].frequency, 440u);
    EXPECT_EQ(requests[6].kind, NullSoundDevice::Request::Kind::Tone);
    EXPECT_EQ(host->WindowsImpl().MessageBeepCount(), 1);
}

TEST(WavFileSoundTest, WritesWhatWouldBeHeardOnTheClocksTimeLine) {
    OffscreenHost host;
    const std::string path = host.Temp().File("heard.wav");
    constexpr int rate = WavFileSoundDevice::kRate;
    {
        WavFileSoundDevice device(path);
        ASSERT_TRUE(device.PlayWave(Wave(rate, 200, 1000), false));  // t = 0
        host.Advance(50);
        EXPECT_FALSE(device.PlayWave(Wave(rate, 100, 2000), true));   // still playing: refused
        host.Advance(50);
        ASSERT_TRUE(device.PlayWave(Wave(rate, 100, 3000), false));  // t = 100 cuts the first
        host.Advance(150);
        device.Tone(0, 10);                                          // silence is heard as silence
        host.Advance(50);
        device.Tone(1000, 100);                                      // t = 300
        host.Advance(10);
        device.StopWave();
    }
    const auto info = ReadWaveInfo(ReadFileBytes(path));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->DurationMs(), 400u);
    const auto heard = WaveToMono(*info, rate);
    auto at = [&](int ms) { return heard[static_cast<std::size_t>(ms * rate / 1000)]; };
    EXPECT_EQ(at(50), 1000);
    EXPECT_EQ(at(150), 3000);
    EXPECT_EQ(at(250), 0);
    EXPECT_NE(at(350), 0);
}

TEST(SystemSoundTest, AlwaysGivesADevice) {
    auto device = CreateSystemSoundDevice();
    ASSERT_NE(device, nullptr);
    device->StopWave();
}

}  // namespace
}  // namespace skrivo::host
