#include <QApplication>

#include "app/command_line.h"
#include "app/program.h"
#include "layouts/vrendis2001.h"
#include "platform/paths.h"
#include "platform/swedish_texts.h"
#include "settings/launcher_copy.h"

int main(int argc, char* argv[]) {
    // The commands run before any GUI application exists: they need no display.
    if (app::wants_command(argc, argv))
        return app::run_command(argc, argv);
    QApplication app(argc, argv);
    platform::remove_launcher_leftovers();
    settings::retire_launcher_copy();
    platform::install_swedish_qt_texts();
    const std::unique_ptr<Vrendis2001> window = app::open_main_window();
#ifdef VRENDIS_FIRST_PAINT_PROBE
    app::report_first_figure(*window);
#endif
    return app::run(*window);
}
