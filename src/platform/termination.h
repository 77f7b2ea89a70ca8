#pragma once

class QWidget;

// SIGTERM and SIGINT (a session ending, a service manager, Ctrl+C) close the given window the way
// the exit link does, shown or hidden, so the program ends through its own unload with exit
// status 0 instead of dying in the middle of whatever it was doing. Call after the QApplication
// exists; a later call names another window.
namespace platform {

void close_on_termination(QWidget& window);

}  // namespace platform
