// The IDE's own keys after the hooks: menu shortcuts and mnemonics, bookmarks, window switching, the layout switch.
#include "host/HostApplication.h"

#include <QTabWidget>
#include <QWidget>

#include "host/editor/Module.h"
#include "host/forms/Desktop.h"
#include "host/forms/EditWindow.h"
#include "host/menu/MainMenu.h"
#include "host/services/ModuleManager.h"
#include "platform/ShortCut.h"
#include "platform/VirtualKeys.h"

namespace skrivo::host {

using namespace win;

bool HostApplication::HostShortCut(const TMsg& msg, QWidget* target) {
    const auto vk = static_cast<WORD>(msg.wParam);
    const KeyState& keys = KeyState::Current();
    const bool repeat = (msg.lParam >> 30) & 1;
    // Alt+Shift switches the layout when the second of the two is released
    // with no other key between, as Windows does; Alt+Shift+arrow stays a
    // selection key.
    const bool altShift = (vk == VK_SHIFT && keys.Pressed(VK_MENU)) || (vk == VK_MENU && keys.Pressed(VK_SHIFT));
    if (!repeat) layoutSwitchArmed_ = altShift && !keys.Pressed(VK_CONTROL);
    // The main window's keys work only while it has the keyboard.
    if (!target || target->window() != window_.get()) return false;
    if (vk == VK_SHIFT || vk == VK_CONTROL || vk == VK_MENU) return false;
    const TShiftState shift = keys.Shift();
    if (shift == ssAlt && Desktop::Instance().FollowNativeActivation() && vk >= 'A' && vk <= 'Z' &&
        window_->Menu().OpenBarByMnemonic(static_cast<char>(vk)))
        return true;
    if (MenuItem* item = window_->Menu().FindByShortCut(ShortCut(vk, shift))) {
        item->Click();
        return true;
    }
    Module* module = modules_->Current();
    if (module && module->Source() && vk >= '0' && vk <= '9') {
        EditView& view = module->Source()->View();
        const int id = vk - '0';
        if (shift == (ssShift | ssCtrl)) {
            // The same bookmark on the cursor's line again clears it.
            if (view.GetBookmarkPos(id).Line == view.CursorPos().Line)
                view.ClearBookmark(id);
            else
                view.BookmarkRecord(id);
            return true;
        }
        if (shift == ssCtrl) {
            view.GotoBookmark(id);
            module->Source()->Block().AcceptEditorSelection();
            return true;
        }
    }
    if (vk == VK_TAB && (shift & ssCtrl) && !(shift & ssAlt)) {
        QTabWidget& tabs = window_->Tabs();
        const int count = tabs.count();
        if (count > 1) tabs.setCurrentIndex((tabs.currentIndex() + ((shift & ssShift) ? count - 1 : 1)) % count);
        return true;
    }
    return false;
}

}  // namespace skrivo::host
