// Sort keys for ANSI texts in the active code page.
#pragma once

#include <string>
#include <string_view>

namespace skrivo::win {

// A key whose plain byte comparison orders texts exactly as AnsiCompareText
// does: a sort makes one key per text instead of weighing both texts at
// every comparison.
std::string AnsiSortKey(std::string_view s);

}  // namespace skrivo::win
