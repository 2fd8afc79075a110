// Sound through ALSA's default device, played on a thread of its own so the IDE never waits for it.
#include "host/sound/AlsaSound.h"

#include "host/sound/NullSound.h"

#ifdef SKRIVO_HAVE_ALSA
#include <alsa/asoundlib.h>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "host/sound/PcmTrack.h"
#include "host/sound/WaveFormat.h"
#endif

namespace skrivo::host {

#ifdef SKRIVO_HAVE_ALSA
namespace {

constexpr int kRate = 22050;

void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}
constexpr snd_pcm_uframes_t kChunk = 512;  // about 23 ms: how quickly a stop is heard

// One player thread owns the PCM handle. Waves replace each other (a new
// wave cuts the one playing); tones queue behind each other and play after
// the current wave is cut, as the speaker's beep would.
class AlsaSoundDevice final : public ISoundDevice {
public:
    explicit AlsaSoundDevice(snd_pcm_t* pcm) : pcm_(pcm), thread_([this] { Run(); }) {}
    ~AlsaSoundDevice() override {
        {
            std::lock_guard lock(mutex_);
            quit_ = true;
        }
        wake_.notify_all();
        thread_.join();
        snd_pcm_close(pcm_);
    }

    bool PlayWave(std::string_view wavBytes, bool noStop) override {
        const auto info = ReadWaveInfo(wavBytes);
        if (!info) return false;
        std::vector<std::int16_t> samples = WaveToMono(*info, kRate);
        std::lock_guard lock(mutex_);
        if (noStop && playing_) return false;
        queue_.clear();
        queue_.push_back(std::move(samples));
        cut_ = true;
        playing_ = true;
        wake_.notify_all();
        return true;
    }

    void StopWave() override {
        std::lock_guard lock(mutex_);
        queue_.clear();
        cut_ = true;
        wake_.notify_all();
    }

    void Tone(unsigned frequency, unsigned durationMs) override {
        std::vector<std::int16_t> samples = ToneSamples(frequency, durationMs, kRate);
        std::lock_guard lock(mutex_);
        queue_.push_back(std::move(samples));
        playing_ = true;
        wake_.notify_all();
    }

private:
    void Run() {
        for (;;) {
            std::vector<std::int16_t> samples;
            {
                std::unique_lock lock(mutex_);
                wake_.wait(lock, [this] { return quit_ || !queue_.empty(); });
                if (quit_) return;
                samples = std::move(queue_.front());
                queue_.pop_front();
                cut_ = false;
            }
            Play(samples);
            std::lock_guard lock(mutex_);
            if (queue_.empty()) playing_ = false;
        }
    }

    void Play(const std::vector<std::int16_t>& samples) {
        snd_pcm_prepare(pcm_);
        for (std::size_t at = 0; at < samples.size();) {
            {
                std::lock_guard lock(mutex_);
                if (cut_ || quit_) {
                    snd_pcm_drop(pcm_);
                    return;
                }
            }
            const auto frames = static_cast<snd_pcm_uframes_t>(std::min<std::size_t>(kChunk, samples.size() - at));
            snd_pcm_sframes_t written = snd_pcm_writei(pcm_, samples.data() + at, frames);
            if (written < 0) written = snd_pcm_recover(pcm_, static_cast<int>(written), 1);
            if (written < 0) return;  // the device went away: this sound is lost, the IDE goes on
            at += static_cast<std::size_t>(written);
        }
        snd_pcm_drain(pcm_);
    }

    snd_pcm_t* pcm_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::vector<std::int16_t>> queue_;
    bool cut_ = false;
    bool quit_ = false;
    bool playing_ = false;
    std::thread thread_;
};

}  // namespace
#endif

std::unique_ptr<ISoundDevice> CreateSystemSoundDevice() {
#ifdef SKRIVO_HAVE_ALSA
    // A machine without a sound card is normal here (CI, servers): no chatter.
    snd_lib_error_set_handler(&IgnoreAlsaError);
    snd_pcm_t* pcm = nullptr;
    if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) == 0) {
        snd_pcm_nonblock(pcm, 0);
        if (snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED, 1, kRate, 1, 100000) == 0)
            return std::make_unique<AlsaSoundDevice>(pcm);
        snd_pcm_close(pcm);
    }
#endif
    return std::make_unique<NullSoundDevice>();
}

}  // namespace skrivo::host
