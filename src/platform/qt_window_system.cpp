#include <QGuiApplication>

#include "platform/window_system.h"

namespace platform {
namespace {

std::optional<Minimising>& chosen() {
    static std::optional<Minimising> choice;
    return choice;
}

}  // namespace

Minimising minimising() {
    if (chosen())
        return *chosen();
    // "wayland", "wayland-egl" and the like.
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"))
               ? Minimising::by_compositor
               : Minimising::by_program;
}

void set_minimising(std::optional<Minimising> choice) {
    chosen() = choice;
}

}  // namespace platform
