// Shortcut capture, shared by the store-macro and key combination dialogs.
#pragma once

#include "macros/ui/KeyPreview.h"

class QLineEdit;

namespace skrivo {

// A shortcut key replaces the box's text and is consumed; any other key goes
// on to the focused control (so a name can be typed beside the box).
bool CaptureShortcut(const TPreviewKey& key, QLineEdit& shortcutBox, bool refuseShiftSpace);

}  // namespace skrivo
