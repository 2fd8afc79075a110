// The host's keystroke recorder and player.
#pragma once

#include <string>
#include <string_view>

namespace skrivo::host {

// One keystroke recording.
class IRecord {
public:
    virtual ~IRecord() = default;
    virtual bool IsPlaying() = 0;
    virtual bool IsRecording() = 0;
    virtual void Clear() = 0;
    // Appends the recording, in the host's own byte format (a header, then the
    // keystrokes), to out.
    virtual void WriteToStream(std::string& out) = 0;
    // Replaces the recording by the one in bytes; false (recording unchanged)
    // when the bytes are not a recording of this host.
    virtual bool ReadFromStream(std::string_view bytes) = 0;
};

class IKeyboardServices {
public:
    virtual ~IKeyboardServices() = default;
    // The recording being made (or last made).
    virtual IRecord* CurrentRecord() = 0;
    // The recording that play uses; after a recording stops it holds what was
    // recorded.
    virtual IRecord* CurrentPlayback() = 0;
    virtual void ToggleRecording() = 0;
    // Plays the current playback record: its keystrokes go through the
    // message pump as typed keys; returns when they have all been processed.
    virtual void ResumePlayback() = 0;
};

}  // namespace skrivo::host
