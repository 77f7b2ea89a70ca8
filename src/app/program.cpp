#include "app/program.h"

#include "bookmarks/wire.h"
#include "figure/wire.h"
#include "keeping/wire.h"
#include "layouts/vrendis2001.h"
#include "ownparts/wire.h"
#include "shell/wire.h"
#include "views/wire.h"

namespace app {

void wire(Vrendis2001& window) {
    figure::wire(window);
    shell::wire(window);
    bookmarks::wire(window);
    views::wire(window);
    keeping::wire(window);
    own_parts::wire(window);
}

std::unique_ptr<Vrendis2001> open_main_window() {
    auto window = std::make_unique<Vrendis2001>();
    wire(*window);
    shell::load(*window);
    return window;
}

}  // namespace app
