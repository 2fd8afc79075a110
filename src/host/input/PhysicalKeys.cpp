// Whether a key is held down on the keyboard now, asked of the window system rather than read from the events handled so far.
#include "host/input/PhysicalKeys.h"

#include <cstdlib>

#include <QGuiApplication>

#include "platform/KeyboardLayout.h"
#include "platform/VirtualKeys.h"

#if SKRIVO_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace skrivo::host {

std::optional<bool> PhysicalKeyDown(win::WORD vk) {
#if SKRIVO_HAVE_XCB
    if (vk == win::VK_SHIFT || vk == win::VK_CONTROL || vk == win::VK_MENU) return std::nullopt;
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) return std::nullopt;
    // X key codes of the main block are the PC scan codes + 8.
    const win::UINT scan = win::MapVirtualKeyEx(vk, 0, win::HKL_US);
    if (scan == 0 || scan > 88) return std::nullopt;
    xcb_query_keymap_reply_t* keymap = xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr);
    if (!keymap) return std::nullopt;
    const unsigned code = scan + 8;
    const bool down = (keymap->keys[code / 8] >> (code % 8)) & 1;
    std::free(keymap);
    return down;
#else
    (void)vk;
    return std::nullopt;
#endif
}

}  // namespace skrivo::host
