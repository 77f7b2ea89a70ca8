#include "platform/clock.h"

namespace platform {
namespace {

Clock& current() {
    static Clock clock = nullptr;
    return clock;
}

}  // namespace

QDateTime now() {
    return current() ? current()() : QDateTime::currentDateTime();
}

void set_clock(Clock clock) {
    current() = clock;
}

}  // namespace platform
