#include <QApplication>

#include "layouts/vrendis2001.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Vrendis2001 window;
    window.show();
    return app.exec();
}
