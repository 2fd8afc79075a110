// TKeyboardMacros: recording, playback and recorded searches of the user's keyboard macros.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "macros/Macro.h"
#include "macros/MacroList.h"
#include "macros/MacroPortions.h"

namespace skrivo {

struct TExpertConfig;

namespace host {
class IKeyboardServices;
struct TSearchOptions;
}  // namespace host

// What the macros need of the expert that owns them.
struct TMacroServices {
    std::function<TExpertConfig&()> config;
    std::function<void(bool notSuggestUntilNext)> hideSuggestion;
    std::function<void()> resetTimer;
    std::function<void()> saveCfg;
    // The text-at-cursor matcher of the substitutions.
    std::function<bool(const std::string& text)> checkAtCursor;
    std::function<void()> forceCodeParam;
    std::function<void()> errorBeep;
};

// The keystrokes themselves are recorded and replayed by the IDE's recorder;
// this object frames them into macros, adds searches and conditional calls,
// and keeps the state a recording and a playback need between keys.
class TKeyboardMacros {
public:
    explicit TKeyboardMacros(TMacroServices services);
    TKeyboardMacros(const TKeyboardMacros&) = delete;
    TKeyboardMacros& operator=(const TKeyboardMacros&) = delete;

    // Recording (MacroRecording.cpp).
    bool DoStartStopRecording();
    void CloseRecordedPortion();
    bool Recording() const { return FRecording; }
    // Letters and digits typed while recording: the new macro's name preset.
    std::string& RecordedKeys() { return FRecordedKeys; }

    // Playback (MacroPlayback.cpp).
    bool ExecuteMacro(TMacro& macro);
    bool DoExecuteMacroN(int index, int recordingIndex);
    // A multi-part macro is between two of its portions.
    bool Resuming() const { return FResumeMacro != nullptr; }
    // A macro list replaced while one of its macros plays (the options
    // dialog opened by a played key and closed with OK): the playback and
    // the commands that started it still hold its macros by reference, so
    // they live as long as this object.
    void KeepReplacedList(TMacroList replaced) {
        if (FDepth > 0) FReplacedLists.push_back(std::move(replaced));
    }

    // The macro list dialog and what it asks for (MacroFromList.cpp).
    bool DoExecuteList();

    // Searches (SearchRecording.cpp).
    bool DoSearchRecord();
    bool ReplaySearch(const TSearchPortion& search);

    // A dialog that captures shortcuts is open; command keys must not run.
    static bool ShortcutCaptureOpen();

private:
    TExpertConfig& Cfg() { return FServices.config(); }
    host::IKeyboardServices* Keyboard();
    // Appends what the IDE recorded since the last portion to the head macro
    // as one keystroke portion (the IDE's recording is already off).
    void AppendRecordedKeystrokes(const char* logText);
    void RestartRecording(host::IKeyboardServices& keyboard);
    // Asks for the new recording's name and shortcut; false: discard it.
    bool NameNewRecording(TMacro& head);
    // Plays one macro call portion's repetitions; false ends the playback.
    bool PlayCall(const TCallPortion& call);
    // Escape held down ends every repetition, nested ones included.
    bool EscapeHeld();
    // Ends the whole playback: one beep and one log line, however deep.
    void StopPlayback(const std::string& why);

    TMacroServices FServices;
    bool FRecording = false;
    std::string FRecordedKeys;
    TMacro* FResumeMacro = nullptr;
    std::size_t FResumePos = 0;
    int FDepth = 0;           // ExecuteMacro activations running
    std::vector<TMacroList> FReplacedLists;
    bool FStopped = false;    // the running playback was ended
};

}  // namespace skrivo
