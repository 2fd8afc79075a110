// TMacro: copying and streaming macro data.
#include "macros/Macro.h"

namespace skrivo {

void TMacro::Assign(const TMacro& source) {
    if (&source == this) return;
    FName = source.FName;
    FShtcut = source.FShtcut;
    FData = TMemoryStream(std::string(source.FData.Bytes()));
}

void TMacro::LoadFromStream(TMemoryStream& stream) {
    stream.SetPosition(0);
    FData = TMemoryStream(stream.ReadBytes(stream.Size()));
}

void TMacro::SaveToStream(TMemoryStream& stream) const {
    stream.WriteBytes(FData.Bytes());
}

void TMacro::AppendFromStream(TMemoryStream& stream) {
    FData.Seek(0, TSeekOrigin::soEnd);
    // CopyFrom reads a count of 0 as "everything", which is not what an
    // exhausted stream means here.
    if (stream.Remaining() > 0) FData.CopyFrom(stream, stream.Remaining());
}

}  // namespace skrivo
