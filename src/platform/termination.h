#pragma once

// SIGTERM and SIGINT (a session ending, a service manager, Ctrl+C) close the program's windows
// the way the exit link does, so it ends through its own unload steps with exit status 0
// instead of dying in the middle of whatever it was doing. Call once, after the QApplication.
namespace platform {

void close_windows_on_termination();

}  // namespace platform
