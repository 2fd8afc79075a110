// The host's tool services: expert registration, modules of the project, add-in notifications, main menu.
#pragma once

#include <functional>
#include <string>

#include "host/api/Editor.h"
#include "platform/ShortCut.h"

namespace skrivo::host {

// An expert as the host sees it after registration.
class IExpert {
public:
    virtual ~IExpert() = default;
    virtual std::string GetName() = 0;
    virtual std::string GetAuthor() = 0;
    virtual std::string GetComment() = 0;
    virtual std::string GetPage() = 0;
    virtual int GetStyle() = 0;   // 3 = add-in
    virtual int GetState() = 0;   // bit 0 = enabled
    virtual std::string GetIDString() = 0;
    virtual std::string GetMenuText() = 0;
    virtual void Execute() = 0;
};

class IAddInNotifier {
public:
    virtual ~IAddInNotifier() = default;
    virtual void FileNotification(TFileNotification code, const std::string& fileName, bool& cancel) = 0;
    virtual void EventNotification(TEventNotification code, bool& cancel) = 0;
};

// Menu flags of InsertItem.
using TIMenuFlags = unsigned;
inline constexpr TIMenuFlags mfInvalid = 0x01;
inline constexpr TIMenuFlags mfEnabled = 0x02;
inline constexpr TIMenuFlags mfVisible = 0x04;
inline constexpr TIMenuFlags mfChecked = 0x08;
inline constexpr TIMenuFlags mfBreak = 0x10;
inline constexpr TIMenuFlags mfBarBreak = 0x20;
inline constexpr TIMenuFlags mfRadioItem = 0x40;

class IMenuItem {
public:
    virtual ~IMenuItem() = default;
    virtual std::string GetName() = 0;
    virtual std::string GetCaption() = 0;   // "-" for a separator
    virtual int GetItemCount() = 0;
    virtual IMenuItem* GetItem(int index) = 0;   // owned by the menu
    virtual int GetIndex() = 0;
    // Inserts a new item before index (clamped to the item count) and
    // returns it; nullptr on failure.
    virtual IMenuItem* InsertItem(int index, const std::string& caption, const std::string& name,
                                  const std::string& hint, win::TShortCut shortCut, int context,
                                  int groupIndex, TIMenuFlags flags, std::function<void(IMenuItem*)> onClick) = 0;
    // Removes this item from its menu and frees it.
    virtual void DestroyMenuItem() = 0;
    virtual void Click() = 0;
};

class IMainMenu {
public:
    virtual ~IMainMenu() = default;
    // Any item of the menu tree by its component name ("ToolsMenu").
    virtual IMenuItem* FindMenuItem(const std::string& name) = 0;
    virtual int GetItemCount() = 0;       // the menu bars
    virtual IMenuItem* GetItem(int index) = 0;
};

class IToolServices {
public:
    virtual ~IToolServices() = default;
    // The units of the project: the open files, in opening order.
    virtual int GetUnitCount() = 0;
    virtual std::string GetUnitName(int index) = 0;
    // The file name of the module in front; empty when none.
    virtual std::string GetCurrentFile() = 0;
    // The module of an open file (compared without regard to case), nullptr
    // when the file is not open. Owned by the host.
    virtual IModuleInterface* GetModuleInterface(const std::string& fileName) = 0;
    virtual bool AddNotifier(IAddInNotifier* notifier) = 0;
    virtual bool RemoveNotifier(IAddInNotifier* notifier) = 0;
    virtual IMainMenu* GetMainMenu() = 0;
    virtual bool OpenFile(const std::string& fileName) = 0;
    virtual bool CloseFile(const std::string& fileName) = 0;
    virtual bool SaveFile(const std::string& fileName) = 0;
};

}  // namespace skrivo::host
