// Takes real keyboard and mouse events from Qt and sends them through the host's message pump.
#pragma once

#include <QObject>
#include <QPointF>
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
    // Qt offers a mouse event the widget ignored to each parent in turn, as
    // copies; the hook sees the event once.
    struct LastMouse {
        int type = 0;
        ulong time = 0;
        QPointF global;
        QPointer<QObject> receiver;
    } lastMouse_;
};

}  // namespace skrivo::host
