// Closes the IDE in order when the system asks it to end: SIGTERM, SIGHUP and the desktop session's log-out.
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace skrivo::host {

// Without this a terminated IDE just dies, and whatever only its close saves
// (the words learnt since the last save) is gone. The signals are turned into
// an event of the main loop (a signal handler may do nothing but write to a
// pipe), where the close runs as File > Exit runs it. mayAsk tells the close
// whether it may ask the user (a log-out may be cancelled; a signal has no
// one to answer); it returns false when the user cancelled.
class SessionEnd final : public QObject {
    Q_OBJECT
public:
    explicit SessionEnd(std::function<bool(bool mayAsk)> close, QObject* parent = nullptr);
    ~SessionEnd() override;
    SessionEnd(const SessionEnd&) = delete;
    SessionEnd& operator=(const SessionEnd&) = delete;

    // Signals received so far (tests).
    int SignalsSeen() const { return signalsSeen_; }

private:
    void OnSignal();

    std::function<bool(bool)> close_;
    QSocketNotifier* notifier_ = nullptr;
    int signalsSeen_ = 0;
    bool closing_ = false;
};

}  // namespace skrivo::host
