#include <QApplication>

#include "app/command_line.h"
#include "app/program.h"
#include "layouts/vrendis2001.h"
#include "platform/paths.h"

int main(int argc, char* argv[]) {
    // The commands run before any GUI application exists: they need no display.
    if (app::wants_command(argc, argv))
        return app::run_command(argc, argv);
    QApplication app(argc, argv);
    platform::remove_launcher_leftovers();
    const std::unique_ptr<Vrendis2001> window = app::open_main_window();
    window->show();
    return app.exec();
}
