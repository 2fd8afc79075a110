// TSkrivoExpert's replacement of the word at the cursor, its restore record, and the editing primitives under them.
#include <stdexcept>

#include "bridge/Diagnostics.h"
#include "bridge/QvNotifier.h"
#include "suggest/SuggestWindow.h"
#include "config/ExpertConfig.h"
#include "config/SoundEvents.h"
#include "expert/ReplacementRecord.h"
#include "expert/SkrivoExpert.h"
#include "host/api/EditorServices.h"
#include "host/api/Host.h"
#include "source/CharClasses.h"
#include "platform/ScopedValue.h"

namespace skrivo {
namespace {

// The editor's automatic indentation is off while the expert inserts text,
// which carries its own indentation.
class AutoIndentOff {
public:
    explicit AutoIndentOff(host::IBufferOptions& options) : options_(options), saved_(options.AutoIndent()) {
        options_.SetAutoIndent(false);
    }
    ~AutoIndentOff() { options_.SetAutoIndent(saved_); }
    AutoIndentOff(const AutoIndentOff&) = delete;
    AutoIndentOff& operator=(const AutoIndentOff&) = delete;

private:
    host::IBufferOptions& options_;
    bool saved_;
};

host::IEditorServices* Editors() {
    host::IHost* host = host::Host();
    return host ? host->EditorServices() : nullptr;
}

host::IEditBuffer* TopBuffer() {
    host::IEditorServices* editors = Editors();
    return editors ? editors->TopBuffer() : nullptr;
}

void ShowCursorInTopView() {
    host::IEditorServices* editors = Editors();
    if (!editors) return;
    editors->MoveViewToCursor();
    if (host::IEditView* view = editors->TopView()) view->Paint();
}

std::string TrailingWord(const std::string& text) {
    std::size_t start = text.size();
    while (start > 0 && IsAlphaDigit(text[start - 1])) --start;
    return text.substr(start);
}

std::string LeadingWord(const std::string& text) {
    std::size_t end = 0;
    while (end < text.size() && IsAlphaDigit(text[end])) ++end;
    return text.substr(0, end);
}

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string TrimRight(std::string text) {
    while (!text.empty() && IsBlankOrControl(text.back())) text.pop_back();
    return text;
}

std::string Trim(const std::string& text) {
    std::size_t start = 0;
    while (start < text.size() && IsBlankOrControl(text[start])) ++start;
    return TrimRight(text.substr(start));
}

}  // namespace

TQvNotifier* TSkrivoExpert::ReplaceWord(int /*count: every caller replaces the whole word*/, const std::string& text) {
    if (FBusy) {
        Rpt("*** in critical section - can not replace ***");
        return nullptr;
    }
    TQvNotifier* notifier = Notifier2Replace;
    if (!notifier) {
        Rpt("*** Can not replace, Notifier2Replace = nil ***");
        return nullptr;
    }
    if (notifier != GetCurrentNotifier()) {
        Rpt("*** Can not replace, Notifier2Replace is not the current notifier ***");
        return nullptr;
    }
    // Only where the last typed character left the cursor: after a click
    // elsewhere the word the list was made for is no longer there.
    if (notifier->GetEditPos() != FLastEditPos) {
        Rpt("*** POSITION NOT MATCHES - NO REPLACE ! ***");
        return nullptr;
    }
    try {
        ScopedValue busy(FBusy, true);
        // The accepted word is no typing to substitute.
        ScopedValue inserting(FInserting, true);
        std::string before = ReadText(-1);
        // Past the end of its line the cursor reads blanks, but the word the
        // list was made for is the one the line's text ends with.
        if (TrailingWord(before).empty()) {
            const host::TEditPos at = notifier->GetEditPos();
            if (notifier->LeaveVirtualSpace()) {
                before = ReadText(-1);
                if (TrailingWord(before).empty()) notifier->SetEditPos(at);
            }
        }
        std::string removed = TrailingWord(before);
        if (!removed.empty()) BackSpaceDelete(static_cast<int>(removed.size()));
        if (!GetCfg()->WordBeforeOnly) {
            const std::string rest = LeadingWord(ReadText(1000));
            for (std::size_t i = 0; i < rest.size(); ++i) DeleteChars(1);
            removed += rest;
        }
        FLastEditPos = notifier->GetEditPos();
        InsertText(text);
        FReplacement->FReplaceNotifier = notifier;
        FReplacement->FReplaceEndPos = notifier->GetEditPos();
        FReplacement->FReplacePos = notifier->GetPosition() - static_cast<int>(text.size());
        FReplacement->FOldText = removed;
        FReplacement->FNewText = text;
        FReplacement->FJustReplaced = true;
        Collect(Trim(text));
    } catch (const std::exception& e) {
        Rpt("*** replace failed: ", e.what());
        throw;
    }
    ForceCodeParam();
    return notifier;
}

bool TSkrivoExpert::DoRestore() {
    TQvNotifier* notifier = GetCurrentNotifier();
    if (!FReplacement->FJustReplaced || !notifier || notifier != FReplacement->FReplaceNotifier) return false;
    if (notifier->GetEditPos() != FReplacement->FReplaceEndPos) {
        Rpt("===POSITION NOT MATCHES - CAN'T RESTORE!!!");
        return false;
    }
    FReplacement->FJustReplaced = false;
    std::string current = notifier->ReadChars(FReplacement->FReplacePos, static_cast<int>(FReplacement->FNewText.size()));
    bool cursorToRestoredEnd = true;
    if (current != FReplacement->FNewText) {
        // The editor may have dropped a blank the insertion ended with.
        current = TrimRight(current);
        if (current + ' ' != FReplacement->FNewText) {
            Rpt("Text changed since the replacement: <", current, "> instead of <", FReplacement->FNewText, ">");
            return false;
        }
        cursorToRestoredEnd = false;
    }
    if (TfmSuggest* list = SggListIfCreated(); list && list->Visible()) list->hide();
    bool replaced;
    {
        // The restored abbreviation must not expand again at once (a restore
        // by shortcut has no Backspace to keep the substitutions away).
        ScopedValue inserting(FInserting, true);
        replaced = notifier->Replace(FReplacement->FReplacePos, static_cast<int>(current.size()), FReplacement->FOldText);
    }
    if (!replaced) return false;
    if (cursorToRestoredEnd) notifier->SetPosition(FReplacement->FReplacePos + static_cast<int>(FReplacement->FOldText.size()));
    Play(seRestored);
    if (GetCfg()->HideAfterRestore) {
        HideSuggestion(true);
        FLastModified = nullptr;
    } else {
        ForceShowWordsList();
    }
    return true;
}

bool TSkrivoExpert::ReplacementRestorable() {
    TQvNotifier* notifier = GetCurrentNotifier();
    return FReplacement->FJustReplaced && notifier && notifier == FReplacement->FReplaceNotifier && notifier->GetEditPos() == FReplacement->FReplaceEndPos;
}

void TSkrivoExpert::BackSpaceDelete(int n) {
    host::IEditBuffer* buffer = TopBuffer();
    if (n <= 0 || !buffer) return;
    buffer->EditPosition().BackspaceDelete(n);
    ShowCursorInTopView();
}

void TSkrivoExpert::DeleteChars(int n) {
    host::IEditBuffer* buffer = TopBuffer();
    if (n <= 0 || !buffer) return;
    buffer->EditPosition().Delete(n);
}

void TSkrivoExpert::InsertText(const std::string& text) {
    host::IEditBuffer* buffer = TopBuffer();
    if (!buffer) return;
    {
        AutoIndentOff indentOff(buffer->BufferOptions());
        buffer->EditPosition().InsertText(text);
    }
    ShowCursorInTopView();
    ForceCodeParam();
}

bool TSkrivoExpert::DoUndo() {
    host::IEditBuffer* buffer = TopBuffer();
    if (!buffer || !buffer->Undo()) return false;
    ShowCursorInTopView();
    return true;
}

bool TSkrivoExpert::DoRedo() {
    host::IEditBuffer* buffer = TopBuffer();
    return buffer && buffer->Redo();
}

}  // namespace skrivo
