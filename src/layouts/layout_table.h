#pragma once

#include <QColor>
#include <QFont>
#include <QMenu>
#include <QString>
#include <QWidget>
#include <span>

// The layout tables the three windows are built from: one row per control, written to be held
// against the window definitions row by row.
namespace layouts {

enum class Kind {
    Panel,  // picture box: a container with a background colour
    Frame,  // frame without caption
    Label,
    Image,
    TransparentImage,  // hot zone: no picture, takes the mouse
    TextBox,
    CheckBox,
    ListBox,
    StatusBar,
    Slider,
    Rectangle,
    CommandButton,
};

// Windowed controls lie above the windowless ones of their container.
constexpr bool windowed(Kind kind) {
    return kind != Kind::Label && kind != Kind::Image && kind != Kind::TransparentImage &&
           kind != Kind::Rectangle;
}

// The stacking layers of a container, bottom to top: shapes, the other windowless controls,
// the windowed ones. Shapes are backgrounds: a label or picture placed on one is seen (the
// about panel's headline lies on its first block). Within a layer, listed first is on top.
constexpr int stacking_layer(Kind kind) {
    return kind == Kind::Rectangle ? 0 : windowed(kind) ? 2 : 1;
}

// Initial state.
enum Initial : unsigned { shown = 0, hidden = 1, disabled = 2 };

enum class Typeface {
    verdana_6_75,  // the default text
    verdana_8_25,
    verdana_8_25_bold,
    verdana_18_bold,
    arial_black_11_25,  // headings, bold
    arial_black_12,
};

// Style flags of a row's look.
enum Style : unsigned {
    transparent = 1u << 0,  // labels: no background
    underline = 1u << 1,
    centred = 1u << 2,
    right_aligned = 1u << 3,
    wrap = 1u << 4,      // labels: word-wrapped
    fit_text = 1u << 5,  // labels: size fitted to the text
    solid = 1u << 6,     // rectangles: solid fill in the fore colour
    outline = 1u << 7,   // rectangles: outline in the fore colour
};

// 0 (a fully transparent black, which no row uses) stands for the control's default colour.
inline constexpr QRgb default_colour = 0;
inline constexpr QRgb black = 0xFF000000u;
inline constexpr QRgb white = 0xFFFFFFFFu;
inline constexpr QRgb dark_blue = 0xFF015396u;    // RGB(1, 83, 150), the accent colour
inline constexpr QRgb grey_text = 0xFF404040u;    // RGB(64, 64, 64)
inline constexpr QRgb tab_grey = 0xFFB7B7B7u;     // RGB(183, 183, 183)
inline constexpr QRgb list_grey = 0xFFE0E0E0u;    // RGB(224, 224, 224)
inline constexpr QRgb light_blue = 0xFF8FC1FEu;   // RGB(143, 193, 254), links under the pointer
inline constexpr QRgb pale_yellow = 0xFFFFFFC0u;  // RGB(255, 255, 192), "Stäng splash" under it

// A colour of the tables as a QColor, for handlers that set one.
inline QColor colour_of(QRgb rgb) {
    return QColor::fromRgb(rgb);
}

struct Look {
    Typeface font = Typeface::verdana_6_75;
    QRgb fore = default_colour;
    QRgb back = default_colour;
    unsigned style = 0;
};

struct Row {
    const char* name;
    Kind kind;
    const char* container;         // "" for the window itself
    int left, top, width, height;  // twips
    unsigned initial;
    const char* text;  // caption, text or embedded picture (":/...")
    Look look;
    const char* tip = "";
};

struct TimerRow {
    const char* name;
    unsigned initial;  // shown stands for enabled, disabled for disabled
    int interval;      // milliseconds
};

struct MenuRow {
    const char* name;
    const char* menu;  // "" for a top-level menu
    const char* caption;
    unsigned initial;
    const char* shortcut = "";  // "; " between several keys, the first shown in the menu
};

// The font of a typeface: Verdana and Arial Black where installed, DejaVu Sans otherwise, at
// the pixel size the point size has at 96 dpi.
QFont font_of(Typeface typeface);

// Builds the rows into the window: each control a child of its container (found by name among
// the rows built before it), named, placed, styled and in its initial state; then sets the
// z-order of every container, top-most row first, windowed controls above windowless ones.
void build(QWidget& window, std::span<const Row> rows);

// Builds the timers as children of the window.
void build_timers(QWidget& window, std::span<const TimerRow> rows);

// Builds the menus: top-level rows become QMenus (children of the window), the others QActions
// (children of their menu). "-" is a separator, a plain line without text. Items with a shortcut
// are also added to the window, so the key works while the window is active although the menu is
// never shown. A text box with the focus keeps the keys it types or edits with (Space, digits,
// Ctrl+C).
void build_menus(QWidget& window, std::span<const MenuRow> rows);

// The control a row built, cast to its class; aborts when the name or the class is wrong,
// since that is a mistake in the tables.
QObject* built(QWidget& window, const char* name);
template <class T>
T* built(QWidget& window, const char* name) {
    T* control = qobject_cast<T*>(built(window, name));
    Q_ASSERT_X(control, name, "built control of another class");
    if (!control)
        qFatal("layout: %s is not of the expected class", name);
    return control;
}

}  // namespace layouts
