// Between Qt's keys and events and Windows' virtual keys, scan codes and messages.
#pragma once

#include "host/api/Widgets.h"
#include "platform/WinTypes.h"
#include "host/input/KeyState.h"

class QKeyEvent;
class QWidget;

namespace skrivo::host {

// The Qt key that a virtual key stands for (0 when none), for events the
// host makes for Qt widgets.
int QtKeyOfVirtualKey(win::WORD vk);

// The virtual key of a real key event: keys that type no character by Qt's
// key; character keys by their physical position (the native scan code read
// through the US layout), so the character comes from the host's layout and
// not the desktop's. 0 when the key is unknown. side tells left from right
// for Shift, Ctrl and Alt.
win::WORD VirtualKeyOfEvent(const QKeyEvent& event, KeySide& side);

// The keypad's middle key while Num Lock is off, or while Shift turns Num
// Lock's meaning round, as the window system reports it (a Clear key). It is
// still Num 5, the default macro keys' key: on X11 Shift always turns Num Lock
// round, so as Clear either Num 5 or Shift+Ctrl+Num 5 could never be pressed.
// Like Clear, it types no character.
bool IsKeypadFiveWithoutDigit(const QKeyEvent& event);

// The key message lParam for a virtual key (scan code of the US layout,
// extended flag for the keys of the navigation block and right Ctrl/Alt).
win::LPARAM KeyLParam(win::WORD vk, KeySide side, bool keyUp, bool previouslyDown, bool altDown);
// The side a key message's lParam names (right Shift by its scan code, right
// Ctrl and Alt by the extended flag).
KeySide SideOfKeyMessage(win::WORD vk, win::LPARAM lParam);


}  // namespace skrivo::host
