// Shortcut capture, shared by the store-macro and key combination dialogs.
#include "macros/ui/ShortcutCapture.h"

#include <QLineEdit>

#include "macros/ShortcutRules.h"
#include "options/DialogForm.h"

namespace skrivo {

bool CaptureShortcut(const TPreviewKey& key, QLineEdit& shortcutBox, bool refuseShiftSpace) {
    if (key.key == 0) return false;
    const std::string text = CapturedShortcutText(key.key, key.shift, refuseShiftSpace);
    if (text.empty()) return false;
    shortcutBox.setText(AnsiToQt(text));
    return true;
}

}  // namespace skrivo
