// The "Skrivo configuration" section of an INI file as a ConfigBackend.
#include <memory>

#include "config/ConfigBackend.h"
#include "config/HexText.h"
#include "platform/IniFile.h"
#include "platform/Registry.h"

namespace skrivo {

namespace {

class IniBackend final : public ConfigBackend {
public:
    explicit IniBackend(const std::string& path) : ini_(path) {}

    std::string Where() const override { return "the file " + ini_.FileName(); }

    bool ValueExists(std::string_view name) const override { return ini_.ValueExists(kConfigIniSection, name); }
    std::vector<std::string> ValueNames() const override { return ini_.ReadSection(kConfigIniSection); }
    // Only existing values are read. A hand-edited text that is not a number
    // fails like a registry value of the wrong type: the option keeps its
    // value and the load names it, instead of silently turning into 0 (a
    // delay of 0 ms, a list of at most 0 words).
    bool ReadBool(std::string_view name) const override { return ReadInteger(name) != 0; }
    std::int32_t ReadInteger(std::string_view name) const override {
        if (auto value = ini_.ReadNumber(kConfigIniSection, name)) return *value;
        throw ERegistryException("\"" + ini_.ReadString(kConfigIniSection, name, "") + "\" is not a number");
    }
    std::string ReadString(std::string_view name) const override {
        return ini_.ReadString(kConfigIniSection, name, "");
    }
    std::string ReadData(std::string_view name) const override { return HexToBytes(ReadString(name)); }

    void WriteBool(std::string_view name, bool value) override { ini_.WriteBool(kConfigIniSection, name, value); }
    void WriteInteger(std::string_view name, std::int32_t value) override {
        ini_.WriteInteger(kConfigIniSection, name, value);
    }
    void WriteString(std::string_view name, std::string_view value) override {
        ini_.WriteString(kConfigIniSection, name, value);
    }
    void WriteData(std::string_view name, std::string_view bytes) override { WriteString(name, BytesToHex(bytes)); }
    void DeleteValue(std::string_view name) override { ini_.DeleteKey(kConfigIniSection, name); }

    void Commit() override { ini_.UpdateFile(); }
    std::optional<std::string> KeptBackup() const override { return ini_.KeptBackup(); }

private:
    IniFile ini_;
};

}  // namespace

std::unique_ptr<ConfigBackend> OpenIniConfig(const std::string& path) {
    return std::make_unique<IniBackend>(path);
}

}  // namespace skrivo
