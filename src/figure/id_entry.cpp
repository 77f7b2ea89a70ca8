#include "figure/id_entry.h"

#include <QAction>

#include "figure/digit_filter.h"
#include "figure/generator.h"
#include "layouts/wiring.h"
#include "window/verbs.h"

namespace figure {

void open_id_entry(Vrendis2001& window) {
    // The bookmark panel closes to its plain tab, the figure moving back from beside it.
    main_window::close_bookmark_panel(window);

    main_window::close_about(window);

    // Locked parts take no typing; unlocking enables the box again, not this.
    for (const main_window::PartControls& controls : main_window::part_controls) {
        if (main_window::locked(window, controls.part))
            (window.*controls.typed_box)->setEnabled(false);
    }

    main_window::close_splash(window);

    // The panel takes the tab's place.
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
