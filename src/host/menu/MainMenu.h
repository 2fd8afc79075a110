// The IDE's main menu as menu items with component names over a QMenuBar.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QPointer>

#include "host/api/ToolServices.h"

class QAction;
class QMenu;
class QMenuBar;

namespace skrivo::host {

class MainMenu;

// One item: a menu bar, a command or a separator ("-"). Items own their
// sub-items; DestroyMenuItem removes an item with its sub-items.
class MenuItem final : public IMenuItem {
public:
    MenuItem(MainMenu& menu, MenuItem* parent, QAction* action, std::string name);
    ~MenuItem() override;
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    std::string GetName() override { return name_; }
    std::string GetCaption() override;
    int GetItemCount() override { return static_cast<int>(children_.size()); }
    IMenuItem* GetItem(int index) override;
    int GetIndex() override;
    IMenuItem* InsertItem(int index, const std::string& caption, const std::string& name, const std::string& hint,
                          win::TShortCut shortCut, int context, int groupIndex, TIMenuFlags flags,
                          std::function<void(IMenuItem*)> onClick) override;
    void DestroyMenuItem() override;
    void Click() override;

    // Host side.
    MenuItem* Add(const std::string& caption, const std::string& name, win::TShortCut shortCut = 0,
                  std::function<void(IMenuItem*)> onClick = {}, TIMenuFlags flags = mfEnabled | mfVisible);
    QAction* Action() const { return action_; }
    QMenu* SubMenu();
    win::TShortCut ShortCut() const { return shortCut_; }
    bool Usable() const;
    MenuItem* Find(const std::string& name);
    MenuItem* FindByShortCut(win::TShortCut shortCut);
    const std::vector<std::unique_ptr<MenuItem>>& Children() const { return children_; }

private:
    friend class MainMenu;
    MainMenu& menu_;
    MenuItem* parent_;
    QPointer<QAction> action_;
    std::string name_;
    win::TShortCut shortCut_ = 0;
    std::function<void(IMenuItem*)> onClick_;
    std::vector<std::unique_ptr<MenuItem>> children_;
};

class MainMenu final : public IMainMenu {
public:
    explicit MainMenu(QMenuBar& bar);
    MainMenu(const MainMenu&) = delete;
    MainMenu& operator=(const MainMenu&) = delete;

    IMenuItem* FindMenuItem(const std::string& name) override { return Find(name); }
    int GetItemCount() override { return static_cast<int>(bars_.size()); }
    IMenuItem* GetItem(int index) override;

    MenuItem* AddBar(const std::string& caption, const std::string& name);
    MenuItem* Find(const std::string& name);
    // The enabled, visible command with this shortcut; nullptr when none.
    MenuItem* FindByShortCut(win::TShortCut shortCut);
    // Alt+letter: opens the bar whose caption underlines the letter.
    bool OpenBarByMnemonic(char letter);
    QMenuBar& Bar() { return bar_; }

private:
    friend class MenuItem;
    QMenuBar& bar_;
    std::vector<std::unique_ptr<MenuItem>> bars_;
};

}  // namespace skrivo::host
