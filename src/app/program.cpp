#include "app/program.h"

#include <QApplication>

#include "bookmarks/wire.h"
#include "figure/wire.h"
#include "keeping/wire.h"
#include "layouts/event_hook.h"
#include "layouts/vrendis2001.h"
#include "ownparts/wire.h"
#include "platform/termination.h"
#include "shell/wire.h"
#include "views/wire.h"

namespace app {

void wire(Vrendis2001& window) {
    figure::wire(window);
    shell::wire(window);
    bookmarks::wire(window);
    views::wire(window);
    keeping::wire(window);
    own_parts::wire(window);
}

std::unique_ptr<Vrendis2001> open_main_window() {
    auto window = std::make_unique<Vrendis2001>();
    wire(*window);
    shell::load(*window);
    return window;
}

int run(Vrendis2001& window) {
    // The main window's unload ends the program, whatever else is open. Qt would end it only
    // when a visible window closes, and minimised, the main window is hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    auto* unload = new layouts::EventHook(&window, [](QEvent* event) {
        // Queued, so that the unload, which answers the same close, runs first.
        if (event->type() == QEvent::Close)
            QMetaObject::invokeMethod(
                qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    });
    platform::close_on_termination(window);
    window.show();
    const int status = QApplication::exec();
    unload->remove();
    return status;
}

}  // namespace app
