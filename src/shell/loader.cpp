#include "layouts/loader.h"

#include "layouts/vrendis2001.h"
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
    loader.setWindowState(Qt::WindowMinimized);
}

void loader_Activate(Vrendis2001& window) {
    window.setWindowState(Qt::WindowNoState);
    window.show();
    window.activateWindow();
    window.destroy_loader();
}

}  // namespace shell
