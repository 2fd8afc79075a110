// TQvNotifier: construction, the source cache and the host's notifications.
#include "bridge/QvNotifier.h"

#include <algorithm>
#include <cstring>

#include "bridge/Diagnostics.h"
#include "bridge/QvAddIn.h"
#include "bridge/QvExpert.h"
#include "bridge/TokenText.h"

namespace skrivo {

namespace {
// The whole source is read in chunks of this size; a shorter chunk ends it.
constexpr int kSourceChunk = 10000;
}  // namespace

TQvNotifier::TQvNotifier(host::IModuleInterface* module, TQvAddIn* addIn) : FAddIn(addIn), FModule(module) {
    b("-> TQvNotifier.Create");
    if (FModule) FModule->AddNotifier(this);
    GetUnitFileName();
    if (FAddIn && FAddIn->FExpert) FAddIn->FExpert->NotifierCreated(this);
    b("<- TQvNotifier.Create");
}

TQvNotifier::~TQvNotifier() {
    b("-> TQvNotifier.Destroy");
    if (FAddIn && FAddIn->FExpert) FAddIn->FExpert->DestroyingNotifier(this);
    if (FModule) FModule->RemoveNotifier(this);
    FModule = nullptr;
    if (FAddIn) FAddIn->ClearEntry(this);
    b("<- TQvNotifier.Destroy");
}

host::IEditorInterface* TQvNotifier::Editor() const { return FModule ? FModule->GetEditorInterface() : nullptr; }

host::IEditView* TQvNotifier::View() const {
    host::IEditorInterface* editor = Editor();
    if (!editor || editor->GetViewCount() <= 0) return nullptr;
    return editor->GetView(0);
}

const std::string& TQvNotifier::GetSource() {
    if (FSource.empty()) FSource = ReadSource();
    return FSource;
}

std::string TQvNotifier::ReadSource() const {
    host::IEditorInterface* editor = Editor();
    if (!editor) return {};
    std::unique_ptr<host::IEditReader> reader = editor->CreateReader();
    if (!reader) return {};
    std::string text;
    for (;;) {
        const std::size_t have = text.size();
        text.resize(have + kSourceChunk);
        int got = reader->GetText(static_cast<int>(have), text.data() + have, kSourceChunk);
        got = std::clamp(got, 0, kSourceChunk);
        text.resize(have + got);
        // The text ends at its first NUL; nothing after it is ever used.
        if (const void* nul = std::memchr(text.data() + have, '\0', got)) {
            text.resize(static_cast<const char*>(nul) - text.data());
            break;
        }
        if (got < kSourceChunk) break;
    }
    return text;
}

const std::string& TQvNotifier::GetTokens() {
    if (FSource.empty() || FTokens.empty()) FTokens = MakeTokenText(GetSource());
    return FTokens;
}

void TQvNotifier::ForgetText() {
    // The token text goes with the source: kept alone, a later GetSource
    // would refill the source and leave tokens of the old text beside it,
    // whose positions no longer match.
    FSource.clear();
    FTokens.clear();
}

std::string TQvNotifier::RemoveComments(std::string_view text) { return skrivo::RemoveComments(text); }

std::string TQvNotifier::ReadChars(int pos, int count) {
    if (count <= 0 || pos < 0) return {};
    host::IEditorInterface* editor = Editor();
    if (!editor) return {};
    std::unique_ptr<host::IEditReader> reader = editor->CreateReader();
    if (!reader) return {};
    std::string text(static_cast<std::size_t>(count), '\0');
    const int got = std::clamp(reader->GetText(pos, text.data(), count), 0, count);
    text.resize(got);
    if (const auto nul = text.find('\0'); nul != std::string::npos) text.resize(nul);
    return text;
}

void TQvNotifier::GetUnitFileName() {
    host::IEditorInterface* editor = Editor();
    FFileName = editor ? editor->FileName() : std::string();
}

std::string TQvNotifier::UnitName() const {
    std::string name = FFileName;
    if (const auto sep = name.find_last_of("/\\"); sep != std::string::npos) name.erase(0, sep + 1);
    if (const auto dot = name.find('.'); dot != std::string::npos) name.erase(dot);
    return name;
}

void TQvNotifier::Notify(host::TNotifyCode code) {
    b("-> TQvNotifier.Notify");
    switch (code) {
        case host::ncModuleDeleted:
            // The module is gone: leave the list and die; the expert is not
            // told, it learns of it through DestroyingNotifier.
            if (FAddIn) FAddIn->RemoveAndFree(this);
            return;  // this object no longer exists
        case host::ncModuleRenamed:
        case host::ncBeforeSave:
        case host::ncFormSaving:
            GetUnitFileName();
            ForgetText();
            break;
        case host::ncEditorModified:
            ForgetText();
            break;
        default:
            break;
    }
    if (FAddIn && FAddIn->FExpert) FAddIn->FExpert->Notify(this, code);
    b("<- TQvNotifier.Notify");
}

void TQvNotifier::ComponentRenamed(void*, const std::string& oldName, const std::string& newName) {
    Rpt("TQvNotifier.ComponentRenamed ", oldName, " -> ", newName);
}

}  // namespace skrivo
