// Decimal integers written as text: the host's integer conversion, without exceptions.
#pragma once

#include <cstdint>
#include <string_view>

namespace skrivo {

// An optional sign and decimal digits, nothing else, within 32 bits; false
// (value untouched) for anything else.
bool TryStrToInt(std::string_view text, std::int32_t& value);

}  // namespace skrivo
