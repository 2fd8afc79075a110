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
        if (kind_ == StoreKind::File) {
            IniFile ini(fileName_);
            ini.WriteString(kConfigIniSection, name, value);
            ini.UpdateFile();
            return;
        }
        Registry reg;
        reg.OpenKey(kConfigRegistryKey, true);
        reg.WriteString(name, value);
    }

    void WriteInteger(const std::string& name, int value) {
        if (kind_ == StoreKind::File) {
            IniFile ini(fileName_);
            ini.WriteInteger(kConfigIniSection, name, value);
            ini.UpdateFile();
            return;
        }
        Registry reg;
        reg.OpenKey(kConfigRegistryKey, true);
        reg.WriteInteger(name, value);
    }

    void Delete(const std::string& name) {
        if (kind_ == StoreKind::File) {
            IniFile ini(fileName_);
            ini.DeleteKey(kConfigIniSection, name);
            ini.UpdateFile();
            return;
        }
        Registry reg;
        reg.OpenKey(kConfigRegistryKey, true);
        reg.DeleteValue(name);
    }

private:
    StoreKind kind_;
    std::string fileName_;
};

}  // namespace skrivo::testing
