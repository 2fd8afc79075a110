// The keystroke recorder and player: key messages that reach their window, recorded and replayed through the pump.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/api/KeyboardServices.h"
#include "platform/WinTypes.h"

namespace skrivo::host {

class MessagePump;
class KeystrokeRecorder;

struct Keystroke {
    win::UINT message = 0;  // WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP
    win::WORD vk = 0;
    win::LPARAM lParam = 0;
    friend bool operator==(const Keystroke&, const Keystroke&) = default;
};

// One recording. Byte format: "SKRVKEYS", a 16-bit version (1), a 32-bit
// count, then per keystroke the 16-bit message, the 16-bit virtual key and
// the 32-bit lParam, all little-endian. Anything else is refused whole.
class KeyRecording final : public IRecord {
public:
    explicit KeyRecording(KeystrokeRecorder& owner) : owner_(owner) {}
    bool IsPlaying() override;
    bool IsRecording() override;
    void Clear() override { keys_.clear(); }
    void WriteToStream(std::string& out) override;
    bool ReadFromStream(std::string_view bytes) override;

    std::vector<Keystroke>& Keys() { return keys_; }
    const std::vector<Keystroke>& Keys() const { return keys_; }

private:
    KeystrokeRecorder& owner_;
    std::vector<Keystroke> keys_;
};

class KeystrokeRecorder final : public IKeyboardServices {
public:
    // afterKey runs after each replayed key (the host delivers what the key posted).
    KeystrokeRecorder(MessagePump& pump, std::function<void()> afterKey);
    KeystrokeRecorder(const KeystrokeRecorder&) = delete;
    KeystrokeRecorder& operator=(const KeystrokeRecorder&) = delete;

    IRecord* CurrentRecord() override { return &record_; }
    IRecord* CurrentPlayback() override { return &playback_; }
    void ToggleRecording() override;
    void ResumePlayback() override;

    bool Recording() const { return recording_; }
    bool Playing() const { return playing_; }
    // A key message passed every hook on its way to its window.
    void KeyPassed(const win::TMsg& msg);

private:
    void StopRecording();

    MessagePump& pump_;
    std::function<void()> afterKey_;
    KeyRecording record_{*this};
    KeyRecording playback_{*this};
    std::vector<win::WORD> down_;  // keys whose key-down is in the recording and not yet released
    bool recording_ = false;
    bool playing_ = false;
};

}  // namespace skrivo::host
