// Window handles and class names for every window and control of the application.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>

#include <QObject>
#include <QPointer>

#include "host/api/Application.h"

class QWidget;

namespace skrivo::host {

// Handles are handed out on first use and never reused while the process
// runs, so a stale handle simply finds no window. Class names follow the
// component library's ("TButton", "TLabel", ...) unless a widget was given
// its own with SetClassName.
class WindowRegistry : public QObject {
    Q_OBJECT
public:
    static WindowRegistry& Instance();

    win::HWND HandleOf(QWidget* widget);
    QWidget* WidgetOf(win::HWND handle) const;
    // The control wrapper of a widget (owned here; lives as long as the widget).
    IControl* ControlOf(QWidget* widget);
    IControl* ControlOf(win::HWND handle) { return ControlOf(WidgetOf(handle)); }

    static std::string ClassNameOf(const QWidget* widget);
    static void SetClassName(QWidget* widget, const std::string& className);

    // A control with its own message handling (Perform and SendMessage reach
    // it); without one, key and mouse messages become Qt events for it.
    using MessageHandler = std::function<win::LRESULT(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam)>;
    void SetMessageHandler(QWidget* widget, MessageHandler handler);
    const MessageHandler* MessageHandlerOf(QWidget* widget) const;

private:
    WindowRegistry() = default;
    void Forget(QObject* object);

    win::HWND next_ = 0x10010;
    std::unordered_map<win::HWND, QPointer<QWidget>> widgets_;
    std::unordered_map<const QObject*, win::HWND> handles_;
    std::unordered_map<const QObject*, std::unique_ptr<IControl>> controls_;
    std::unordered_map<const QObject*, MessageHandler> handlers_;
};

// Sends a Windows-style message to a widget as a control receives it
// (Perform): the form's or control's own handler, else the matching Qt event.
win::LRESULT PerformMessage(QWidget* widget, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

// The text a control shows as its caption, in the active ANSI code page.
std::string ControlCaption(const QWidget* widget);

}  // namespace skrivo::host
