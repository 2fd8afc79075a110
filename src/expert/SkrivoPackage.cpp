// The package's entry points: Register creates and registers the one expert, Unregister destroys it.
#include "expert/SkrivoPackage.h"

#include <cstdint>
#include <cstdio>
#include <memory>

#include "bridge/Diagnostics.h"
#include "expert/SkrivoExpert.h"
#include "host/api/Host.h"

namespace skrivo {

namespace {

std::unique_ptr<TSkrivoExpert>& TheExpert() {
    static std::unique_ptr<TSkrivoExpert> expert;
    return expert;
}

}  // namespace

void Register() {
    if constexpr (kKeepDiagnostics) {
        char address[16];
        std::snprintf(address, sizeof address, "%08X",
                      static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(&Register)));
        Rpt("Register: ", address);
    }
    host::IHost* host = host::Host();
    if (!host || TheExpert()) return;
    try {
        TheExpert() = TQvExpert::Create<TSkrivoExpert>();
        Rpt("Register: Skrivo Expert created, will be registered now");
        host->RegisterLibraryExpert(TheExpert().get());
        Rpt("Register: SkrivoExpertRegistered");
        TheExpert()->SetReady(true);
    } catch (...) {
        // A half-started expert would leave its hooks in the IDE; take it
        // down in order and let the loader report the failure.
        TheExpert().reset();
        throw;
    }
}

void Unregister() { TheExpert().reset(); }

bool IsRegistered() { return TheExpert() != nullptr; }

TSkrivoExpert* RegisteredExpert() { return TheExpert().get(); }

}  // namespace skrivo
