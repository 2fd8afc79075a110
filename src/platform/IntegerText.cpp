// Decimal integers written as text: the host's integer conversion, without exceptions.
#include "platform/IntegerText.h"

#include <charconv>

namespace skrivo {

bool TryStrToInt(std::string_view text, std::int32_t& value) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty() || text.front() == '+') return false;
    std::int32_t parsed = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (ec != std::errc() || end != text.data() + text.size()) return false;
    value = parsed;
    return true;
}

}  // namespace skrivo
