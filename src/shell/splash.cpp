#include "figure/generator.h"
#include "layouts/artwork.h"
#include "layouts/vrendis2001.h"
#include "platform/paths.h"
#include "settings/profile_keys.h"
#include "settings/profile_store.h"
#include "shell/handlers.h"

namespace shell {
namespace {

const QColor white = QColor::fromRgb(255, 255, 255);
const QColor pale_yellow = QColor::fromRgb(255, 255, 192);

void show_splash(Vrendis2001& window, bool shown) {
    window.Check1->setVisible(shown);
    window.vrendis_splash->setVisible(shown);
    window.Label35->setVisible(shown);
}

}  // namespace

void mnusplash_Click(Vrendis2001& window) {
    show_splash(window, true);
}

void vrendis_splash_Click(Vrendis2001& window) {
    show_splash(window, false);
    window.bookmarks->setVisible(true);
    functions::generate_figure(window, functions::NEW_FIGURE);
}

void vrendis_splash_MouseMove(Vrendis2001& window, Qt::MouseButtons buttons) {
    window.Label35->set_fore_colour(white);
    start_window_drag(window, buttons);
    layouts::artwork::load(window.bookmarks, layouts::artwork::bokmarken);
}

void Label35_Click(Vrendis2001& window) {
    show_splash(window, false);
    window.bookmarks->setVisible(true);
}

void Label35_MouseMove(Vrendis2001& window) {
    window.Label35->set_fore_colour(pale_yellow);
}

// A ticked box asks for a real figure at the next start, a cleared one for the splash again.
void Check1_Click(Vrendis2001& window) {
    const bool ticked = window.Check1->isChecked();
    settings::set_profile_file(
        platform::program_path(settings::keys::program_profile).toStdString());
    settings::set_profile_section(settings::keys::program_section);
    settings::set_profile_key(settings::keys::show_splash);
    settings::write_profile(ticked ? "0" : "1");
}

}  // namespace shell
