// Macro data as hexadecimal text, the form it takes in configuration files.
#pragma once

#include <string>
#include <string_view>

namespace skrivo {

// Two upper-case digits per byte, no separators.
std::string BytesToHex(std::string_view bytes);

// Reads digit pairs: 0-9, A-F and a-f count, any other character is skipped,
// and an odd last digit is ignored ("00ff1" gives 0x00 0xFF). Only the pairs
// actually read make bytes, so skipped characters never pad the result.
std::string HexToBytes(std::string_view text);

}  // namespace skrivo
