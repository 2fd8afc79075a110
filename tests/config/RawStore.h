// Direct access to a configuration store, to plant and inspect values behind the loader's back.
#pragma once

#include <memory>
#include <string>

#include "config/ConfigBackend.h"
#include "platform/IniFile.h"
#include "platform/Registry.h"

namespace skrivo::testing {

enum class StoreKind { Registry, File };

// Each call opens the store afresh, so it sees what another writer left.
class RawStore {
public:
    RawStore(StoreKind kind, std::string fileName) : kind_(kind), fileName_(std::move(fileName)) {}

    // "" for the registry, the file name otherwise: what LoadSaveConfig takes.
    std::string Target() const { return kind_ == StoreKind::Registry ? std::string() : fileName_; }

    bool Exists(const std::string& name) const {
        if (kind_ == StoreKind::File) return IniFile(fileName_).ValueExists(kConfigIniSection, name);
        Registry reg;
        return reg.OpenKey(kConfigRegistryKey, false) && reg.ValueExists(name);
    }

    std::string ReadString(const std::string& name) const {
        if (kind_ == StoreKind::File) return IniFile(fileName_).ReadString(kConfigIniSection, name, "");
        Registry reg;
        reg.OpenKey(kConfigRegistryKey, false);
        return reg.ReadString(name);
    }

    void WriteString(const std::string& name, const std::string& value) {
        Change([&](IniFile& ini) { ini.WriteString(kConfigIniSection, name, value); },
               [&](Registry& reg) { reg.WriteString(name, value); });
    }

    void WriteInteger(const std::string& name, int value) {
        Change([&](IniFile& ini) { ini.WriteInteger(kConfigIniSection, name, value); },
               [&](Registry& reg) { reg.WriteInteger(name, value); });
    }

    void Delete(const std::string& name) {
        Change([&](IniFile& ini) { ini.DeleteKey(kConfigIniSection, name); },
               [&](Registry& reg) { reg.DeleteValue(name); });
    }

private:
    template <class IniChange, class RegistryChange>
    void Change(IniChange onIni, RegistryChange onRegistry) {
        if (kind_ == StoreKind::File) {
            IniFile ini(fileName_);
            onIni(ini);
            ini.UpdateFile();
            return;
        }
        Registry reg;
        reg.OpenKey(kConfigRegistryKey, true);
        onRegistry(reg);
    }

    StoreKind kind_;
    std::string fileName_;
};

}  // namespace skrivo::testing
