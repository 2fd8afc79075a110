// TKeyboardMacros: a search made while recording becomes a portion of its own, and is replayed with the user's options kept.
#include <vector>

#include "bridge/Diagnostics.h"
#include "config/ExpertConfig.h"
#include "host/api/Host.h"
#include "macros/recorder/KeyboardMacros.h"
#include "macros/ui/SearchDialog.h"
#include "platform/Registry.h"

namespace skrivo {

namespace {

host::TSearchOptions OptionsOf(const TSearchPortion& p) {
    return {p.text, p.caseSensitive, p.wholeWords, p.regularExpression, p.wholeFile, p.forward, p.fromCursor};
}

TSearchPortion PortionOf(const host::TSearchOptions& o) {
    return {o.CaseSensitive, o.WordBoundary, o.RegularExpression, o.WholeFile, o.Forward, o.FromCursor, o.SearchText};
}

// The IDE's own search history, newest first. A key without a readable
// count offers no history: the search (and the recording around it) goes on.
std::vector<std::string> SearchHistory() {
    std::vector<std::string> items;
    try {
        Registry registry;
        if (!registry.OpenKeyReadOnly(host::kSearchHistoryKey)) return items;
        const std::int32_t count = registry.ReadInteger("Count");
        for (std::int32_t i = 0; i < count; ++i) items.push_back(registry.ReadString("Item" + std::to_string(i)));
    } catch (const ERegistryException& e) {
        Rpt("fin005 ", e.what());
        items.clear();
    }
    return items;
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
    if (AskSearch(chosen, SearchHistory()) && !chosen.SearchText.empty()) {
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
