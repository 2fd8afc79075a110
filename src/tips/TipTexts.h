// The texts of the tips, as rich text (HTML of the subset Qt's text documents show).
#pragma once

#include <string>

namespace skrivo {

inline constexpr int kTipCount = 2;

// The rich text of tip 1 or 2; empty for any other index.
std::string TipRichText(int tip);

}  // namespace skrivo
