#include "layouts/artwork.h"
#include "layouts/vrendis2001.h"
#include "shell/handlers.h"

namespace shell {
namespace {

// Tops of the about panel in twips: it is opened at the start position and scrolls up by the
// step until it reaches the end position exactly, its bottom edge then above the figure area.
constexpr int start_position = -60;
constexpr int step = 10;
constexpr int end_position = -18500;
// How far the opened bookmark panel pushes the figure to the right.
constexpr int bookmark_panel_shift = 1250;

void close_splash(Vrendis2001& window) {
    window.Check1->setVisible(false);
    window.vrendis_splash->setVisible(false);
    window.Label35->setVisible(false);
}

void start_scroll(Vrendis2001& window) {
    window.about_scroller->set_top(start_position);
    window.aboutscroller->set_enabled(true);
}

}  // namespace

void Label3_Click(Vrendis2001& window) {
    if (layouts::visible(window.bokmark_foldin)) {
        for (layouts::Image* part : {window.image_head, window.image_chest, window.image_legs})
            part->set_left(part->left() - bookmark_panel_shift);
    }
    layouts::artwork::load(window.bookmarks, layouts::artwork::bokmarken);
    window.bookmarks->setVisible(true);
    window.bokmark_foldin->setVisible(false);
    window.editid->setVisible(false);
    start_scroll(window);
    close_splash(window);
}

void mnuabout_Click(Vrendis2001& window) {
    window.editid->setVisible(false);
    start_scroll(window);
    close_splash(window);
}

void aboutscroller_Timer(Vrendis2001& window) {
    window.about_scroller->setVisible(true);
    window.about_scroller->set_top(window.about_scroller->top() - step);
    if (window.about_scroller->top() == end_position) {
        window.about_scroller->setVisible(false);
        window.about_scroller->set_top(start_position);
        window.aboutscroller->set_enabled(false);
    }
}

void about_scroller_DblClick(Vrendis2001& window) {
    window.about_scroller->setVisible(false);
    window.about_scroller->set_top(start_position);
    window.aboutscroller->set_enabled(false);
}

}  // namespace shell
