// Registry rows of any name, type and content under the configuration key: loading never crashes or runs away,
// and whatever loaded survives a configuration copy (".sk") whole.
#include <vector>

#include "FuzzSupport.h"
#include "config/ConfigBackend.h"
#include "config/ConfigStore.h"
#include "config/OptionTable.h"
#include "platform/FileIO.h"
#include "platform/Registry.h"

using namespace skrivo;

namespace {

// Names the loader reads: every option, and list entries of low indexes.
const std::vector<std::string>& Names() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> n;
        for (const OptionDef& d : OptionTable()) n.emplace_back(d.name);
        for (int i = 0; i < 4; ++i) {
            const std::string x = std::to_string(i);
            for (const std::string& s : {"Word" + x, "Condition" + x, "Subst" + x + "From", "Subst" + x + "To",
                                         "Macro" + x + "Name", "Macro" + x + "Shortcut", "Macro" + x + "Data"})
                n.push_back(s);
        }
        return n;
    }();
    return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ScratchFolder();
    {
        Registry reg;
        reg.DeleteKey(kConfigRegistryKey);
        reg.BeginUpdate();
        reg.OpenKey(kConfigRegistryKey, true);
        fuzz::Input in(data, size);
        while (!in.Empty()) {
            const std::uint8_t kind = in.Byte();
            const std::uint8_t pick = in.Byte();
            const std::string name =
                pick < 240 ? Names()[pick % Names().size()] : std::string(in.Piece());
            switch (kind % 3) {
                case 0: reg.WriteInteger(name, static_cast<std::int32_t>(in.Word() | in.Word() << 16)); break;
                case 1: reg.WriteString(name, in.Piece()); break;
                default: reg.WriteBinaryData(name, in.Piece()); break;
            }
        }
        reg.CommitUpdate();
    }
    ConfigStore store;
    try {
        store.LoadSaveConfig(false, "");
    } catch (const std::exception&) {
        return 0;  // reported to the user; nothing to check
    }
    // A corrupt count never makes more entries than the store holds.
    FUZZ_CHECK(store.GetCfg()->ConditionList.Count() <= 4);
    FUZZ_CHECK(store.GetCfg()->SubstList.Count() <= 8);
    FUZZ_CHECK(store.GetCfg()->MacroList.Count() <= 4);

    // Any byte a registry value holds (a NUL, a line break) is written so
    // that the copy reads back as what was written, and hides nothing after it.
    const std::string first = fuzz::ScratchFolder() + "first.sk", second = fuzz::ScratchFolder() + "second.sk";
    for (const std::string& f : {first, first + ".bak", second, second + ".bak"}) DeleteFileIfExists(f);
    store.LoadSaveConfig(true, first);
    ConfigStore again;
    again.LoadSaveConfig(false, first);
    again.LoadSaveConfig(true, second);
    FUZZ_CHECK(ReadFileBytes(first) == ReadFileBytes(second));
    return 0;
}
