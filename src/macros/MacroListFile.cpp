// Macro list files (".km"): the macros a user exchanges, with their names and shortcuts.
#include "macros/MacroListFile.h"

#include "macros/MacroPortions.h"
#include "platform/FileIO.h"

namespace skrivo {

std::string MacroListBytes(std::span<const TMacro* const> macros) {
    TMemoryStream out;
    out.WriteBytes(kMacroListHeader);
    out.WriteInt32(static_cast<std::int32_t>(macros.size()));
    for (const TMacro* macro : macros) {
        out.WriteInt32(static_cast<std::int32_t>(macro->FName.size()));
        out.WriteBytes(macro->FName);
        out.WriteInt32(static_cast<std::int32_t>(macro->FShtcut));
        out.WriteInt32(macro->GetSize());
        out.WriteBytes(macro->FData.Bytes());
    }
    return std::string(out.Bytes());
}

TMacroListRead ReadMacroList(std::string_view bytes) {
    TMacroListRead result;
    if (bytes.substr(0, kMacroListHeader.size()) != kMacroListHeader) return result;
    result.recognised = true;
    TMemoryStream in{std::string(bytes.substr(kMacroListHeader.size()))};
    try {
        // The count is not trusted for anything but the loop: each macro's
        // lengths are checked against what the file still holds.
        const std::int32_t count = in.ReadInt32();
        for (std::int32_t i = 0; i < count; ++i) {
            auto macro = std::make_unique<TMacro>();
            macro->SetName(in.ReadBytes(static_cast<std::size_t>(ReadLength(in, "name"))));
            macro->SetShtcut(static_cast<std::uint16_t>(in.ReadInt32() & 0xFFFF));
            TMemoryStream data{in.ReadBytes(static_cast<std::size_t>(ReadLength(in, "macro data")))};
            macro->LoadFromStream(data);
            result.macros.push_back(std::move(macro));
        }
    } catch (const EStreamError&) {
        result.damaged = true;
    } catch (const EMacroDataError&) {
        result.damaged = true;
    }
    return result;
}

void SaveMacroListFile(const std::string& path, std::span<const TMacro* const> macros) {
    WriteFileAtomic(path, MacroListBytes(macros));
}

TMacroListRead LoadMacroListFile(const std::string& path) { return ReadMacroList(ReadFileBytes(path)); }

}  // namespace skrivo
