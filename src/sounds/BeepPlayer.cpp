// TBeepPlayer: plays a melody of frequency/duration pairs note by note on the host's sound device; PlayBeep: one tone.
#include "sounds/BeepPlayer.h"

#include <algorithm>

#include "bridge/HostBoundary.h"
#include "host/api/Host.h"

namespace skrivo {

namespace {
// Durations are the speaker's 16-bit milliseconds; a larger or negative
// number in a beep file is held to that range rather than wrapped around.
std::uint16_t Duration(std::int32_t value) { return static_cast<std::uint16_t>(std::clamp(value, 0, 0xFFFF)); }

std::uint16_t Frequency(std::int32_t value) {
    return value >= kMinBeepFrequency && value <= kMaxBeepFrequency ? static_cast<std::uint16_t>(value) : 0;
}
}  // namespace

void PlayBeep(std::uint16_t frequency, std::uint16_t duration) {
    if (frequency < kMinBeepFrequency || frequency > kMaxBeepFrequency || duration == 0) return;
    if (host::IHost* h = host::Host()) h->Windows().Beep(frequency, duration);
}

TBeepPlayer::TBeepPlayer() = default;
TBeepPlayer::~TBeepPlayer() = default;

void TBeepPlayer::Play(std::vector<std::int32_t> values) {
    FPlayIndex = 0;
    FNotes = std::move(values);
    if (FTimer) FTimer->SetEnabled(false);
    Execute();
}

void TBeepPlayer::Stop() {
    FNotes.clear();
    FPlayIndex = 0;
    if (FTimer) FTimer->SetEnabled(false);
}

bool TBeepPlayer::Playing() const { return FTimer && FTimer->Enabled(); }

void TBeepPlayer::Execute() {
    while (FPlayIndex + 1 < FNotes.size()) {
        FFrequency = Frequency(FNotes[FPlayIndex]);
        FDuration = Duration(FNotes[FPlayIndex + 1]);
        FPlayIndex += 2;
        if (FDuration == 0) continue;
        PlayBeep(FFrequency, FDuration);
        if (!FTimer) {
            host::IHost* h = host::Host();
            if (!h) return;
            FTimer = h->CreateTimer();
            FTimer->SetOnTimer([this] {
                FTimer->SetEnabled(false);
                CallFromHost("TBeepPlayer.Execute", [this] { Execute(); });
            });
        }
        FTimer->SetInterval(FDuration);
        FTimer->SetEnabled(true);
        return;
    }
    if (FTimer) FTimer->SetEnabled(false);
}

}  // namespace skrivo
