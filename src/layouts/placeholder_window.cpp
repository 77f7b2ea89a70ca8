#include "layouts/placeholder_window.h"

PlaceholderWindow::PlaceholderWindow() {
    setWindowTitle(QStringLiteral("Vrendomaten v6.9"));
    setFixedSize(643, 580);
}
