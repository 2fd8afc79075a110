// The keystroke recorder and player: key messages that reach their window, recorded and replayed through the pump.
#include "host/input/Recorder.h"

#include <algorithm>
#include <cstring>

#include "host/input/KeyState.h"
#include "host/input/MessagePump.h"
#include "platform/VirtualKeys.h"
#include "platform/ScopedValue.h"

namespace skrivo::host {

namespace {
constexpr char kMagic[8] = {'S', 'K', 'R', 'V', 'K', 'E', 'Y', 'S'};
constexpr std::uint16_t kVersion = 1;
constexpr std::size_t kHeaderSize = 8 + 2 + 4;
constexpr std::size_t kKeySize = 2 + 2 + 4;

void PutLE(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint32_t GetLE(std::string_view in, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) value |= static_cast<std::uint32_t>(static_cast<unsigned char>(in[at + static_cast<std::size_t>(i)])) << (8 * i);
    return value;
}

bool IsKeyStrokeMessage(win::UINT m) {
    return m == win::WM_KEYDOWN || m == win::WM_KEYUP || m == win::WM_SYSKEYDOWN || m == win::WM_SYSKEYUP;
}

bool IsDown(win::UINT m) { return m == win::WM_KEYDOWN || m == win::WM_SYSKEYDOWN; }

}  // namespace

bool KeyRecording::IsPlaying() { return owner_.Playing(); }
bool KeyRecording::IsRecording() { return owner_.Recording(); }

void KeyRecording::WriteToStream(std::string& out) {
    out.append(kMagic, sizeof kMagic);
    PutLE(out, kVersion, 2);
    PutLE(out, static_cast<std::uint32_t>(keys_.size()), 4);
    for (const Keystroke& k : keys_) {
        PutLE(out, k.message, 2);
        PutLE(out, k.vk, 2);
        PutLE(out, static_cast<std::uint32_t>(k.lParam), 4);
    }
}

bool KeyRecording::ReadFromStream(std::string_view bytes) {
    if (bytes.size() < kHeaderSize || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0) return false;
    if (GetLE(bytes, 8, 2) != kVersion) return false;
    const std::uint32_t count = GetLE(bytes, 10, 4);
    if ((bytes.size() - kHeaderSize) % kKeySize != 0 || (bytes.size() - kHeaderSize) / kKeySize != count) return false;
    std::vector<Keystroke> keys;
    keys.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kHeaderSize + i * kKeySize;
        Keystroke k;
        k.message = GetLE(bytes, at, 2);
        k.vk = static_cast<win::WORD>(GetLE(bytes, at + 2, 2));
        k.lParam = static_cast<win::LPARAM>(static_cast<std::int32_t>(GetLE(bytes, at + 4, 4)));
        if (!IsKeyStrokeMessage(k.message) || k.vk == 0 || k.vk > 0xFE) return false;
        keys.push_back(k);
    }
    keys_ = std::move(keys);
    return true;
}

KeystrokeRecorder::KeystrokeRecorder(MessagePump& pump, std::function<void()> afterKey)
    : pump_(pump), afterKey_(std::move(afterKey)) {}

void KeystrokeRecorder::ToggleRecording() {
    if (recording_) {
        StopRecording();
        return;
    }
    record_.Clear();
    down_.clear();
    recording_ = true;
}

void KeystrokeRecorder::StopRecording() {
    recording_ = false;
    // A key still down was pressed for the key that stopped the recording
    // (the modifiers of its shortcut); replaying it would leave it stuck.
    auto& keys = record_.Keys();
    for (win::WORD vk : down_) {
        for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
            if (it->vk == vk && IsDown(it->message)) {
                // Drop this press with its auto-repeats.
                keys.erase(std::remove_if(std::next(it).base(), keys.end(), [vk](const Keystroke& k) { return k.vk == vk; }), keys.end());
                break;
            }
        }
    }
    down_.clear();
    playback_.Keys() = keys;
}

void KeystrokeRecorder::KeyPassed(const win::TMsg& msg) {
    if (!recording_ || playing_ || !IsKeyStrokeMessage(msg.message)) return;
    const auto vk = static_cast<win::WORD>(msg.wParam);
    const auto it = std::find(down_.begin(), down_.end(), vk);
    if (IsDown(msg.message)) {
        if (it == down_.end()) down_.push_back(vk);
    } else {
        // The release of a key pressed before recording began is not part of it.
        if (it == down_.end()) return;
        down_.erase(it);
    }
    record_.Keys().push_back({msg.message, vk, msg.lParam});
}

void KeystrokeRecorder::ResumePlayback() {
    if (playing_) return;
    ScopedValue playing(playing_, true);
    // The recording carries its own modifiers; the keys held to start the
    // playback (Shift+Ctrl+P) must not change what it types.
    const KeyState held = KeyState::Current();
    KeyState::Current().ReleaseModifiers();
    const std::vector<Keystroke> keys = playback_.Keys();
    for (const Keystroke& k : keys) {
        pump_.ReplayKey(k.message, k.vk, k.lParam);
        if (afterKey_) afterKey_();
    }
    KeyState::Current() = held;
}

}  // namespace skrivo::host
