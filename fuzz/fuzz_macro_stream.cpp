// The macro byte stream: any sequence of reads, writes and seeks keeps the stream sound, and fails only as EStreamError.
#include "FuzzSupport.h"
#include "macros/Macro.h"
#include "macros/MemoryStream.h"

using namespace skrivo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    TMemoryStream stream(std::string(in.Piece()));
    TMacro macro;
    while (!in.Empty()) {
        const std::size_t sizeBefore = stream.Size(), posBefore = stream.Position();
        try {
            switch (in.Byte() % 10) {
                case 0: stream.Seek(static_cast<std::int16_t>(in.Word()), static_cast<TSeekOrigin>(in.Byte() % 3)); break;
                case 1: {
                    const std::string bytes = stream.ReadBytes(in.Byte());
                    FUZZ_CHECK(stream.Position() == posBefore + bytes.size());
                    break;
                }
                case 2: stream.ReadInt32(); break;
                case 3: {
                    char buffer[256];
                    const std::size_t n = stream.Read(buffer, in.Byte());
                    FUZZ_CHECK(n <= sizeBefore);
                    break;
                }
                case 4: {
                    const std::string_view bytes = in.Piece();
                    stream.WriteBytes(bytes);
                    FUZZ_CHECK(stream.Position() == posBefore + bytes.size());
                    // An empty write past the end extends nothing.
                    if (!bytes.empty()) FUZZ_CHECK(stream.Size() >= stream.Position());
                    break;
                }
                case 5: stream.SetSize(in.Byte()); break;
                case 6: stream.SetPosition(in.Word() % 512); break;
                case 7: macro.AppendFromStream(stream); break;
                case 8: {
                    macro.LoadFromStream(stream);
                    FUZZ_CHECK(macro.FData.Bytes() == stream.Bytes());
                    break;
                }
                default: {
                    TMemoryStream saved;
                    macro.SaveToStream(saved);
                    FUZZ_CHECK(saved.Bytes() == macro.FData.Bytes());
                    break;
                }
            }
        } catch (const EStreamError&) {
            // A failed read leaves the stream where it was.
            FUZZ_CHECK(stream.Size() == sizeBefore);
        }
    }
    return 0;
}
