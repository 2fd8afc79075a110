// The host's own window manager: z-order, the active window, focus, mouse cursor, screen size, modal answers.
#include "host/forms/Desktop.h"

#include <algorithm>

#include <QWidget>

#include "host/api/Form.h"
#include "host/forms/WindowRegistry.h"
#include "platform/VirtualKeys.h"

namespace skrivo::host {

namespace {
bool IsStayOnTop(const QWidget* window) {
    if (auto* form = qobject_cast<const TForm*>(window)) return form->StayOnTop();
    return (window->windowFlags() & Qt::WindowStaysOnTopHint) != 0;
}

void SendActivate(QWidget* window, win::WORD state, QWidget* other) {
    if (!window) return;
    const win::HWND otherHandle = other ? WindowRegistry::Instance().HandleOf(other) : 0;
    PerformMessage(window, win::WM_ACTIVATE, state, static_cast<win::LPARAM>(otherHandle));
}
}  // namespace

Desktop& Desktop::Instance() {
    static Desktop desktop;
    return desktop;
}

void Desktop::Reset() {
    order_.clear();
    modal_.clear();
    active_.clear();
    cursor_ = {};
    screen_ = {1280, 1024};
    answerer_ = nullptr;
    modalMayWait_ = false;
    followNative_ = false;
}

void Desktop::Prune() {
    order_.erase(std::remove_if(order_.begin(), order_.end(), [](const QPointer<QWidget>& w) { return w.isNull(); }), order_.end());
}

std::vector<QWidget*> Desktop::Windows() const {
    std::vector<QWidget*> windows;
    for (const auto& w : order_)
        if (w) windows.push_back(w.data());
    return windows;
}

void Desktop::Track(QWidget* window) {
    if (!window) return;
    Prune();
    if (std::find(order_.begin(), order_.end(), window) != order_.end()) return;
    // A new window starts behind the others of its layer until shown.
    auto pos = order_.end();
    if (IsStayOnTop(window))
        pos = std::find_if(order_.begin(), order_.end(), [](const QPointer<QWidget>& w) { return !IsStayOnTop(w); });
    order_.insert(pos, window);
    WindowRegistry::Instance().HandleOf(window);
}

void Desktop::BringToFront(QWidget* window) {
    if (!window) return;
    Prune();
    order_.erase(std::remove(order_.begin(), order_.end(), window), order_.end());
    auto pos = order_.begin();
    if (!IsStayOnTop(window))
        pos = std::find_if(order_.begin(), order_.end(), [](const QPointer<QWidget>& w) { return !IsStayOnTop(w); });
    order_.insert(pos, window);
    WindowRegistry::Instance().HandleOf(window);
}

bool Desktop::TakesActivation(const QWidget* window) {
    if (!window) return false;
    if (auto* form = qobject_cast<const TForm*>(window)) return !form->NoActivate();
    return !(window->windowFlags() & Qt::WindowDoesNotAcceptFocus) && !window->testAttribute(Qt::WA_ShowWithoutActivating);
}

void Desktop::WindowShown(QWidget* window) {
    BringToFront(window);
    if (TakesActivation(window)) Activate(window);
}

void Desktop::WindowHidden(QWidget* window) {
    if (active_ == window) ActivateNextAfterHiding(window);
}

void Desktop::ActivateNextAfterHiding(QWidget* hidden) {
    Prune();
    for (const auto& w : order_) {
        if (w && w != hidden && w->isVisible() && TakesActivation(w)) {
            Activate(w);
            return;
        }
    }
    Activate(nullptr);
}

void Desktop::Activate(QWidget* window) {
    if (window && !TakesActivation(window)) return;
    if (active_ == window) return;
    QPointer<QWidget> previous = active_;
    active_ = window;
    if (window && followNative_ && window->isVisible()) window->activateWindow();
    if (previous) SendActivate(previous, win::WA_INACTIVE, window);
    if (window && active_ == window) SendActivate(window, win::WA_ACTIVE, previous);
}

QWidget* Desktop::FocusedWidget() const {
    if (!active_) return nullptr;
    QWidget* focus = active_->focusWidget();
    return focus ? focus : active_.data();
}

QWidget* Desktop::WindowAt(win::TPoint point) const {
    for (const auto& w : order_) {
        if (!w || !w->isVisible()) continue;
        const QRect frame = w->frameGeometry();
        if (frame.contains(point.x, point.y)) return w.data();
    }
    return nullptr;
}

void Desktop::PushModal(TForm* form) { modal_.push_back(form); }

void Desktop::PopModal(TForm* form) {
    modal_.erase(std::remove(modal_.begin(), modal_.end(), form), modal_.end());
}

TForm* Desktop::TopModal() const {
    for (auto it = modal_.rbegin(); it != modal_.rend(); ++it)
        if (*it) return it->data();
    return nullptr;
}

}  // namespace skrivo::host
