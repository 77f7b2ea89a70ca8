#include <QApplication>

#include "layouts/vrendis2001.h"
#include "platform/paths.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::remove_launcher_leftovers();
    Vrendis2001 window;
    window.show();
    return app.exec();
}
