// SIGTERM, SIGHUP and the session manager's commit request, each turned into the IDE's orderly close.
#include "host/SessionEnd.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>

namespace skrivo::host {

namespace {

// One pair per process: a signal handler can only reach globals.
int gSignalPipe[2] = {-1, -1};

void WriteSignal(int signal) {
    const int saved = errno;
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t n = ::write(gSignalPipe[0], &byte, 1);
    errno = saved;
}

void Install(int signal, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(signal, &action, nullptr);
}

}  // namespace

SessionEnd::SessionEnd(std::function<bool(bool)> close, QObject* parent) : QObject(parent), close_(std::move(close)) {
    if (gSignalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, gSignalPipe) != 0) {
        gSignalPipe[0] = gSignalPipe[1] = -1;
    }
    if (gSignalPipe[1] >= 0) {
        notifier_ = new QSocketNotifier(gSignalPipe[1], QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, [this] { OnSignal(); });
        Install(SIGTERM, WriteSignal);
        Install(SIGHUP, WriteSignal);
    }
#if QT_CONFIG(sessionmanager)
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        // The session ends after this request: the close runs now, while the
        // user may still answer (and cancel the log-out by cancelling it).
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
            if (closing_) return;
            const bool mayAsk = manager.allowsInteraction();
            closing_ = true;
            const bool closed = close_(mayAsk);
            if (mayAsk) manager.release();
            if (!closed) {
                closing_ = false;
                manager.cancel();
            }
        });
    }
#endif
}

SessionEnd::~SessionEnd() {
    if (notifier_) {
        Install(SIGTERM, SIG_DFL);
        Install(SIGHUP, SIG_DFL);
    }
}

void SessionEnd::OnSignal() {
    char bytes[16];
    while (::read(gSignalPipe[1], bytes, sizeof bytes) > 0) ++signalsSeen_;
    if (closing_) return;
    closing_ = true;
    close_(false);
}

}  // namespace skrivo::host
