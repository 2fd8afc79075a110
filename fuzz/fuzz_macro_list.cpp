// Macro list files (".km"): whatever reads is bounded by the file, and written and read again gives the same macros.
#include <vector>

#include "FuzzSupport.h"
#include "macros/MacroListFile.h"

using namespace skrivo;

namespace {

std::vector<const TMacro*> View(const TMacroListRead& read) {
    std::vector<const TMacro*> view;
    for (const auto& macro : read.macros) view.push_back(macro.get());
    return view;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const TMacroListRead first = ReadMacroList(bytes);
    if (!first.recognised) {
        FUZZ_CHECK(first.macros.empty() && !first.damaged);
        return 0;
    }
    // Every macro takes at least its three length and shortcut fields, so a
    // count that lies cannot make the reader build more than the file holds.
    FUZZ_CHECK(first.macros.size() * 12 <= size - kMacroListHeader.size());

    const std::string written = MacroListBytes(View(first));
    const std::string path = fuzz::ScratchFolder() + "list.km";
    SaveMacroListFile(path, View(first));
    const TMacroListRead second = LoadMacroListFile(path);
    FUZZ_CHECK(second.recognised && !second.damaged);
    FUZZ_CHECK(second.macros.size() == first.macros.size());
    for (std::size_t i = 0; i < first.macros.size(); ++i) {
        const TMacro &a = *first.macros[i], &b = *second.macros[i];
        FUZZ_CHECK(a.FName == b.FName && a.FShtcut == b.FShtcut && a.FData.Bytes() == b.FData.Bytes());
    }
    FUZZ_CHECK(MacroListBytes(View(second)) == written);
    return 0;
}
