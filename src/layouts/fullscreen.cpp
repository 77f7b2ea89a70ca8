#include "layouts/fullscreen.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include "layouts/twips.h"

using namespace layouts;

namespace {

// The definition's client area; maximising replaces it by the screen.
constexpr int client_width_twips = 6615;
constexpr int client_height_twips = 9030;

// clang-format off
constexpr Row rows[] = {
// name           class                   container  Left  Top  Width Height initial caption / picture                   look                                                             tool tip
{"image_head",    Kind::Image,            "",        1155, 1305, 4275, 1305, shown,  ":/embedded/fullscreen_head.jpg",   {},                                                              "Byt huvud"},
{"image_chest",   Kind::Image,            "",        1170, 2610, 4275, 1845, shown,  ":/embedded/fullscreen_chest.jpg",  {},                                                              "Byt Bröst"},
{"image_legs",    Kind::Image,            "",        1170, 4455, 4275, 2925, shown,  ":/embedded/fullscreen_legs.jpg",   {},                                                              "Byt ben"},
{"Image1",        Kind::TransparentImage, "",         240, 5430,  795,  855, shown,  "",                                 {}},
{"Label1",        Kind::Label,            "",        3210,   75, 1635,  180, shown,  "Återgå till fönsterläge",          {.fore = white, .style = underline | transparent | fit_text}},
{"Label2",        Kind::Label,            "",         180,   75, 2700,  345, shown,  "Vrendomaten v6.9",                 {Typeface::arial_black_12, white, default_colour, transparent | fit_text}},
{"Shape1",        Kind::Rectangle,        "",           0,    0, 3120,  495, shown,  "",                                 {.fore = dark_blue, .style = solid}},
};

// The view's figure is named by the pictures it shows; its own embedded ones have no ID.
QString shown_id(const QWidget& window) {
    const auto& view = static_cast<const Fullscreen&>(window);
    QString id;
    for (const Image* part : {view.image_head, view.image_chest, view.image_legs}) {
        const QString& path = part->picture_path();
        if (path.isEmpty() || path.startsWith(QLatin1String(":/")))
            return {};
        id += QFileInfo(path).completeBaseName();
    }
    return id;
}

constexpr AccessibleRow accessible_rows[] = {
// control        as                 name                       follows            name while on
{"",              Exposed::window,   "Vrendomaten v6.9"},
{"image_head",    Exposed::command,  "Byt huvud"},
{"image_chest",   Exposed::command,  "Byt bröst"},
{"image_legs",    Exposed::command,  "Byt ben"},
{"Image1",        Exposed::command,  "Starta bildspel",         "Slideshow_Clock", "Stoppa bildspel"},
{"Label1",        Exposed::command,  "Återgå till fönsterläge"},
{"",              Exposed::figure,   "Ingen vrendis",           "",                "",  shown_id},
};

constexpr TimerRow timers[] = {
// name               initial  interval (ms)
{"Slideshow_Clock",   shown,   0},
};
// clang-format on

}  // namespace

std::span<const Row> Fullscreen::layout() {
    return rows;
}

const AccessibleTable& Fullscreen::accessible() {
    static constexpr AccessibleTable table{accessible_rows, {}};
    return table;
}

Fullscreen::Fullscreen() {
    setObjectName(QStringLiteral("fullscreen"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    resize(twips_to_pixels(client_width_twips), twips_to_pixels(client_height_twips));
    setFont(font_of(Typeface::verdana_6_75));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::black);
    setPalette(background);

    build(*this, rows);
    build_timers(*this, timers);
    Slideshow_Clock = built<Timer>(*this, "Slideshow_Clock");
    image_head = built<Image>(*this, "image_head");
    image_chest = built<Image>(*this, "image_chest");
    image_legs = built<Image>(*this, "image_legs");
    Image1 = built<TransparentImage>(*this, "Image1");
    Label1 = built<Label>(*this, "Label1");
    Label2 = built<Label>(*this, "Label2");
    Shape1 = built<Rectangle>(*this, "Shape1");
    install_accessibility();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = rect();
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
    // Shown maximised, so it fills the screen.
    setWindowState(Qt::WindowMaximized);
}
