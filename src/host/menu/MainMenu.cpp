// The IDE's main menu as menu items with component names over a QMenuBar.
#include "host/menu/MainMenu.h"

#include <algorithm>
#include <cctype>
#include <exception>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "host/HostLog.h"
#include "host/input/QtKeys.h"
#include "host/text/AnsiText.h"
#include "platform/CodePage.h"

namespace skrivo::host {

namespace {
QString FromAnsi(const std::string& text) { return QString::fromStdString(AnsiToEditorText(text)); }

bool SameName(const std::string& a, const std::string& b) { return win::AsciiLower(a) == win::AsciiLower(b); }

QKeySequence SequenceOf(win::TShortCut shortCut) {
    win::WORD key = 0;
    win::TShiftState shift = 0;
    win::ShortCutToKey(shortCut, key, shift);
    const int qtKey = QtKeyOfVirtualKey(key);
    if (qtKey == 0) return {};
    int mods = 0;
    if (shift & win::ssShift) mods |= Qt::SHIFT;
    if (shift & win::ssCtrl) mods |= Qt::CTRL;
    if (shift & win::ssAlt) mods |= Qt::ALT;
    return QKeySequence(qtKey | mods);
}
}  // namespace

MenuItem::MenuItem(MainMenu& menu, MenuItem* parent, QAction* action, std::string name)
    : menu_(menu), parent_(parent), action_(action), name_(std::move(name)) {
    if (action_)
        QObject::connect(action_, &QAction::triggered, action_, [this] {
            if (!onClick_) return;
            GuardHostCall("the menu item " + name_, [this] { onClick_(this); });
        });
}

MenuItem::~MenuItem() {
    children_.clear();
    if (action_) {
        if (QMenu* sub = action_->menu()) delete sub;
        delete action_.data();
    }
}

std::string MenuItem::GetCaption() {
    if (!action_) return {};
    if (action_->isSeparator()) return "-";
    return EditorTextToAnsi(action_->text().toStdString());
}

IMenuItem* MenuItem::GetItem(int index) {
    if (index < 0 || index >= GetItemCount()) return nullptr;
    return children_[static_cast<std::size_t>(index)].get();
}

int MenuItem::GetIndex() {
    const auto& siblings = parent_ ? parent_->children_ : menu_.bars_;
    for (std::size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i].get() == this) return static_cast<int>(i);
    return -1;
}

QMenu* MenuItem::SubMenu() {
    if (!action_) return nullptr;
    if (!action_->menu()) {
        auto* sub = new QMenu(qobject_cast<QWidget*>(action_->parent()));
        sub->setTitle(action_->text());
        action_->setMenu(sub);
    }
    return action_->menu();
}

bool MenuItem::Usable() const { return action_ && action_->isEnabled() && action_->isVisible() && !action_->isSeparator(); }

IMenuItem* MenuItem::InsertItem(int index, const std::string& caption, const std::string& name, const std::string& hint,
                                win::TShortCut shortCut, int /*context*/, int /*groupIndex*/, TIMenuFlags flags,
                                std::function<void(IMenuItem*)> onClick) {
    QMenu* menu = SubMenu();
    if (!menu) return nullptr;
    index = std::clamp(index, 0, GetItemCount());
    auto* action = new QAction(menu);
    if (caption == "-") {
        action->setSeparator(true);
    } else {
        action->setText(FromAnsi(caption));
        action->setStatusTip(FromAnsi(hint));
        action->setCheckable((flags & (mfChecked | mfRadioItem)) != 0);
        action->setChecked((flags & mfChecked) != 0);
        if (shortCut != 0) {
            // Shown in the menu only: the host matches accelerators itself, after the hooks.
            action->setShortcut(SequenceOf(shortCut));
            action->setShortcutContext(Qt::WidgetShortcut);
        }
    }
    action->setEnabled((flags & mfEnabled) != 0);
    action->setVisible((flags & mfVisible) != 0);
    QAction* before = index < GetItemCount() ? children_[static_cast<std::size_t>(index)]->action_.data() : nullptr;
    menu->insertAction(before, action);
    auto item = std::make_unique<MenuItem>(menu_, this, action, name);
    item->shortCut_ = shortCut;
    item->onClick_ = std::move(onClick);
    MenuItem* raw = item.get();
    children_.insert(children_.begin() + index, std::move(item));
    return raw;
}

MenuItem* MenuItem::Add(const std::string& caption, const std::string& name, win::TShortCut shortCut,
                        std::function<void(IMenuItem*)> onClick, TIMenuFlags flags) {
    return static_cast<MenuItem*>(InsertItem(GetItemCount(), caption, name, {}, shortCut, 0, 0, flags, std::move(onClick)));
}

void MenuItem::DestroyMenuItem() {
    auto& siblings = parent_ ? parent_->children_ : menu_.bars_;
    const auto it = std::find_if(siblings.begin(), siblings.end(), [this](const auto& p) { return p.get() == this; });
    if (it == siblings.end()) return;
    std::unique_ptr<MenuItem> self = std::move(*it);
    siblings.erase(it);
    // self goes out of scope here and frees this item.
}

void MenuItem::Click() {
    if (Usable()) action_->trigger();
}

MenuItem* MenuItem::Find(const std::string& name) {
    for (auto& child : children_) {
        if (SameName(child->name_, name)) return child.get();
        if (MenuItem* found = child->Find(name)) return found;
    }
    return nullptr;
}

MenuItem* MenuItem::FindByShortCut(win::TShortCut shortCut) {
    for (auto& child : children_) {
        if (child->shortCut_ == shortCut && child->Usable()) return child.get();
        if (MenuItem* found = child->FindByShortCut(shortCut)) return found;
    }
    return nullptr;
}

MainMenu::MainMenu(QMenuBar& bar) : bar_(bar) {}

IMenuItem* MainMenu::GetItem(int index) {
    if (index < 0 || index >= GetItemCount()) return nullptr;
    return bars_[static_cast<std::size_t>(index)].get();
}

MenuItem* MainMenu::AddBar(const std::string& caption, const std::string& name) {
    auto* menu = new QMenu(FromAnsi(caption), &bar_);
    menu->setObjectName(QString::fromStdString(name));
    QAction* action = bar_.addMenu(menu);
    bars_.push_back(std::make_unique<MenuItem>(*this, nullptr, action, name));
    return bars_.back().get();
}

MenuItem* MainMenu::Find(const std::string& name) {
    for (auto& bar : bars_) {
        if (SameName(bar->name_, name)) return bar.get();
        if (MenuItem* found = bar->Find(name)) return found;
    }
    return nullptr;
}

MenuItem* MainMenu::FindByShortCut(win::TShortCut shortCut) {
    if (shortCut == 0) return nullptr;
    for (auto& bar : bars_)
        if (MenuItem* found = bar->FindByShortCut(shortCut)) return found;
    return nullptr;
}

bool MainMenu::OpenBarByMnemonic(char letter) {
    const char wanted = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    for (auto& bar : bars_) {
        const std::string caption = bar->GetCaption();
        const auto amp = caption.find('&');
        if (amp == std::string::npos || amp + 1 >= caption.size()) continue;
        if (std::tolower(static_cast<unsigned char>(caption[amp + 1])) != wanted) continue;
        bar_.setActiveAction(bar->Action());
        return true;
    }
    return false;
}

}  // namespace skrivo::host
