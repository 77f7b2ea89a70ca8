#include "platform/termination.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>
#include <csignal>

namespace platform {
namespace {

// The signal handler may only write to a descriptor; the event loop reads the other end.
int signal_pipe[2] = {-1, -1};
QPointer<QWidget> closing;

void on_signal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signal_pipe[0], &byte, 1);
}

}  // namespace

void close_on_termination(QWidget& window) {
    closing = &window;
    if (signal_pipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, signal_pipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signal_pipe[1], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        char byte;
        [[maybe_unused]] const ssize_t read = ::read(signal_pipe[1], &byte, 1);
        // Not QApplication::closeAllWindows(): that passes over a hidden window, and a minimised
        // main window is hidden.
        if (closing)
            closing->close();
    });
    struct sigaction action = {};
    action.sa_handler = on_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

}  // namespace platform
