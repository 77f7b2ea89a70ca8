#include <QApplication>

#include "app/program.h"
#include "layouts/vrendis2001.h"
#include "platform/paths.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::remove_launcher_leftovers();
    const std::unique_ptr<Vrendis2001> window = app::open_main_window();
    window->show();
    return app.exec();
}
