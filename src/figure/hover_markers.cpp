#include "figure/handlers.h"
#include "window/verbs.h"

namespace figure {
namespace {

using main_window::all_locked;

// Shows one row's marker and hides the other two.
void show_marker(Vrendis2001& window, layouts::Image* marker) {
    for (layouts::Image* each : {window.Image17, window.Image16, window.Image15})
        each->setVisible(each == marker);
}

}  // namespace

void Image18_MouseMove(Vrendis2001& window) {
    // The create row is unavailable while the slideshow runs.
    if (main_window::slideshow_running(window) || all_locked(window))
        return;
    show_marker(window, window.Image17);
}

void Image19_MouseMove(Vrendis2001& window) {
    if (all_locked(window))
        return;
    show_marker(window, window.Image16);
}

void Image20_MouseMove(Vrendis2001& window) {
    if (all_locked(window))
        return;
    show_marker(window, window.Image15);
}

void Frame2_MouseMove(Vrendis2001& window) {
    show_marker(window, nullptr);
}

}  // namespace figure
