// The keyboard calls of the layout conversion, with their fallbacks to the active layout.
#include "convert/LayoutCalls.h"

#include <algorithm>
#include <array>

#include "bridge/Diagnostics.h"
#include "platform/KeyboardLayout.h"

namespace skrivo {

namespace {
template <class Function>
Function Resolve(const TProcLookup& lookup, std::string_view name) {
    return lookup ? reinterpret_cast<Function>(lookup(name)) : nullptr;
}
}  // namespace

TLayoutCalls::TLayoutCalls(const TProcLookup& lookup)
    : FVkKeyScanEx(Resolve<VkKeyScanExFn>(lookup, "VkKeyScanExA")),
      FMapVirtualKeyEx(Resolve<MapVirtualKeyExFn>(lookup, "MapVirtualKeyExA")),
      FToAsciiEx(Resolve<ToAsciiExFn>(lookup, "ToAsciiEx")),
      FGetLayoutList(Resolve<GetLayoutListFn>(lookup, "GetKeyboardLayoutList")) {}

std::int16_t TLayoutCalls::ExVkKeyScan(char ch, win::WORD layout) const {
    if (FVkKeyScanEx) return FVkKeyScanEx(ch, layout);
    Rpt("VKKEYSCAN - No!");
    return win::VkKeyScan(ch);
}

win::UINT TLayoutCalls::ExMapVirtualKey(win::UINT code, win::UINT mapType, win::WORD layout) const {
    if (FMapVirtualKeyEx) return FMapVirtualKeyEx(code, mapType, layout);
    Rpt("MAP - NO!");
    return win::MapVirtualKey(code, mapType);
}

int TLayoutCalls::ExToAscii(win::UINT virtKey, win::UINT scanCode, const win::BYTE keyState[256], win::WORD* out,
                            win::WORD layout) const {
    // The callee may treat the state as its own scratch space.
    std::array<win::BYTE, 256> copy{};
    std::copy_n(keyState, copy.size(), copy.begin());
    if (FToAsciiEx) return FToAsciiEx(virtKey, scanCode, copy.data(), out, 0, layout);
    Rpt("TOASCII- NO!");
    return win::ToAscii(virtKey, scanCode, copy.data(), out, 0);
}

int TLayoutCalls::ExGetLayouts(int max, win::HKL* list) const {
    return FGetLayoutList ? FGetLayoutList(max, list) : 0;
}

}  // namespace skrivo
