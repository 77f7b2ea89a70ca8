#include "figure/locks.h"

#include <QAction>

#include "layouts/artwork.h"
#include "layouts/wiring.h"
#include "window/verbs.h"

namespace figure {
namespace {

using catalogue::Part;
using layouts::Image;
using layouts::visible;
namespace artwork = layouts::artwork;

// The four command pictures, normal or dimmed. A file that will not load leaves its picture.
void load_command_artwork(Vrendis2001& window, bool available) {
    const char* create = available ? artwork::btn_skapa_on : artwork::btn_skapa_off;
    artwork::load(window.Image13, create);
    artwork::load(window.Image10, create);
    if (main_window::slideshow_running(window)) {
        artwork::load(window.Image11,
                      available ? artwork::btn_stop_slideshow_on : artwork::btn_stop_slideshow_off);
    } else {
        artwork::load(window.Image11,
                      available ? artwork::btn_slideshow_on : artwork::btn_slideshow_off);
    }
    artwork::load(window.Image12, available ? artwork::btn_helskarm_on : artwork::btn_helskarm_off);
}

void toggle_by_label(Vrendis2001& window, Part part) {
    const main_window::PartControls& controls = main_window::controls_of(part);
    Image* mark = window.*controls.lock_mark;
    if (visible(mark)) {
        mark->setVisible(false);
        (window.*controls.typed_box)->setEnabled(true);
        // Always the normal pictures, even when they already show.
        load_command_artwork(window, true);
        return;
    }
    mark->setVisible(true);
    (window.*controls.typed_box)->setEnabled(false);
    // This lock made all three.
    if (main_window::all_locked(window))
        load_command_artwork(window, false);
}

void toggle_by_menu(Vrendis2001& window, Part part) {
    Image* mark = window.*main_window::controls_of(part).lock_mark;
    mark->setVisible(!visible(mark));
}

}  // namespace

void Label4_Click(Vrendis2001& window) {
    toggle_by_label(window, Part::head);
}
void Label7_Click(Vrendis2001& window) {
    toggle_by_label(window, Part::chest);
}
void Label8_Click(Vrendis2001& window) {
    toggle_by_label(window, Part::legs);
}

void mnuhuvud_Click(Vrendis2001& window) {
    toggle_by_menu(window, Part::head);
}
void mnubrost_Click(Vrendis2001& window) {
    toggle_by_menu(window, Part::chest);
}
void mnuben_Click(Vrendis2001& window) {
    toggle_by_menu(window, Part::legs);
}

void wire_locks(Vrendis2001& window) {
    using layouts::Control;
    using layouts::on;
    on(window, window.Label4, &Control::clicked, Label4_Click);
    on(window, window.Label7, &Control::clicked, Label7_Click);
    on(window, window.Label8, &Control::clicked, Label8_Click);
    on(window, window.mnuhuvud, &QAction::triggered, mnuhuvud_Click);
    on(window, window.mnubrost, &QAction::triggered, mnubrost_Click);
    on(window, window.mnuben, &QAction::triggered, mnuben_Click);
}

}  // namespace figure
