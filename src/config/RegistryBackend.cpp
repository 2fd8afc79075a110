// The configuration key of the per-user registry as a ConfigBackend.
#include <memory>

#include "config/ConfigBackend.h"
#include "platform/Registry.h"

namespace skrivo {

namespace {

class RegistryBackend final : public ConfigBackend {
public:
    explicit RegistryBackend(std::unique_ptr<Registry> reg) : reg_(std::move(reg)) {}

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
    void DeleteValue(std::string_view name) override { reg_->DeleteValue(name); }

    void Commit() override {}  // every registry write is already its own transaction

private:
    std::unique_ptr<Registry> reg_;
};

}  // namespace

std::unique_ptr<ConfigBackend> OpenRegistryConfig(bool forSaving) {
    auto reg = std::make_unique<Registry>();
    if (!reg->OpenKey(kConfigRegistryKey, forSaving)) {
        if (forSaving)
            throw ERegistryException("Cannot create the registry key HKEY_CURRENT_USER\\" +
                                     std::string(kConfigRegistryKey) + " to save the configuration");
        return nullptr;
    }
    return std::make_unique<RegistryBackend>(std::move(reg));
}

}  // namespace skrivo
