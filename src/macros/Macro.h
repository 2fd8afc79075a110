// TMacro: a named, shortcut-bearing macro whose data is a stream of tagged portions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "macros/MemoryStream.h"

namespace skrivo {

// The fields are public because the recorder, the player and the dialogs
// work on them directly: the player walks FData's position through the
// portions, the options dialog sets FListIndex on its copies.
class TMacro {
public:
    TMacro() = default;

    // Name, shortcut and the whole data; FListIndex stays, it describes this
    // object and not the macro it copies. The data's position is reset.
    void Assign(const TMacro& source);

    bool Empty() const { return FData.Size() == 0; }
    const char* GetData() const { return FData.Memory(); }
    std::int32_t GetSize() const { return static_cast<std::int32_t>(FData.Size()); }

    // Replaces the data by the whole of stream, read from its start; stream is
    // left at its end and the data positioned at its start.
    void LoadFromStream(TMemoryStream& stream);
    // Writes the whole data at stream's position.
    void SaveToStream(TMemoryStream& stream) const;
    // Appends the bytes from stream's position to its end; the data is left
    // positioned at its end, ready for the next portion.
    void AppendFromStream(TMemoryStream& stream);

    void SetName(std::string name) { FName = std::move(name); }
    void SetShtcut(std::uint16_t shortCut) { FShtcut = shortCut; }

    TMemoryStream FData;
    std::uint16_t FShtcut = 0;
    std::string FName;
    // Index of the configuration macro this object was copied from; -1 on
    // anything that is not such a copy.
    std::int32_t FListIndex = -1;
};

}  // namespace skrivo
