#include "layouts/loader.h"

#include "layouts/vrendis2001.h"
#include "platform/window_system.h"
#include "shell/handlers.h"

namespace shell {

void Image8_Click(Vrendis2001& window) {
    Loader& loader = window.create_loader();
    loader_Load(window, loader);
    loader.show();
}

// Minimised, the main window is withdrawn as well: the loader alone stands in the taskbar, and
// every way back (the loader, the tray, mnuopen) shows the window again.
void loader_Load(Vrendis2001& window, Loader& loader) {
    window.hide();
    window.setWindowState(window.windowState() | Qt::WindowMinimized);
    // A window cannot be shown minimised on Wayland, nor brought back by the program: there the
    // loader stands in plain sight until a click in it brings the main window back.
    if (platform::minimising() == platform::Minimising::by_compositor) {
        loader.setWindowState(Qt::WindowNoState);
        return;
    }
    loader.setWindowState(Qt::WindowMinimized);
}

void loader_Activate(Vrendis2001& window) {
    window.setWindowState(Qt::WindowNoState);
    window.show();
    window.activateWindow();
    window.destroy_loader();
}

void loader_Unload(Vrendis2001& window) {
    window.close();
}

}  // namespace shell
