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

void loader_Load(Vrendis2001& window, Loader& loader) {
    if (platform::minimising() == platform::Minimising::by_compositor) {
        // A window minimised on Wayland comes back only through the compositor, which may have
        // no way to do it, and a window cannot be shown minimised there. So the main window is
        // withdrawn, still counted as minimised, and the loader stands in plain sight in its
        // place until a click in it brings the main window back.
        window.hide();
        window.setWindowState(window.windowState() | Qt::WindowMinimized);
        loader.setWindowState(Qt::WindowNoState);
        return;
    }
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
