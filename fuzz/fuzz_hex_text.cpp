// Macro data as hexadecimal text: any text decodes, and bytes survive the round trip.
#include "FuzzSupport.h"
#include "config/HexText.h"

using namespace skrivo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string bytes = HexToBytes(text);
    FUZZ_CHECK(bytes.size() <= size / 2);
    const std::string hex = BytesToHex(bytes);
    FUZZ_CHECK(hex.size() == 2 * bytes.size());
    FUZZ_CHECK(HexToBytes(hex) == bytes);
    FUZZ_CHECK(HexToBytes(BytesToHex(text)) == text);
    return 0;
}
