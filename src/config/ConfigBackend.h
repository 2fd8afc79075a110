// One open configuration store (the registry key or an INI file section) behind one interface.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skrivo {

inline constexpr std::string_view kConfigRegistryKey = "Software\\Quorvel\\Skrivo\\Delphi7\\";
inline constexpr std::string_view kConfigIniSection = "Skrivo configuration";

// The value forms differ between the stores (a registry Boolean is an
// integer, macro data is binary in the registry and hexadecimal text in a
// file); this interface hides that from the transfer. Registry reads raise
// ERegistryException for a value of another type; INI reads raise it for a
// text that is not a number.
class ConfigBackend {
public:
    virtual ~ConfigBackend() = default;

    // Where the values are, for messages: the registry key or the file.
    virtual std::string Where() const = 0;

    virtual bool ValueExists(std::string_view name) const = 0;
    virtual std::vector<std::string> ValueNames() const = 0;
    virtual bool ReadBool(std::string_view name) const = 0;
    virtual std::int32_t ReadInteger(std::string_view name) const = 0;
    virtual std::string ReadString(std::string_view name) const = 0;
    virtual std::string ReadData(std::string_view name) const = 0;

    virtual void WriteBool(std::string_view name, bool value) = 0;
    virtual void WriteInteger(std::string_view name, std::int32_t value) = 0;
    virtual void WriteString(std::string_view name, std::string_view value) = 0;
    virtual void WriteData(std::string_view name, std::string_view bytes) = 0;
    virtual void DeleteValue(std::string_view name) = 0;

    // Makes the changes lasting (the INI file is written in one piece here).
    virtual void Commit() = 0;
    // The copy Commit kept of a file whose text it could not read whole.
    virtual std::optional<std::string> KeptBackup() const { return std::nullopt; }
};

// The configuration key of the per-user registry. Loading: nullptr when the
// key does not exist. Saving: the key is created; a key that cannot be
// created raises ERegistryException rather than losing the save silently.
std::unique_ptr<ConfigBackend> OpenRegistryConfig(bool forSaving);

// The "Skrivo configuration" section of the INI file at path; a missing file
// reads as empty. Raises FileError when the file exists but cannot be read.
std::unique_ptr<ConfigBackend> OpenIniConfig(const std::string& path);

}  // namespace skrivo
