// Takes real keyboard and mouse events from Qt and sends them through the host's message pump.
#pragma once

#include <QObject>
#include <QPointer>

namespace skrivo::host {

class MessagePump;

// Installed on the application: every spontaneous key event becomes the
// pump's key message (Qt never delivers it directly); mouse events pass the
// message hook first and go on to Qt unless the hook handled them. Windows
// shown and activated on a real desktop are reported to the Desktop.
class QtInputFilter final : public QObject {
    Q_OBJECT
public:
    explicit QtInputFilter(MessagePump& pump, QObject* parent = nullptr) : QObject(parent), pump_(pump) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Key(QEvent* event);
    bool Mouse(QObject* watched, QEvent* event);
    MessagePump& pump_;
    // Qt offers one mouse event to each parent in turn; the hook sees it once.
    const QEvent* lastMouse_ = nullptr;
    ulong lastMouseTime_ = 0;
};

}  // namespace skrivo::host
