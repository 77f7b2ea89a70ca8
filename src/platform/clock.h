#pragma once

#include <QDateTime>

// The date and time the status bar shows: the system's, unless a test set a fixed one (nullptr
// restores the system clock).
namespace platform {

QDateTime now();

using Clock = QDateTime (*)();
void set_clock(Clock clock);

}  // namespace platform
