// Key preview for the macro dialogs: the form sees every key before the control that has the focus.
#pragma once

#include <functional>

#include <QObject>

#include "platform/ShortCut.h"

class QKeyEvent;
class QWidget;

namespace skrivo {

// A key-down as the dialogs compare it with shortcuts. key is 0 for events
// that only carry a typed character.
struct TPreviewKey {
    win::WORD key = 0;
    win::TShiftState shift = 0;
    QKeyEvent* event = nullptr;
    QObject* target = nullptr;  // the control the key was sent to
};

// Installs itself on the form and on every control the form holds when it is
// made; the handler returns true to consume the key.
class TKeyPreview final : public QObject {
public:
    TKeyPreview(QWidget* form, std::function<bool(const TPreviewKey&)> handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<bool(const TPreviewKey&)> handler_;
};

}  // namespace skrivo
