// The user interface library's exported entry points, found by name as GetProcAddress finds them.
#pragma once

#include <string_view>

namespace skrivo::win {

// An exported entry point; callers cast it to the entry's own signature.
using FARPROC = void (*)();

// The address of the named export of the user interface library ("user32"),
// nullptr when the library exports no such name. The keyboard calls are there
// under their Windows names: "GetKeyboardLayout", "GetKeyboardLayoutList",
// "VkKeyScanA", "VkKeyScanExA", "MapVirtualKeyA", "MapVirtualKeyExA",
// "ToAscii", "ToAsciiEx". Names are matched exactly, as Windows does.
FARPROC GetUserProcAddress(std::string_view name);

}  // namespace skrivo::win
