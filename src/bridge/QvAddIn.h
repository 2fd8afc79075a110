// TQvAddIn: the add-in notifier that owns the notifiers and creates them as files open.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/api/ToolServices.h"

namespace skrivo {

class TQvExpert;
class TQvNotifier;

// Entries are empty (nullptr) only while the add-in frees its notifiers.
using TNotifierList = std::vector<std::unique_ptr<TQvNotifier>>;

class TQvAddIn final : public host::IAddInNotifier {
public:
    // Registers with the host's tool services.
    explicit TQvAddIn(TQvExpert* expert);
    // Frees every notifier, last to first, then unregisters.
    ~TQvAddIn() override;
    TQvAddIn(const TQvAddIn&) = delete;
    TQvAddIn& operator=(const TQvAddIn&) = delete;

    void FileNotification(host::TFileNotification code, const std::string& fileName, bool& cancel) override;
    void EventNotification(host::TEventNotification code, bool& cancel) override;

    TQvExpert* FExpert;          // the owner; not owned
    TNotifierList FNotifiers;    // owned

    // Creates a notifier for the module and appends it to the list.
    TQvNotifier* AddNotifierFor(host::IModuleInterface* module);
    // Takes the notifier out of the list and destroys it (module deleted).
    void RemoveAndFree(TQvNotifier* notifier);
    // Empties the notifier's entry, keeping every other entry's index.
    void ClearEntry(const TQvNotifier* notifier);
    // A notifier that holds this module or this file (compared without
    // regard to case in the active code page), searched last to first.
    TQvNotifier* FindFor(host::IModuleInterface* module, const std::string& fileName) const;

private:
    bool registered_ = false;
};

// Project groups and package sources are no units to assist with.
bool IsProjectGroupOrPackage(const std::string& fileName);

}  // namespace skrivo
