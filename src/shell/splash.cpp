#include "figure/generator.h"
#include "layouts/artwork.h"
#include "settings/program_profile.h"
#include "shell/handlers.h"
#include "window/verbs.h"

namespace shell {
namespace {

const QColor white = layouts::colour_of(layouts::white);
const QColor pale_yellow = layouts::colour_of(layouts::pale_yellow);

using main_window::close_splash;

}  // namespace

void mnusplash_Click(Vrendis2001& window) {
    main_window::set_splash_visible(window, true);
}

void vrendis_splash_Click(Vrendis2001& window) {
    close_splash(window);
    window.bookmarks->setVisible(true);
    functions::generate_figure(window, functions::NEW_FIGURE);
}

void vrendis_splash_MouseMove(Vrendis2001& window, Qt::MouseButtons buttons) {
    window.Label35->set_fore_colour(white);
    start_window_drag(window, buttons);
    layouts::artwork::load(window.bookmarks, layouts::artwork::bokmarken);
}

void Label35_Click(Vrendis2001& window) {
    close_splash(window);
    window.bookmarks->setVisible(true);
}

void Label35_MouseMove(Vrendis2001& window) {
    window.Label35->set_fore_colour(pale_yellow);
}

// A ticked box asks for a real figure at the next start, a cleared one for the splash again.
void Check1_Click(Vrendis2001& window) {
    const bool ticked = window.Check1->isChecked();
    settings::write_program_profile(settings::ProgramKey::show_splash,
                                    ticked ? QStringLiteral("0") : QStringLiteral("1"));
}

}  // namespace shell
