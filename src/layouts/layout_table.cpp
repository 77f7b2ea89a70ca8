#include "layouts/layout_table.h"

#include <QAction>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QKeySequence>
#include <cmath>
#include <vector>

#include "layouts/controls.h"
#include "layouts/twips.h"

namespace layouts {
namespace {

// The installed fonts do not change while we run, and asking the font database costs a list of
// all families and a fontconfig match each time: one answer per wanted family.
const QString& installed_family(const QString& wanted) {
    static QHash<QString, QString> families;
    auto found = families.constFind(wanted);
    if (found == families.constEnd()) {
        found = families.insert(
            wanted, QFontDatabase::hasFamily(wanted) ? wanted : QStringLiteral("DejaVu Sans"));
    }
    return *found;
}

QFont make_font(const QString& wanted, double points, bool bold) {
    QFont font(installed_family(wanted));
    // Pixels at 96 dpi, so every platform renders the layouts as the desktop they were made on.
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

QWidget* create(Kind kind, QWidget* parent) {
    switch (kind) {
        case Kind::Panel:
            return new Panel(parent);
        case Kind::Frame:
            return new Frame(parent);
        case Kind::Label:
            return new Label(parent);
        case Kind::Image:
            return new Image(parent);
        case Kind::TransparentImage:
            return new TransparentImage(parent);
        case Kind::TextBox:
            return new TextBox(parent);
        case Kind::CheckBox:
            return new CheckBox(parent);
        case Kind::ListBox:
            return new ListBox(parent);
        case Kind::StatusBar:
            return new StatusBar(parent);
        case Kind::Slider:
            return new Slider(parent);
        case Kind::Rectangle:
            return new Rectangle(parent);
        case Kind::CommandButton:
            return new CommandButton(parent);
    }
    return nullptr;
}

QColor system_button_face() {
    return QGuiApplication::palette().color(QPalette::Window);
}

QColor colour(QRgb rgb) {
    return rgb == default_colour ? QColor() : QColor::fromRgb(rgb);
}

void set_palette_colour(QWidget& widget, QPalette::ColorRole role, QRgb rgb) {
    if (rgb == default_colour)
        return;
    QPalette palette = widget.palette();
    palette.setColor(role, colour(rgb));
    widget.setPalette(palette);
}

void style(QWidget& widget, const Row& row) {
    const Look& look = row.look;
    if (look.font != Typeface::verdana_6_75)
        widget.setFont(font_of(look.font));
    if (auto* label = qobject_cast<Label*>(&widget)) {
        if (look.fore != default_colour)
            label->set_fore_colour(colour(look.fore));
        label->set_back_colour(look.back != default_colour ? colour(look.back)
                                                           : system_button_face());
        label->set_transparent(look.style & transparent);
        label->set_underline(look.style & underline);
        if (look.style & centred)
            label->set_alignment(Qt::AlignHCenter | Qt::AlignTop);
        if (look.style & right_aligned)
            label->set_alignment(Qt::AlignRight | Qt::AlignTop);
        label->set_word_wrap(look.style & wrap);
        label->set_caption(QString::fromUtf8(row.text));
        label->set_fit_to_text(look.style & fit_text);
    } else if (auto* image = qobject_cast<Image*>(&widget)) {
        // An embedded picture that is not there yet leaves the image at its table size.
        if (*row.text)
            image->load_picture(QString::fromUtf8(row.text));
    } else if (auto* panel = qobject_cast<Panel*>(&widget)) {
        // Stated, or the system's button face: never the container's colour, which Qt would
        // otherwise hand down (the ID panel inside the black figure area is grey).
        panel->set_back_colour(look.back != default_colour ? colour(look.back)
                                                           : system_button_face());
    } else if (auto* shape = qobject_cast<Rectangle*>(&widget)) {
        const QColor fore = look.fore == default_colour ? QColor(Qt::black) : colour(look.fore);
        shape->set_style((look.style & solid) ? Rectangle::Style::Solid : Rectangle::Style::Outline,
                         fore);
    } else if (auto* box = qobject_cast<TextBox*>(&widget)) {
        box->setText(QString::fromUtf8(row.text));
        if (look.style & centred)
            box->setAlignment(Qt::AlignCenter);
        set_palette_colour(widget, QPalette::Text, look.fore);
        set_palette_colour(widget, QPalette::Base, look.back);
    } else if (auto* check = qobject_cast<CheckBox*>(&widget)) {
        check->setText(QString::fromUtf8(row.text));
        check->setAutoFillBackground(look.back != default_colour);
        // Buttons paint with the button roles, their label with the window text.
        for (auto role : {QPalette::WindowText, QPalette::ButtonText})
            set_palette_colour(widget, role, look.fore);
        for (auto role : {QPalette::Window, QPalette::Button})
            set_palette_colour(widget, role, look.back);
    } else if (auto* list = qobject_cast<ListBox*>(&widget)) {
        set_palette_colour(*list, QPalette::Base, look.back);
    } else if (auto* button = qobject_cast<CommandButton*>(&widget)) {
        button->setText(QString::fromUtf8(row.text));
    }
    if (*row.tip)
        widget.setToolTip(QString::fromUtf8(row.tip));
}

void place(QWidget& widget, const Row& row) {
    if (auto* control = qobject_cast<Control*>(&widget)) {
        control->set_twips_geometry(row.left, row.top, row.width, row.height);
    } else {
        widget.setGeometry(twips_to_pixels(row.left), twips_to_pixels(row.top),
                           twips_to_pixels(row.width), twips_to_pixels(row.height));
    }
}

}  // namespace

QFont font_of(Typeface typeface) {
    const QString verdana = QStringLiteral("Verdana");
    const QString arial_black = QStringLiteral("Arial Black");
    switch (typeface) {
        case Typeface::verdana_6_75:
            return make_font(verdana, 6.75, false);
        case Typeface::verdana_8_25:
            return make_font(verdana, 8.25, false);
        case Typeface::verdana_8_25_bold:
            return make_font(verdana, 8.25, true);
        case Typeface::verdana_18_bold:
            return make_font(verdana, 18, true);
        case Typeface::arial_black_11_25:
            return make_font(arial_black, 11.25, true);
        case Typeface::arial_black_12:
            return make_font(arial_black, 12, true);
    }
    return make_font(verdana, 6.75, false);
}

QObject* built(QWidget& window, const char* name) {
    QObject* control = window.findChild<QObject*>(QString::fromLatin1(name));
    if (!control)
        qFatal("layout: no control named %s", name);
    return control;
}

void build(QWidget& window, std::span<const Row> rows) {
    std::vector<QWidget*> widgets;
    widgets.reserve(rows.size());
    for (const Row& row : rows) {
        QWidget* container = *row.container ? built<QWidget>(window, row.container) : &window;
        QWidget* widget = create(row.kind, container);
        widget->setObjectName(QString::fromLatin1(row.name));
        // Style first: a picture or a fitted caption may then still size the control.
        place(*widget, row);
        style(*widget, row);
        if (row.initial & hidden)
            widget->setVisible(false);
        if (row.initial & disabled)
            widget->setEnabled(false);
        widgets.push_back(widget);
    }
    // Raising bottom-most first leaves the first row of each layer on top; raise() only
    // reorders siblings, so one pass over all rows orders every container.
    for (int layer = 0; layer < 3; ++layer) {
        for (std::size_t i = rows.size(); i-- > 0;) {
            if (stacking_layer(rows[i].kind) == layer)
                widgets[i]->raise();
        }
    }
}

void build_timers(QWidget& window, std::span<const TimerRow> rows) {
    for (const TimerRow& row : rows) {
        auto* timer = new Timer(&window);
        timer->setObjectName(QString::fromLatin1(row.name));
        timer->set_interval(row.interval);
        timer->set_enabled(!(row.initial & disabled));
    }
}

void build_menus(QWidget& window, std::span<const MenuRow> rows) {
    for (const MenuRow& row : rows) {
        const QString name = QString::fromLatin1(row.name);
        const QString caption = QString::fromUtf8(row.caption);
        if (!*row.menu) {
            auto* menu = new QMenu(caption, &window);
            menu->setObjectName(name);
            // Never in a menu bar: the menu only pops up and holds shortcut keys.
            menu->menuAction()->setVisible(!(row.initial & hidden));
            continue;
        }
        QMenu* menu = built<QMenu>(window, row.menu);
        auto* action = new QAction(menu);
        action->setObjectName(name);
        // A separator keeps no text: Qt draws a separator's text as a section title beside the
        // line, which would show a stray "-".
        if (caption == QLatin1String("-"))
            action->setSeparator(true);
        else
            action->setText(caption);
        menu->addAction(action);
        if (row.initial & hidden)
            action->setVisible(false);
        if (row.initial & disabled)
            action->setEnabled(false);
        if (*row.shortcut) {
            action->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(row.shortcut)));
            action->setShortcutContext(Qt::WindowShortcut);
            window.addAction(action);
        }
    }
}

}  // namespace layouts
