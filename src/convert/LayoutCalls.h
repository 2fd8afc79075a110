// The four keyboard calls the layout conversion makes, each preferring the layout-taking "Ex" form.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "platform/UserLibrary.h"
#include "platform/WinTypes.h"

namespace skrivo {

// Finds an export of the user interface library by name.
using TProcLookup = std::function<win::FARPROC(std::string_view name)>;

// Each "Ex" call is looked up once, at construction. A system without it
// gets the plain call, which can only use the active layout, and every such
// use leaves a line in the diagnostic log. Layouts are passed as 16-bit
// language identifiers in place of full handles.
class TLayoutCalls {
public:
    explicit TLayoutCalls(const TProcLookup& lookup = win::GetUserProcAddress);

    // The key typing ch in layout, with 0x100 Shift, 0x200 Ctrl, 0x400 Alt;
    // -1 when no key of the layout types it.
    std::int16_t ExVkKeyScan(char ch, win::WORD layout) const;
    win::UINT ExMapVirtualKey(win::UINT code, win::UINT mapType, win::WORD layout) const;
    // The character the key gives in layout with the key state (the callee
    // gets a copy); the count of characters written to out.
    int ExToAscii(win::UINT virtKey, win::UINT scanCode, const win::BYTE keyState[256], win::WORD* out,
                  win::WORD layout) const;
    // Up to max installed layouts into list; how many there are. 0 when the
    // system cannot tell.
    int ExGetLayouts(int max, win::HKL* list) const;

private:
    using VkKeyScanExFn = std::int16_t (*)(char, win::HKL);
    using MapVirtualKeyExFn = win::UINT (*)(win::UINT, win::UINT, win::HKL);
    using ToAsciiExFn = int (*)(win::UINT, win::UINT, const win::BYTE*, win::WORD*, win::UINT, win::HKL);
    using GetLayoutListFn = int (*)(int, win::HKL*);

    VkKeyScanExFn FVkKeyScanEx = nullptr;
    MapVirtualKeyExFn FMapVirtualKeyEx = nullptr;
    ToAsciiExFn FToAsciiEx = nullptr;
    GetLayoutListFn FGetLayoutList = nullptr;
};

}  // namespace skrivo
