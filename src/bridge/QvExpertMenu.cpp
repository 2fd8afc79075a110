// TQvExpert: inserting the expert's items into the IDE's main menu.
#include "bridge/Diagnostics.h"
#include "bridge/QvExpert.h"
#include "host/api/Host.h"

namespace skrivo {

std::vector<host::IMenuItem*>& TQvExpert::GetMenuItemsList() {
    if (!FMenuItems) FMenuItems = std::make_unique<std::vector<host::IMenuItem*>>();
    return *FMenuItems;
}

host::IMenuItem* TQvExpert::AddMenuItem(TMenuBarItem bar, int position, const std::string& caption,
                                        const std::string& name, host::TIMenuFlags flags, TMenuClickEvent onClick) {
    b("-> TQvExpert.AddMenuItem");
    host::IHost* host = host::Host();
    host::IMainMenu* menu = host ? host->ToolServices().GetMainMenu() : nullptr;
    host::IMenuItem* barItem = menu ? menu->FindMenuItem(MenuBarName(bar)) : nullptr;
    if (!barItem) return nullptr;
    std::vector<std::string> captions;
    const int count = barItem->GetItemCount();
    captions.reserve(count);
    for (int i = 0; i < count; ++i) {
        host::IMenuItem* item = barItem->GetItem(i);
        captions.push_back(item ? item->GetCaption() : std::string());
    }
    const int index = TranslateMenuPosition(captions, position);
    host::IMenuItem* inserted =
        barItem->InsertItem(index, caption, name, "", win::scNone, 0, 0, flags, std::move(onClick));
    if (inserted) GetMenuItemsList().push_back(inserted);
    b("<- TQvExpert.AddMenuItem");
    return inserted;
}

}  // namespace skrivo
