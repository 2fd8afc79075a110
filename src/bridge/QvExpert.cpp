// TQvExpert: construction and teardown, the shortcut hook, the notifier bookkeeping.
#include "bridge/QvExpert.h"

#include "bridge/Diagnostics.h"
#include "bridge/HostBoundary.h"
#include "bridge/QvConsole.h"
#include "bridge/QvNotifier.h"
#include "host/api/Host.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"
#include "platform/Paths.h"

namespace skrivo {

namespace {

bool AsciiSameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

}  // namespace

TQvExpert::TQvExpert() {
    RotateLog();
}

void TQvExpert::AfterConstruction() {
    b("<> TQvExpert.Init");
    Init();
    if (host::IHost* host = host::Host()) {
        host::IApplication& app = host->Application();
        FOldOnShortCut = app.OnShortCut();
        FHooked = true;
        app.SetOnShortCut([this](win::TMsg& msg, bool& handled) {
            CallFromHost("IDEKeyDown", [&] { IDEKeyDown(msg, handled); });
        });
    }
    FAddIn = std::make_unique<TQvAddIn>(this);
    if constexpr (kKeepDiagnostics) {
        const std::string package = PackageName();
        if (!package.empty()) {
            const auto time = GetFileWriteTime(AppPath() + package);
            Rpt("Package ", package, time ? " found" : " not found in the program folder");
        }
    }
}

TQvExpert::~TQvExpert() { DestroyBase(); }

void TQvExpert::DestroyBase() {
    if (baseDestroyed_) return;
    baseDestroyed_ = true;
    b("-> TQvExpert.Destroy");
    FReady = false;
    if (FMenuItems) {
        for (auto it = FMenuItems->rbegin(); it != FMenuItems->rend(); ++it) (*it)->DestroyMenuItem();
        FMenuItems.reset();
    }
    if (FHooked) {
        if (host::IHost* host = host::Host()) host->Application().SetOnShortCut(FOldOnShortCut);
        FOldOnShortCut = nullptr;
        FHooked = false;
    }
    FAddIn.reset();
    FreeConsole();
    b("<- TQvExpert.Destroy");
}

std::string TQvExpert::GetName() { return "Quorvel Expert"; }
std::string TQvExpert::GetAuthor() { return "Quorvel"; }
std::string TQvExpert::GetComment() { return "Quorvel base class to derive experts for Delphi"; }
std::string TQvExpert::GetPage() { return {}; }
int TQvExpert::GetGlyph() { return 0; }
int TQvExpert::GetStyle() { return 3; }  // add-in
int TQvExpert::GetState() { return 1; }  // enabled
std::string TQvExpert::GetIDString() { return "Quorvel.QvExpert"; }
std::string TQvExpert::GetMenuText() { return {}; }
void TQvExpert::Execute() {}

void TQvExpert::Init() {}
void TQvExpert::Notify(TQvNotifier*, host::TNotifyCode) {}
void TQvExpert::DestroyingNotifier(TQvNotifier*) {}
void TQvExpert::NotifierCreated(TQvNotifier*) {}
std::string TQvExpert::PackageName() { return {}; }

TNotifierList* TQvExpert::GetNotifiers() { return FAddIn ? &FAddIn->FNotifiers : nullptr; }

bool TQvExpert::NotifierExists(const std::string& fileName) {
    TNotifierList* notifiers = GetNotifiers();
    if (!notifiers) return false;
    for (const auto& n : *notifiers)
        if (n && AsciiSameText(n->FFileName, fileName)) return true;
    return false;
}

TQvNotifier* TQvExpert::GetCurrentNotifier() {
    host::IHost* host = host::Host();
    if (!host) return nullptr;
    host::IForm* active = host->Screen().ActiveForm();
    if (!active || active->ClassName() != "TEditWindow") return nullptr;
    const std::string current = host->ToolServices().GetCurrentFile();
    if (current.empty()) return nullptr;
    TNotifierList* notifiers = GetNotifiers();
    if (!notifiers) return nullptr;
    for (const auto& n : *notifiers)
        if (n && win::AnsiSameText(n->FFileName, current)) return n.get();
    return nullptr;
}

void TQvExpert::CreateNotifierFor(const std::string& fileName) {
    if (IsProjectGroupOrPackage(fileName) || NotifierExists(fileName)) return;
    host::IModuleInterface* module = host::Host()->ToolServices().GetModuleInterface(fileName);
    // One module may be listed under two names (unit list and buffer); a
    // second notifier would report every edit twice.
    if (!module || FAddIn->FindFor(module, {}) != nullptr) return;
    FAddIn->AddNotifierFor(module);
}

void TQvExpert::CreateAllNotifiers() {
    b("-> TQvExpert.CreateAllNotifiers");
    host::IHost* host = host::Host();
    if (!host || !FAddIn) return;
    host::IToolServices& tools = host->ToolServices();
    for (int i = 0; i < tools.GetUnitCount(); ++i) CreateNotifierFor(tools.GetUnitName(i));
    if (host::IEditorServices* services = host->EditorServices()) {
        for (int i = 0; i < services->BufferCount(); ++i)
            if (host::IEditBuffer* buffer = services->Buffer(i)) CreateNotifierFor(buffer->FileName());
    }
    b("<- TQvExpert.CreateAllNotifiers");
}

void TQvExpert::SetReady(bool ready) {
    FReady = ready;
    if (ready) CreateAllNotifiers();
}

void TQvExpert::SetFastReadText(bool fast) { FFastReadText = fast; }

void TQvExpert::SetShowConsole(bool show) {
    FShowConsole = show;
    if (show)
        CreateConsole(this);
    else
        FreeConsole();
}

void TQvExpert::IDEKeyDown(win::TMsg& msg, bool& handled) {
    handled = false;
    if (FReady && FOldOnShortCut) FOldOnShortCut(msg, handled);
}

bool TQvExpert::IsPlaying() {
    host::IHost* host = host::Host();
    host::IKeyboardServices* keys = host ? host->KeyboardServices() : nullptr;
    host::IRecord* record = keys ? keys->CurrentPlayback() : nullptr;
    return record && record->IsPlaying();
}

bool TQvExpert::IsRecording() {
    host::IHost* host = host::Host();
    host::IKeyboardServices* keys = host ? host->KeyboardServices() : nullptr;
    host::IRecord* record = keys ? keys->CurrentRecord() : nullptr;
    return record && record->IsRecording();
}

}  // namespace skrivo
