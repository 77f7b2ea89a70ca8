#include "layouts/loader.h"

#include <QGuiApplication>
#include <QScreen>

#include "layouts/twips.h"

using namespace layouts;

namespace {

constexpr int client_width_twips = 2280;
constexpr int client_height_twips = 405;

// clang-format off
constexpr Row rows[] = {
// name      class        container  Left  Top  Width Height initial caption        look
{"Label10",  Kind::Label, "",         735,  120,  750,  180, shown,  "- Laddar -",  {.fore = white, .style = transparent | fit_text}},
};

// A screen reader's Press restores the main window, as a click on the loader does.
constexpr AccessibleRow accessible_rows[] = {
// control  as                         name
{"",        Exposed::pressable_window, "Vrendomaten v6.9"},
};

constexpr UnexposedRow unexposed_rows[] = {
{"Label10", "read as text: its click repeats the loader's Press"},
};
// clang-format on

}  // namespace

std::span<const Row> Loader::layout() {
    return rows;
}

const AccessibleTable& Loader::accessible() {
    static constexpr AccessibleTable table{accessible_rows, unexposed_rows};
    return table;
}

Loader::Loader() {
    setObjectName(QStringLiteral("loader"));
    setAttribute(Qt::WA_DeleteOnClose);
    // A title bar with the caption, but no close, minimise or maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral("Vrendomaten v6.9"));
    setFixedSize(twips_to_pixels(client_width_twips), twips_to_pixels(client_height_twips));
    setFont(font_of(Typeface::verdana_6_75));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor::fromRgb(dark_blue));
    setPalette(background);

    build(*this, rows);
    Label10 = built<Label>(*this, "Label10");
    install_accessibility();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = rect();
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
}
