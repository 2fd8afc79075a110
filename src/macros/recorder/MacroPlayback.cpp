// TKeyboardMacros: playing a macro portion by portion, nested calls with their conditions, and bad data stopping cleanly.
#include "bridge/Diagnostics.h"
#include "config/ExpertConfig.h"
#include "host/api/Host.h"
#include "macros/recorder/KeyboardMacros.h"
#include "platform/VirtualKeys.h"

namespace skrivo {

bool TKeyboardMacros::EscapeHeld() {
    host::IHost* host = host::Host();
    return host && host->Windows().GetAsyncKeyState(win::VK_ESCAPE) < 0;
}

void TKeyboardMacros::StopPlayback(const std::string& why) {
    if (!FStopped) {
        Rpt("### Playback stopped: ", why);
        FServices.errorBeep();
    }
    FStopped = true;
    FResumeMacro = nullptr;
}

bool TKeyboardMacros::PlayCall(const TCallPortion& call) {
    Rpt("RepeatCount := ", std::to_string(call.repeatCount));
    Rpt("CheckOnce: ", call.checkOnce ? "1" : "0");
    Rpt("StopNotMatch: ", call.stopIfNotMatches ? "1" : "0");
    Rpt("TextLength: ", std::to_string(call.textAtCursor.size()));
    Rpt("TextToMatch: <", call.textAtCursor, ">");
    Rpt("MacroInternal Size: ", std::to_string(call.inner.size()));
    TMacro called;
    called.SetName("tempMacro");
    TMemoryStream inner(call.inner);
    called.LoadFromStream(inner);
    std::int32_t repeat = call.repeatCount == 0 ? 1 : call.repeatCount;
    for (bool first = true; repeat > 0; first = false) {
        if (EscapeHeld()) {
            StopPlayback("Escape held down");
            return false;
        }
        if (!call.textAtCursor.empty() && (first || !call.checkOnce) && !FServices.checkAtCursor(call.textAtCursor)) {
            if (!call.stopIfNotMatches) return true;
            StopPlayback("the text at the cursor does not match");
            return false;
        }
        called.FData.SetPosition(0);
        if (!ExecuteMacro(called) || FStopped) {
            StopPlayback("the called macro failed");
            return false;
        }
        --repeat;
    }
    return true;
}

bool TKeyboardMacros::ExecuteMacro(TMacro& macro) {
    Rpt("### ExecuteMacro ", macro.FName);
    FServices.hideSuggestion(false);
    host::IKeyboardServices* keyboard = Keyboard();
    if (!keyboard || keyboard->CurrentPlayback()->IsPlaying()) return false;
    if (FDepth == 0) FStopped = false;
    if (FDepth >= kMaxCallNesting) {
        StopPlayback("macro calls nested deeper than " + std::to_string(kMaxCallNesting));
        return false;
    }

    TMacro* const savedMacro = FResumeMacro;
    const std::size_t savedPos = FResumePos;
    ++FDepth;
    auto restore = [&] {
        --FDepth;
        Rpt("### Macro position ", std::to_string(macro.FData.Position()), " of ", std::to_string(macro.FData.Size()));
        FResumeMacro = savedMacro;
        FResumePos = savedPos;
    };

    bool result = false;
    try {
        TMemoryStream& data = macro.FData;
        data.SetPosition(0);
        while (!FStopped) {
            if (data.Remaining() == 0) {
                // Keystroke portions end the loop themselves; here the last
                // portion was a search or a call.
                result = !macro.Empty();
                break;
            }
            if (data.Remaining() < sizeof(std::int32_t)) throw EMacroDataError("a portion tag cut short");
            const std::int32_t tag = data.ReadInt32();
            if (tag == kSearchPortionTag) {
                if (!ReplaySearch(ReadSearchPortion(data))) {
                    StopPlayback("the recorded search found nothing");
                    break;
                }
                continue;
            }
            if (tag == kCallPortionTag) {
                if (!PlayCall(ReadCallPortion(data))) break;
                continue;
            }
            const std::string keys = ReadKeystrokePortion(data, tag);
            if (keys.empty()) continue;
            host::IRecord& playback = *keyboard->CurrentPlayback();
            playback.Clear();
            if (!playback.ReadFromStream(keys)) throw EMacroDataError("a keystroke portion the recorder cannot read");
            FResumeMacro = nullptr;
            if (data.Remaining() > 0) {
                Rpt("### .... Macro contains several parts...");
                FResumeMacro = &macro;
                FResumePos = data.Position();
            }
            keyboard->ResumePlayback();
            result = true;
            if (playback.IsPlaying() || !FResumeMacro) break;
            Rpt("Resuming from pos = ", std::to_string(FResumePos));
            data.SetPosition(FResumePos);
            FResumeMacro = nullptr;
        }
    } catch (const EMacroDataError& e) {
        StopPlayback(e.what());
    } catch (...) {
        restore();
        throw;
    }
    restore();
    return result;
}

bool TKeyboardMacros::DoExecuteMacroN(int index, int recordingIndex) {
    TMacroList& list = Cfg().MacroList;
    host::IKeyboardServices* keyboard = Keyboard();
    bool result = false;
    if (keyboard && keyboard->CurrentRecord()->IsRecording()) {
        // Index 0 is the macro being recorded: it cannot play into itself.
        const bool playable = recordingIndex >= 1 && static_cast<std::size_t>(recordingIndex) < list.Count();
        if (playable && !keyboard->CurrentPlayback()->IsPlaying()) {
            CloseRecordedPortion();
            TMacro& played = list[static_cast<std::size_t>(recordingIndex)];
            if (ExecuteMacro(played)) {
                TMemoryStream& head = list[0].FData;
                head.Seek(0, TSeekOrigin::soEnd);
                head.WriteBytes(played.FData.Bytes());
            }
            RestartRecording(*keyboard);
            result = true;
        }
    } else if (index >= 0 && static_cast<std::size_t>(index) < list.Count()) {
        result = ExecuteMacro(list[static_cast<std::size_t>(index)]);
    }
    FServices.resetTimer();
    FServices.forceCodeParam();
    return result;
}

}  // namespace skrivo
