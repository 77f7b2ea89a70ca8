#include "shell/handlers.h"
#include "window/verbs.h"

namespace shell {
namespace {

// The about panel scrolls up from main_window::about_start_top by the step until its top
// reaches the end position exactly, its bottom edge then above the figure area (twips).
constexpr int step = 10;
constexpr int end_position = -18500;

void start_scroll(Vrendis2001& window) {
    window.about_scroller->set_top(main_window::about_start_top);
    window.aboutscroller->set_enabled(true);
}

}  // namespace

void Label3_Click(Vrendis2001& window) {
    main_window::close_bookmark_panel(window);
    window.editid->setVisible(false);
    start_scroll(window);
    main_window::close_splash(window);
}

void mnuabout_Click(Vrendis2001& window) {
    window.editid->setVisible(false);
    start_scroll(window);
    main_window::close_splash(window);
}

void aboutscroller_Timer(Vrendis2001& window) {
    window.about_scroller->setVisible(true);
    window.about_scroller->set_top(window.about_scroller->top() - step);
    if (window.about_scroller->top() == end_position)
        main_window::close_about(window);
}

void about_scroller_DblClick(Vrendis2001& window) {
    main_window::close_about(window);
}

}  // namespace shell
