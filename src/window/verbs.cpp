#include "window/verbs.h"

#include "layouts/artwork.h"

namespace main_window {

namespace artwork = layouts::artwork;
using layouts::visible;

bool locked(const Vrendis2001& window, Part part) {
    return visible(window.*controls_of(part).lock_mark);
}

bool all_locked(const Vrendis2001& window) {
    return locked(window, Part::head) && locked(window, Part::chest) && locked(window, Part::legs);
}

QString shown_id(const Vrendis2001& window) {
    const QString head = window.Text2->text();
    const QString chest = window.Text3->text();
    const QString legs = window.Text4->text();
    if (head.isEmpty() || chest.isEmpty() || legs.isEmpty())
        return {};
    return head + chest + legs;
}

bool slideshow_running(const Vrendis2001& window) {
    return window.Slideshow_Clock->enabled();
}

void set_splash_visible(Vrendis2001& window, bool shown) {
    window.Check1->setVisible(shown);
    window.vrendis_splash->setVisible(shown);
    window.Label35->setVisible(shown);
}

void close_splash(Vrendis2001& window) {
    set_splash_visible(window, false);
}

bool show_part(Vrendis2001& window, Part part, const QString& path, const QString& part_id) {
    const PartControls& controls = controls_of(part);
    if (!(window.*controls.picture)->load_picture(path))
        return false;
    (window.*controls.holder)->setText(part_id);
    return true;
}

void show_id(Vrendis2001& window) {
    window.StatusBar2->set_panel_text(1, QLatin1String(Vrendis2001::id_status_prefix) +
                                             window.Text2->text() + window.Text3->text() +
                                             window.Text4->text());
    emit window.figure_shown();
}

void shift_figure(Vrendis2001& window, int twips) {
    for (const PartControls& controls : part_controls) {
        layouts::Image* picture = window.*controls.picture;
        picture->set_left(picture->left() + twips);
    }
}

void close_bookmark_panel(Vrendis2001& window) {
    if (visible(window.bokmark_foldin))
        shift_figure(window, -bookmark_panel_shift);
    artwork::load(window.bookmarks, artwork::bokmarken);
    window.bookmarks->setVisible(true);
    window.bokmark_foldin->setVisible(false);
}

void close_about(Vrendis2001& window) {
    window.about_scroller->setVisible(false);
    window.about_scroller->set_top(about_start_top);
    window.aboutscroller->set_enabled(false);
}

void stop_slideshow(Vrendis2001& window) {
    artwork::load(window.Image11, artwork::btn_slideshow_on);
    artwork::load(window.Image10, artwork::btn_skapa_on);
    window.Slideshow_Clock->set_enabled(false);
    window.Slider1->setEnabled(true);
    window.Text1->setEnabled(true);
}

}  // namespace main_window
