#include <optional>

#include "bookmarks/bookmark_panel.h"
#include "figure/handlers.h"
#include "figure/id_entry.h"
#include "keeping/handlers.h"
#include "layouts/vrendis2001.h"
#include "platform/dialogs.h"
#include "shell/handlers.h"
#include "views/handlers.h"
#include "window/verbs.h"

// The keys do what their mouse commands do, and beep where those would silently do nothing.
namespace keeping {
namespace {

using catalogue::Part;

// A new figure or part can be drawn: the slideshow stopped and the part (any part) unlocked.
// A single part needs a figure to go into: before the first one it would stand alone.
bool can_draw(Vrendis2001& window, std::optional<Part> part = std::nullopt) {
    const bool blocked =
        main_window::slideshow_running(window) || main_window::all_locked(window) ||
        (part && (main_window::locked(window, *part) || main_window::shown_id(window).isEmpty()));
    if (blocked)
        platform::dialogs().beep();
    return !blocked;
}

}  // namespace

void mnukeyfigure_Click(Vrendis2001& window) {
    if (can_draw(window))
        figure::Label5_Click(window);
}

void mnukeyhead_Click(Vrendis2001& window) {
    if (can_draw(window, Part::head))
        figure::image_head_Click(window);
}

void mnukeychest_Click(Vrendis2001& window) {
    if (can_draw(window, Part::chest))
        figure::image_chest_Click(window);
}

void mnukeylegs_Click(Vrendis2001& window) {
    if (can_draw(window, Part::legs))
        figure::image_legs_Click(window);
}

void mnukeybookmark_Click(Vrendis2001& window) {
    if (main_window::shown_id(window).isEmpty()) {
        platform::dialogs().beep();
        return;
    }
    bookmarks::mnubokmark_Click(window);
}

// As a click on Image20, which stops a running slideshow and opens the view.
void mnukeyfullscreen_Click(Vrendis2001& window) {
    if (main_window::all_locked(window)) {
        platform::dialogs().beep();
        return;
    }
    views::Image20_Click(window);
}

void Form_KeyDown(Vrendis2001& window, int key) {
    if (key != Qt::Key_Escape)
        return;
    if (window.aboutscroller->enabled()) {
        shell::about_scroller_DblClick(window);
    } else if (layouts::visible(window.editid)) {
        figure::editid_Click(window);
    } else if (layouts::visible(window.bokmark_foldin)) {
        bookmarks::Image22_Click(window);
    }
}

}  // namespace keeping
