// Sample configurations for round-trip tests.
#include "ConfigSamples.h"

#include "config/DefaultConfig.h"
#include "config/OptionTable.h"

namespace skrivo::testing {

bool FillWithSampleValues(TExpertConfig& cfg) {
    int n = 0;
    for (const OptionDef& d : OptionTable()) {
        ++n;
        switch (d.kind) {
            case OptionKind::Boolean: d.Bool(cfg) = d.defaultValue == 0; break;
            case OptionKind::Integer: d.Int(cfg) = d.defaultValue + 1000 + n; break;
            // Alt+letter: distinct per slot, named in every layout.
            case OptionKind::Shortcut: d.Shortcut(cfg) = 0x8000u | static_cast<std::uint32_t>('A' + d.slot); break;
            case OptionKind::String: d.Text(cfg) = "C:\\Some Folder=x\\" + std::string(d.name) + ".wav"; break;
            default: break;
        }
    }
    cfg.SearchInHints = false;  // never stored: a loaded configuration has its own

    cfg.WordsList = StringList{"begin", " S", "!end", "a=b", "'quoted'", ""};
    cfg.ConditionList = StringList{"*begin|", "{|}", "", "  leading blanks|"};
    cfg.SubstList.SetText(DefaultSubstitutionText());
    cfg.SubstList.Add("\x01* off|");
    cfg.SubstList.Add(" := |;");

    cfg.MacroList.Clear();
    std::string allBytes;
    for (int b = 0; b < 256; ++b) allBytes += static_cast<char>(b);
    auto add = [&](std::string name, std::uint16_t shortcut, std::string data) {
        auto m = std::make_unique<TMacro>();
        m->SetName(std::move(name));
        m->SetShtcut(shortcut);
        TMemoryStream s(std::move(data));
        m->LoadFromStream(s);
        cfg.MacroList.Add(std::move(m));
    };
    add("every byte", 0x6041, allBytes);
    add("", 0, "");
    add("  spaced name  ", 0xC070, std::string("\x00\xFF\x10", 3));
    return !kDefaultFastReadText;
}

}  // namespace skrivo::testing
