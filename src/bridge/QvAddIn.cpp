// TQvAddIn: file notifications create notifiers; the add-in frees them all when it goes.
#include "bridge/QvAddIn.h"

#include <algorithm>

#include "bridge/Diagnostics.h"
#include "bridge/QvExpert.h"
#include "bridge/QvNotifier.h"
#include "host/api/Host.h"
#include "platform/CodePage.h"

namespace skrivo {

bool IsProjectGroupOrPackage(const std::string& fileName) {
    if (fileName.size() < 4) return false;
    const std::string ext = win::AsciiLower(std::string_view(fileName).substr(fileName.size() - 4));
    return ext == ".bpg" || ext == ".dpk";
}

TQvAddIn::TQvAddIn(TQvExpert* expert) : FExpert(expert) {
    b("-> TQvAddIn.Create");
    if (host::IHost* host = host::Host()) registered_ = host->ToolServices().AddNotifier(this);
    b("<- TQvAddIn.Create");
}

TQvAddIn::~TQvAddIn() {
    b("-> TQvAddIn.Destroy");
    for (std::size_t i = FNotifiers.size(); i-- > 0;) {
        // Emptied before the notifier dies, so it finds no entry of its own.
        std::unique_ptr<TQvNotifier> notifier = std::move(FNotifiers[i]);
        notifier.reset();
    }
    FNotifiers.clear();
    if (registered_)
        if (host::IHost* host = host::Host()) host->ToolServices().RemoveNotifier(this);
    b("<- TQvAddIn.Destroy");
}

TQvNotifier* TQvAddIn::AddNotifierFor(host::IModuleInterface* module) {
    FNotifiers.push_back(std::make_unique<TQvNotifier>(module, this));
    return FNotifiers.back().get();
}

void TQvAddIn::RemoveAndFree(TQvNotifier* notifier) {
    auto it = std::find_if(FNotifiers.begin(), FNotifiers.end(),
                           [notifier](const auto& entry) { return entry.get() == notifier; });
    if (it == FNotifiers.end()) return;
    std::unique_ptr<TQvNotifier> dying = std::move(*it);
    FNotifiers.erase(it);
    dying.reset();
}

void TQvAddIn::ClearEntry(const TQvNotifier* notifier) {
    for (auto& entry : FNotifiers)
        if (entry.get() == notifier) {
            (void)entry.release();  // the notifier is being destroyed by its owner right now
            return;
        }
}

TQvNotifier* TQvAddIn::FindFor(host::IModuleInterface* module, const std::string& fileName) const {
    for (std::size_t i = FNotifiers.size(); i-- > 0;) {
        TQvNotifier* entry = FNotifiers[i].get();
        if (!entry) continue;
        if (module && entry->Module() == module) return entry;
        if (!fileName.empty() && win::AnsiSameText(entry->FFileName, fileName)) return entry;
    }
    return nullptr;
}

void TQvAddIn::FileNotification(host::TFileNotification code, const std::string& fileName, bool& /*cancel*/) {
    b("-> TQvAddIn.FileNotification");
    if (code != host::fnFileOpened && code != host::fnProjectOpened && code != host::fnAddedToProject) return;
    if (fileName.empty() || IsProjectGroupOrPackage(fileName)) return;
    if (FExpert && FExpert->NotifierExists(fileName)) return;
    host::IHost* host = host::Host();
    if (!host) return;
    host::IModuleInterface* module = host->ToolServices().GetModuleInterface(fileName);
    if (!module) return;
    if (FindFor(module, fileName)) return;
    AddNotifierFor(module);
    b("<- TQvAddIn.FileNotification");
}

void TQvAddIn::EventNotification(host::TEventNotification code, bool& /*cancel*/) {
    Rpt(code == host::enBeforeCompile ? "TQvAddIn.EventNotification: before compile"
                                      : "TQvAddIn.EventNotification: after compile");
}

}  // namespace skrivo
