#include <QApplication>

#include "layouts/placeholder_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    PlaceholderWindow window;
    window.show();
    return app.exec();
}
