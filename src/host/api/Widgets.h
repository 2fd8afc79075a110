// What the expert's own windows need of the host beside the form base: window handles, messages for widgets, key events, line heights.
#pragma once

#include <functional>

#include "platform/WinTypes.h"

class QKeyEvent;
class QWidget;

namespace skrivo::host {

// The handle of a widget (handed out on first use) and the widget of a
// handle (nullptr once it is gone).
win::HWND HandleOfWidget(QWidget* widget);
QWidget* WidgetOfHandle(win::HWND handle);

// Gives a control its own message handling: Perform and SendMessage reach it.
using WidgetMessageHandler = std::function<win::LRESULT(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam)>;
void SetWidgetMessageHandler(QWidget* widget, WidgetMessageHandler handler);

// The virtual key of a real key event, by the host's layout rules; 0 when
// the key is unknown.
win::WORD VirtualKeyOfKeyEvent(const QKeyEvent& event);

// Sends a key, character or mouse message to a widget as the Qt event it
// stands for.
void DeliverAsQtEvent(QWidget* widget, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

// The height of one text line of a control in pixels: the editor's own line
// height, else its font's; 0 when the handle names no control.
int LineHeightOf(win::HWND control);

}  // namespace skrivo::host
