#pragma once

#include <QObject>

// Connects a control's signal to a handler named after control and event, a free function that
// takes the window first and then as many of the signal's arguments as it wants:
//
//     on(window, window.Image14, &layouts::Image::clicked, Image14_Click);
//     on(window, window.Image9, &layouts::Image::mouse_down, Image9_MouseDown);
//
// The connection lives as long as the window.
namespace layouts {

template <class Window, class Sender, class Signal, class... Args>
void on(Window& window, Sender* sender, Signal signal, void (*handler)(Window&, Args...)) {
    QObject::connect(sender, signal, &window,
                     [&window, handler](Args... args) { handler(window, args...); });
}

}  // namespace layouts
