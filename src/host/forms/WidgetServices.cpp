// The widget services of the host's interface, over the window registry, the key translation and the editor control.
#include "host/api/Widgets.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QWidget>
#include <Qsci/qsciscintillabase.h>

#include "host/forms/WindowRegistry.h"
#include "host/input/QtKeys.h"

namespace skrivo::host {

win::HWND HandleOfWidget(QWidget* widget) { return WindowRegistry::Instance().HandleOf(widget); }

QWidget* WidgetOfHandle(win::HWND handle) { return WindowRegistry::Instance().WidgetOf(handle); }

void SetWidgetMessageHandler(QWidget* widget, WidgetMessageHandler handler) {
    WindowRegistry::Instance().SetMessageHandler(widget, std::move(handler));
}

win::WORD VirtualKeyOfKeyEvent(const QKeyEvent& event) {
    KeySide side = KeySide::Left;
    return VirtualKeyOfEvent(event, side);
}

int LineHeightOf(win::HWND control) {
    QWidget* widget = WindowRegistry::Instance().WidgetOf(control);
    if (!widget) return 0;
    if (auto* editor = qobject_cast<QsciScintillaBase*>(widget)) {
        const int height = static_cast<int>(editor->SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, 0UL, 0L));
        if (height > 0) return height;
    }
    return QFontMetrics(widget->font()).boundingRect(QStringLiteral("Ap_1^/")).height();
}

}  // namespace skrivo::host
