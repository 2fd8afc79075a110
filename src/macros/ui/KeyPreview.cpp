// Key preview for the macro dialogs: the form sees every key before the control that has the focus.
#include "macros/ui/KeyPreview.h"

#include <QKeyEvent>
#include <QWidget>

#include "host/api/Widgets.h"

namespace skrivo {

TKeyPreview::TKeyPreview(QWidget* form, std::function<bool(const TPreviewKey&)> handler)
    : QObject(form), handler_(std::move(handler)) {
    form->installEventFilter(this);
    for (QWidget* control : form->findChildren<QWidget*>()) control->installEventFilter(this);
}

bool TKeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    TPreviewKey key;
    key.event = keyEvent;
    key.target = watched;
    if (keyEvent->key() != Qt::Key_unknown) key.key = host::VirtualKeyOfKeyEvent(*keyEvent);
    const Qt::KeyboardModifiers mods = keyEvent->modifiers();
    if (mods & Qt::ShiftModifier) key.shift |= win::ssShift;
    if (mods & Qt::ControlModifier) key.shift |= win::ssCtrl;
    if (mods & Qt::AltModifier) key.shift |= win::ssAlt;
    return handler_(key);
}

}  // namespace skrivo
