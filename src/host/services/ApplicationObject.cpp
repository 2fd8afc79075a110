// The application object: message and shortcut hooks, message processing, posting and sending.
#include "host/services/ApplicationObject.h"

#include "host/input/MessagePump.h"

namespace skrivo::host {

bool ApplicationObject::PostMessage(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    return pump_.PostMessage(hwnd, msg, wParam, lParam);
}

win::LRESULT ApplicationObject::SendMessage(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    return pump_.SendMessage(hwnd, msg, wParam, lParam);
}

}  // namespace skrivo::host
