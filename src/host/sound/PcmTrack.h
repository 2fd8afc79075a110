// Turning wave images and tones into 16-bit mono samples at one rate.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/sound/WaveFormat.h"

namespace skrivo::host {

// The wave's samples, mixed down to mono and resampled (nearest sample) to rate.
std::vector<std::int16_t> WaveToMono(const WaveInfo& wave, int rate);

// A square wave of the frequency (silence for 0), as a PC speaker beeps.
std::vector<std::int16_t> ToneSamples(unsigned frequency, unsigned durationMs, int rate);

// A RIFF WAVE image of 16-bit mono samples.
std::string MonoWaveImage(const std::vector<std::int16_t>& samples, int rate);

}  // namespace skrivo::host
