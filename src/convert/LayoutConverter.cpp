// Conversion in the direction the recent layouts suggest, and back when that finds nothing.
#include "convert/LayoutConverter.h"

namespace skrivo {

namespace {
template <class Text, class ConvertFn>
bool BothWays(const TLayoutConverter& converter, Text& text, ConvertFn convert) {
    const win::WORD present = converter.LayoutAt(0);
    const win::WORD before = converter.LayoutAt(1);
    if (convert(text, present, before)) return true;
    return present != before && convert(text, before, present);
}
}  // namespace

bool TLayoutConverter::Convert(TConvertMode mode, std::string& text) const {
    return BothWays(*this, text, [&](std::string& t, win::WORD from, win::WORD to) {
        return ConvertText(mode, t, from, to, FCalls);
    });
}

bool TLayoutConverter::Convert(TConvertMode mode, std::vector<std::string>& lines) const {
    return BothWays(*this, lines, [&](std::vector<std::string>& l, win::WORD from, win::WORD to) {
        return ConvertLines(mode, l, from, to, FCalls);
    });
}

}  // namespace skrivo
