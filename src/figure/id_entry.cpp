#include "figure/id_entry.h"

#include <QAction>

#include "bookmarks/bookmark_panel.h"
#include "figure/digit_filter.h"
#include "figure/generator.h"
#include "layouts/artwork.h"
#include "layouts/vrendis2001.h"
#include "layouts/wiring.h"

namespace figure {

using layouts::visible;

void open_id_entry(Vrendis2001& window) {
    // 1. The figure moves back from beside an open bookmark panel.
    if (visible(window.bokmark_foldin))
        bookmarks::shift_figure(window, -bookmarks::figure_shift);

    // 2. The bookmark panel closes to its plain tab.
    layouts::artwork::load(window.bookmarks, layouts::artwork::bokmarken);
    window.bookmarks->setVisible(true);
    window.bokmark_foldin->setVisible(false);

    // 3. The about panel closes.
    window.about_scroller->setVisible(false);
    window.about_scroller->set_top(-60);
    window.aboutscroller->set_enabled(false);

    // 4. Locked parts take no typing; unlocking enables the box again, not this.
    if (visible(window.bock1))
        window.Text5->setEnabled(false);
    if (visible(window.bock2))
        window.Text6->setEnabled(false);
    if (visible(window.bock3))
        window.Text7->setEnabled(false);

    // 5. The splash panel closes.
    window.Check1->setVisible(false);
    window.vrendis_splash->setVisible(false);
    window.Label35->setVisible(false);

    // 6. The panel takes the tab's place.
    window.editid->setVisible(true);
    window.bookmarks->setVisible(false);
}

void mnuenterid_Click(Vrendis2001& window) {
    open_id_entry(window);
}

void StatusBar2_Click(Vrendis2001& window) {
    open_id_entry(window);
}

void editid_Click(Vrendis2001& window) {
    window.bookmarks->setVisible(true);
    window.editid->setVisible(false);
}

// A click on the bare background elsewhere only hides the panel; the tab stays as it is.
void Frame1_Click(Vrendis2001& window) {
    window.editid->setVisible(false);
}
void Frame2_Click(Vrendis2001& window) {
    window.editid->setVisible(false);
}
void Picture1_Click(Vrendis2001& window) {
    window.editid->setVisible(false);
}
void Picture3_Click(Vrendis2001& window) {
    window.editid->setVisible(false);
}
void Picture4_Click(Vrendis2001& window) {
    window.editid->setVisible(false);
}

void Text5_KeyPress(Vrendis2001&, int& key_ascii) {
    accept_digit_key(key_ascii);
}
void Text6_KeyPress(Vrendis2001&, int& key_ascii) {
    accept_digit_key(key_ascii);
}
void Text7_KeyPress(Vrendis2001&, int& key_ascii) {
    accept_digit_key(key_ascii);
}

void Image13_Click(Vrendis2001& window) {
    functions::generate_figure(window, functions::TYPED_ID);
}

void wire_id_entry(Vrendis2001& window) {
    using layouts::Control;
    using layouts::on;
    using layouts::TextBox;
    on(window, window.mnuenterid, &QAction::triggered, mnuenterid_Click);
    on(window, window.StatusBar2, &layouts::StatusBar::clicked, StatusBar2_Click);
    on(window, window.editid, &Control::clicked, editid_Click);
    on(window, window.Frame1, &Control::clicked, Frame1_Click);
    on(window, window.Frame2, &Control::clicked, Frame2_Click);
    on(window, window.Picture1, &Control::clicked, Picture1_Click);
    on(window, window.Picture3, &Control::clicked, Picture3_Click);
    on(window, window.Picture4, &Control::clicked, Picture4_Click);
    on(window, window.Text5, &TextBox::key_press, Text5_KeyPress);
    on(window, window.Text6, &TextBox::key_press, Text6_KeyPress);
    on(window, window.Text7, &TextBox::key_press, Text7_KeyPress);
    on(window, window.Image13, &Control::clicked, Image13_Click);
}

}  // namespace figure
