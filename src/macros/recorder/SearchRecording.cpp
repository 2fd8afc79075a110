// TKeyboardMacros: a search made while recording becomes a portion of its own, and is replayed with the user's options kept.
#include "bridge/Diagnostics.h"
#include "config/ExpertConfig.h"
#include "host/api/Host.h"
#include "macros/recorder/KeyboardMacros.h"
#include "macros/ui/SearchDialog.h"

namespace skrivo {

namespace {

host::TSearchOptions OptionsOf(const TSearchPortion& p) {
    return {p.text, p.caseSensitive, p.wholeWords, p.regularExpression, p.wholeFile, p.forward, p.fromCursor};
}

TSearchPortion PortionOf(const host::TSearchOptions& o) {
    return {o.CaseSensitive, o.WordBoundary, o.RegularExpression, o.WholeFile, o.Forward, o.FromCursor, o.SearchText};
}

}  // namespace

bool TKeyboardMacros::DoSearchRecord() {
    Rpt("### Search while recording. ###");
    host::IHost* host = host::Host();
    host::IKeyboardServices* keyboard = Keyboard();
    host::IEditorServices* editor = host ? host->EditorServices() : nullptr;
    host::IEditBuffer* buffer = editor ? editor->TopBuffer() : nullptr;
    if (!keyboard || !buffer || keyboard->CurrentPlayback()->IsPlaying() ||
        !keyboard->CurrentRecord()->IsRecording()) {
        FServices.resetTimer();
        return false;
    }
    Rpt("EditorServices quered");
    keyboard->ToggleRecording();
    FRecording = false;
    AppendRecordedKeystrokes("### Stored macro size is ");

    host::IEditPosition& position = buffer->EditPosition();
    host::TSearchOptions chosen = position.SearchOptions();
    Rpt("SearchOptions got");
    if (AskSearch(chosen, host::ReadSearchHistory()) && !chosen.SearchText.empty()) {
        position.SearchOptions() = chosen;
        Rpt("### Search now... ###");
        if (position.SearchAgain()) {
            Rpt("### Pattern found, Result = 99");
            editor->MoveViewToCursor();
            TMacroList& list = Cfg().MacroList;
            if (!list.Empty()) {
                TMemoryStream& head = list[0].FData;
                head.Seek(0, TSeekOrigin::soEnd);
                WriteSearchPortion(head, PortionOf(chosen));
                Rpt("### Search command written to Macro[0], its size now is ", std::to_string(head.Size()));
            }
        } else {
            Rpt("### Search failed, Result = 99");
            FServices.errorBeep();
        }
    } else {
        Rpt("### Search cancelled - continue recording");
    }
    RestartRecording(*keyboard);
    FRecording = true;
    Rpt("### Recording restarted after search ###");
    FServices.resetTimer();
    return true;
}

bool TKeyboardMacros::ReplaySearch(const TSearchPortion& search) {
    host::IHost* host = host::Host();
    host::IEditorServices* editor = host ? host->EditorServices() : nullptr;
    host::IEditBuffer* buffer = editor ? editor->TopBuffer() : nullptr;
    if (!buffer) return false;
    host::IEditPosition& position = buffer->EditPosition();
    const host::TSearchOptions users = position.SearchOptions();
    position.SearchOptions() = OptionsOf(search);
    const bool found = position.SearchAgain();
    if (found) editor->MoveViewToCursor();
    position.SearchOptions() = users;
    return found;
}

}  // namespace skrivo
