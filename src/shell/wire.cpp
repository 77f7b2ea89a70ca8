#include "shell/wire.h"

#include "figure/generator.h"
#include "layouts/loader.h"
#include "layouts/vrendis2001.h"
#include "platform/paths.h"
#include "settings/profile_keys.h"
#include "settings/profile_store.h"

namespace shell {

void wire(Vrendis2001&) {}

void wire(Vrendis2001&, Loader&) {}

// A stand-in for the shell's own load step (tray icon, bookmark list, catalogue sizes), which
// replaces it: only the splash choice and the first figure.
void load(Vrendis2001& window) {
    settings::set_profile_file(
        platform::program_path(settings::keys::program_profile).toStdString());
    settings::set_profile_section(settings::keys::program_section);
    settings::set_profile_key(settings::keys::show_splash);
    const bool splash = settings::read_profile() == "1";
    window.Check1->setVisible(splash);
    window.vrendis_splash->setVisible(splash);
    window.Label35->setVisible(splash);
    window.bookmarks->setVisible(!splash);
    if (!splash)
        functions::generate_figure(window, functions::NEW_FIGURE);
}

}  // namespace shell
