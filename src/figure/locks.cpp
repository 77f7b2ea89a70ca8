#include "figure/locks.h"

#include <QAction>

#include "layouts/artwork.h"
#include "layouts/vrendis2001.h"
#include "layouts/wiring.h"

namespace figure {
namespace {

using layouts::Image;
using layouts::TextBox;
using layouts::visible;
namespace artwork = layouts::artwork;

struct Lock {
    Image* Vrendis2001::*mark;
    TextBox* Vrendis2001::*box;
    Image* Vrendis2001::*other1;
    Image* Vrendis2001::*other2;
};

constexpr Lock head{&Vrendis2001::bock1, &Vrendis2001::Text5, &Vrendis2001::bock2,
                    &Vrendis2001::bock3};
constexpr Lock chest{&Vrendis2001::bock2, &Vrendis2001::Text6, &Vrendis2001::bock1,
                     &Vrendis2001::bock3};
constexpr Lock legs{&Vrendis2001::bock3, &Vrendis2001::Text7, &Vrendis2001::bock1,
                    &Vrendis2001::bock2};

// The four command pictures, normal or dimmed. A file that will not load leaves its picture.
void load_command_artwork(Vrendis2001& window, bool available) {
    const char* create = available ? artwork::btn_skapa_on : artwork::btn_skapa_off;
    artwork::load(window.Image13, create);
    artwork::load(window.Image10, create);
    if (window.Slideshow_Clock->enabled()) {
        artwork::load(window.Image11,
                      available ? artwork::btn_stop_slideshow_on : artwork::btn_stop_slideshow_off);
    } else {
        artwork::load(window.Image11,
                      available ? artwork::btn_slideshow_on : artwork::btn_slideshow_off);
    }
    artwork::load(window.Image12, available ? artwork::btn_helskarm_on : artwork::btn_helskarm_off);
}

void toggle_by_label(Vrendis2001& window, const Lock& lock) {
    Image* mark = window.*lock.mark;
    if (visible(mark)) {
        mark->setVisible(false);
        (window.*lock.box)->setEnabled(true);
        // Always the normal pictures, even when they already show.
        load_command_artwork(window, true);
        return;
    }
    mark->setVisible(true);
    (window.*lock.box)->setEnabled(false);
    if (visible(window.*lock.other1) && visible(window.*lock.other2))
        load_command_artwork(window, false);
}

void toggle_by_menu(Vrendis2001& window, const Lock& lock) {
    Image* mark = window.*lock.mark;
    mark->setVisible(!visible(mark));
}

}  // namespace

void Label4_Click(Vrendis2001& window) {
    toggle_by_label(window, head);
}
void Label7_Click(Vrendis2001& window) {
    toggle_by_label(window, chest);
}
void Label8_Click(Vrendis2001& window) {
    toggle_by_label(window, legs);
}

void mnuhuvud_Click(Vrendis2001& window) {
    toggle_by_menu(window, head);
}
void mnubrost_Click(Vrendis2001& window) {
    toggle_by_menu(window, chest);
}
void mnuben_Click(Vrendis2001& window) {
    toggle_by_menu(window, legs);
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
