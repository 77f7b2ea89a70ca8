#include <QColor>
#include <cmath>

#include "figure/generator.h"
#include "layouts/twips.h"
#include "platform/screen_metrics.h"
#include "views/handlers.h"
#include "window/verbs.h"

namespace views {
namespace {

using main_window::all_locked;

const QColor link_colour = layouts::colour_of(layouts::white);
const QColor link_hover_colour = layouts::colour_of(layouts::light_blue);

// The view's load step, in twips: the empty screen takes clicks from below the title band; the
// figure stands about the screen's centre, its left edge this far left of it, and each part's
// top this far from the centre line.
constexpr int title_band_height = 550;
constexpr float figure_half_width = 2200.0f;
constexpr float head_offset = -2000.0f;
constexpr float chest_offset = -683.0f;
constexpr float legs_offset = 1162.0f;

// The nearest whole twip of a position worked out in single precision.
int twips(float position) {
    return static_cast<int>(std::lround(position));
}

// Loads the view (its load step places the parts for the screen and starts its timer) and
// shows it over the whole screen the main window stands on.
void open_view(Vrendis2001& window) {
    const bool loading = !window.fullscreen;
    Fullscreen& view = window.create_fullscreen();
    if (loading)
        fullscreen::Form_Load(window, view);
    view.setScreen(window.screen());
    view.setGeometry(platform::screen_metrics().screen_geometry(window));
    view.setWindowState(Qt::WindowFullScreen);
    view.show();
    view.raise();
    view.activateWindow();
}

}  // namespace

void Image20_Click(Vrendis2001& window) {
    if (all_locked(window))
        return;
    // A running slideshow of the main window stops, as by the start/stop command.
    main_window::stop_slideshow(window);
    open_view(window);
}

// The main window's slideshow goes on; the generator then leaves the view alone.
void mnufullscreen_Click(Vrendis2001& window) {
    if (all_locked(window))
        return;
    open_view(window);
}

namespace fullscreen {

void Form_Load(Vrendis2001& window, Fullscreen& view) {
    const QRect screen = platform::screen_metrics().screen_geometry(window);
    const int width = layouts::pixels_to_twips(screen.width());
    const int height = layouts::pixels_to_twips(screen.height());
    const float half_width = static_cast<float>(width) / 2.0f;
    const float half_height = static_cast<float>(height) / 2.0f;

    // The empty screen below the title band takes the clicks.
    view.Image1->set_twips_geometry(0, title_band_height, width, height);
    // The figure about the screen's centre.
    for (layouts::Image* part : {view.image_head, view.image_chest, view.image_legs})
        part->set_left(twips(half_width - figure_half_width));
    view.image_head->set_top(twips(half_height + head_offset));
    view.image_chest->set_top(twips(half_height + chest_offset));
    view.image_legs->set_top(twips(half_height + legs_offset));
    // The timer is enabled by definition, so it starts ticking here.
    view.Slideshow_Clock->set_interval(slideshow_interval(window));
}

void Slideshow_Clock_Timer(Vrendis2001& window) {
    functions::generate_figure(window, functions::FULLSCREEN_STEP);
}

void image_head_Click(Vrendis2001& window) {
    functions::generate_figure(window, functions::FULLSCREEN_HEAD);
}

void image_chest_Click(Vrendis2001& window) {
    functions::generate_figure(window, functions::FULLSCREEN_CHEST);
}

void image_legs_Click(Vrendis2001& window) {
    functions::generate_figure(window, functions::FULLSCREEN_LEGS);
}

void Image1_Click(Vrendis2001& window) {
    if (!window.fullscreen)
        return;
    layouts::Timer* clock = window.fullscreen->Slideshow_Clock;
    clock->set_enabled(!clock->enabled());
}

void Label1_Click(Vrendis2001& window) {
    window.destroy_fullscreen();
}

void Label1_MouseMove(Vrendis2001& window) {
    if (window.fullscreen)
        window.fullscreen->Label1->set_fore_colour(link_hover_colour);
}

void Form_MouseMove(Vrendis2001& window) {
    if (window.fullscreen)
        window.fullscreen->Label1->set_fore_colour(link_colour);
}

void Form_KeyDown(Vrendis2001& window, int key) {
    if (key == Qt::Key_Escape || key == Qt::Key_F11)
        window.destroy_fullscreen();
}

}  // namespace fullscreen

}  // namespace views
