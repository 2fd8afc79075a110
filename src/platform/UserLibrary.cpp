// The user interface library's export table.
#include "platform/UserLibrary.h"

#include <array>
#include <utility>

#include "platform/KeyboardLayout.h"

namespace skrivo::win {

namespace {

template <class Function>
FARPROC Entry(Function* function) {
    return reinterpret_cast<FARPROC>(function);
}

const std::array<std::pair<std::string_view, FARPROC>, 8>& Exports() {
    static const std::array<std::pair<std::string_view, FARPROC>, 8> exports = {{
        {"GetKeyboardLayout", Entry(&GetKeyboardLayout)},
        {"GetKeyboardLayoutList", Entry(&GetKeyboardLayoutList)},
        {"VkKeyScanA", Entry(&VkKeyScan)},
        {"VkKeyScanExA", Entry(&VkKeyScanEx)},
        {"MapVirtualKeyA", Entry(&MapVirtualKey)},
        {"MapVirtualKeyExA", Entry(&MapVirtualKeyEx)},
        {"ToAscii", Entry(&ToAscii)},
        {"ToAsciiEx", Entry(&ToAsciiEx)},
    }};
    return exports;
}

}  // namespace

FARPROC GetUserProcAddress(std::string_view name) {
    for (const auto& [exported, address] : Exports())
        if (exported == name) return address;
    return nullptr;
}

}  // namespace skrivo::win
