// The configuration key of the per-user registry as a ConfigBackend.
#include <memory>

#include "config/ConfigBackend.h"
#include "platform/Registry.h"

namespace skrivo {

namespace {

class RegistryBackend final : public ConfigBackend {
public:
    RegistryBackend(std::unique_ptr<Registry> reg, bool readOnly) : reg_(std::move(reg)), readOnly_(readOnly) {}

    std::string Where() const override {
        std::string_view key = kConfigRegistryKey;
        key.remove_suffix(1);  // the trailing separator
        return "the registry key HKEY_CURRENT_USER\\" + std::string(key);
    }

    bool ValueExists(std::string_view name) const override { return reg_->ValueExists(name); }
    std::vector<std::string> ValueNames() const override { return reg_->GetValueNames(); }
    bool ReadBool(std::string_view name) const override { return reg_->ReadBool(name); }
    std::int32_t ReadInteger(std::string_view name) const override { return reg_->ReadInteger(name); }
    std::string ReadString(std::string_view name) const override { return reg_->ReadString(name); }
    std::string ReadData(std::string_view name) const override { return reg_->ReadBinaryData(name); }

    void WriteBool(std::string_view name, bool value) override { reg_->WriteBool(name, value); }
    void WriteInteger(std::string_view name, std::int32_t value) override { reg_->WriteInteger(name, value); }
    void WriteString(std::string_view name, std::string_view value) override { reg_->WriteString(name, value); }
    void WriteData(std::string_view name, std::string_view bytes) override { reg_->WriteBinaryData(name, bytes); }
    // A load that could only take a snapshot leaves stale entries for the
    // next save to remove.
    void DeleteValue(std::string_view name) override {
        if (!readOnly_) reg_->DeleteValue(name);
    }

    void Commit() override { reg_->CommitUpdate(); }

private:
    std::unique_ptr<Registry> reg_;
    bool readOnly_;
};

}  // namespace

// The whole transfer is one transaction: a save interrupted at any moment
// (a kill, a full disk) leaves the previous save whole, and a load never
// reads half of one save and half of another. A load takes the write lock
// too, as it removes stale entries; when another program holds that lock it
// still reads one consistent state.
std::unique_ptr<ConfigBackend> OpenRegistryConfig(bool forSaving) {
    auto reg = std::make_unique<Registry>();
    bool readOnly = false;
    if (forSaving) {
        reg->BeginUpdate();
    } else {
        try {
            reg->BeginUpdate();
        } catch (const ERegistryLocked&) {
            reg->BeginRead();
            readOnly = true;
        }
    }
    if (!reg->OpenKey(kConfigRegistryKey, forSaving)) {
        if (forSaving)
            throw ERegistryException("Cannot create the registry key HKEY_CURRENT_USER\\" +
                                     std::string(kConfigRegistryKey) + " to save the configuration");
        return nullptr;
    }
    return std::make_unique<RegistryBackend>(std::move(reg), readOnly);
}

}  // namespace skrivo
