// TKeyboardMacros: starting and stopping a recording, and framing what the IDE recorded into the head macro.
#include "bridge/Diagnostics.h"
#include "config/ExpertConfig.h"
#include "host/api/Host.h"
#include "macros/recorder/KeyboardMacros.h"
#include "macros/ShortcutRules.h"
#include "macros/ui/NewMacroDialog.h"
#include "macros/ui/ShortcutDialog.h"

namespace skrivo {

TKeyboardMacros::TKeyboardMacros(TMacroServices services) : FServices(std::move(services)) {}

host::IKeyboardServices* TKeyboardMacros::Keyboard() {
    host::IHost* host = host::Host();
    return host ? host->KeyboardServices() : nullptr;
}

void TKeyboardMacros::AppendRecordedKeystrokes(const char* logText) {
    host::IKeyboardServices* keyboard = Keyboard();
    TMacroList& list = Cfg().MacroList;
    // A recording the IDE started by itself while no macro existed has no
    // head to go to: it ends here and nothing is stored.
    if (!keyboard || list.Empty()) {
        Rpt("### No macro to store the recorded keys in ###");
        return;
    }
    TMemoryStream& data = list[0].FData;
    data.Seek(0, TSeekOrigin::soEnd);
    const std::size_t tagAt = data.Position();
    data.WriteInt32(0);
    const std::size_t portionAt = data.Size();
    std::string recorded;
    keyboard->CurrentPlayback()->WriteToStream(recorded);
    data.WriteBytes(recorded);
    const std::size_t portionSize = data.Size() - portionAt;
    data.SetPosition(tagAt);
    data.WriteInt32(static_cast<std::int32_t>(portionSize));
    data.Seek(0, TSeekOrigin::soEnd);
    Rpt(logText, std::to_string(portionSize), ", actual size is ", std::to_string(data.Size()));
}

void TKeyboardMacros::CloseRecordedPortion() {
    host::IKeyboardServices* keyboard = Keyboard();
    if (!keyboard) return;
    if (keyboard->CurrentRecord()->IsRecording()) keyboard->ToggleRecording();
    AppendRecordedKeystrokes("### Stored macro portion size is ");
}

void TKeyboardMacros::RestartRecording(host::IKeyboardServices& keyboard) {
    keyboard.CurrentRecord()->Clear();
    if (!keyboard.CurrentRecord()->IsRecording()) keyboard.ToggleRecording();
}

bool TKeyboardMacros::NameNewRecording(TMacro& head) {
    std::string name;
    win::TShortCut shortCut = win::scNone;
    if (!AskNewMacro(NamePresetFromRecordedKeys(FRecordedKeys), name, shortCut)) return false;
    head.SetName(std::move(name));
    head.SetShtcut(shortCut);
    return true;
}

bool TKeyboardMacros::ShortcutCaptureOpen() { return fmNewMacro != nullptr || fmShortcut != nullptr; }

bool TKeyboardMacros::DoStartStopRecording() {
    host::IKeyboardServices* keyboard = Keyboard();
    if (!keyboard || keyboard->CurrentPlayback()->IsPlaying()) return false;
    if (keyboard->CurrentRecord()->IsRecording()) {
        keyboard->ToggleRecording();
        FRecording = false;
        AppendRecordedKeystrokes("### Stored macro size is ");
        TMacroList& list = Cfg().MacroList;
        if (!list.Empty() && list[0].FName.empty() && list[0].FShtcut == win::scNone && !NameNewRecording(list[0]))
            list.Delete(0);
        FServices.saveCfg();
    } else {
        FServices.hideSuggestion(true);
        Cfg().MacroList.Insert(0, std::make_unique<TMacro>());
        FRecording = true;
        FRecordedKeys.clear();
        keyboard->ToggleRecording();
    }
    FServices.resetTimer();
    return true;
}

}  // namespace skrivo
