#include <QApplication>

#include "layouts/vrendis2001.h"
#include "platform/termination.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::close_windows_on_termination();
    Vrendis2001 window;
    window.show();
    return app.exec();
}
