#include "views/wire.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>

#include "layouts/event_hook.h"
#include "layouts/fullscreen.h"
#include "layouts/vrendis2001.h"
#include "layouts/wiring.h"
#include "views/handlers.h"

namespace views {
namespace {

void wire_view(Vrendis2001& window, Fullscreen& view) {
    using layouts::Control;
    using layouts::on;
    on(window, view.Slideshow_Clock, &layouts::Timer::tick, fullscreen::Slideshow_Clock_Timer);
    on(window, view.image_head, &Control::clicked, fullscreen::image_head_Click);
    on(window, view.image_chest, &Control::clicked, fullscreen::image_chest_Click);
    on(window, view.image_legs, &Control::clicked, fullscreen::image_legs_Click);
    on(window, view.Image1, &Control::clicked, fullscreen::Image1_Click);
    on(window, view.Label1, &Control::clicked, fullscreen::Label1_Click);
    on(window, view.Label1, &Control::mouse_move, fullscreen::Label1_MouseMove);
    // The window has no control of its own for its background and keys: the children take
    // their own mouse events, so only the background (and the band, which lets the mouse
    // through) reaches here.
    view.setMouseTracking(true);
    new layouts::EventHook(&view, [&window](QEvent* event) {
        if (event->type() == QEvent::MouseMove) {
            fullscreen::Form_MouseMove(window);
        } else if (event->type() == QEvent::KeyPress) {
            fullscreen::Form_KeyDown(window, static_cast<QKeyEvent*>(event)->key());
        }
    });
}

}  // namespace

void wire(Vrendis2001& window) {
    using layouts::Control;
    using layouts::on;
    on(window, window.Image19, &Control::clicked, Image19_Click);
    on(window, window.mnustartslideshow, &QAction::triggered, mnustartslideshow_Click);
    on(window, window.Slideshow_Clock, &layouts::Timer::tick, Slideshow_Clock_Timer);
    on(window, window.Text1, &layouts::TextBox::key_press, Text1_KeyPress);
    on(window, window.Text1, &layouts::TextBox::changed, Text1_Change);
    on(window, window.Slider1, &QSlider::valueChanged, Slider1_Change);

    on(window, window.Image20, &Control::clicked, Image20_Click);
    on(window, window.mnufullscreen, &QAction::triggered, mnufullscreen_Click);

    QObject::connect(&window, &Vrendis2001::fullscreen_created, &window,
                     [&window](Fullscreen& view) { wire_view(window, view); });
}

}  // namespace views
