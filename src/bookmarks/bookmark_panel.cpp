#include "bookmarks/bookmark_panel.h"

#include <QMenu>
#include <vector>

#include "bookmarks/bookmark_list.h"
#include "catalogue/catalogue.h"
#include "layouts/artwork.h"
#include "platform/dialogs.h"
#include "settings/program_profile.h"
#include "window/verbs.h"

namespace bookmarks {
namespace {

using catalogue::Part;
using layouts::visible;
namespace artwork = layouts::artwork;

void open_panel(Vrendis2001& window) {
    finish_bookmark_restore(window);
    main_window::shift_figure(window, main_window::bookmark_panel_shift);
    window.bokmark_foldin->setVisible(true);
    window.bookmarks->setVisible(false);
}

void plain_tab(Vrendis2001& window) {
    artwork::load(window.bookmarks, artwork::bokmarken);
}
void plain_strip(Vrendis2001& window) {
    artwork::load(window.Image22, artwork::bokmarken_in);
}

}  // namespace

namespace {

// The unlocked parts a bookmark would show: each part's ID and picture file. A part whose
// digits name no picture has no file.
struct ShownPart {
    Part part;
    QString id;
    QString path;
};
std::vector<ShownPart> unlocked_parts(const Vrendis2001& window, const QString& row_text) {
    const IdDigits scanned = scan_id(row_text);
    const QString digits[] = {scanned.head, scanned.chest, scanned.legs};
    std::vector<ShownPart> shown;
    for (Part part : catalogue::parts) {
        if (main_window::locked(window, part))
            continue;
        const QString& number = digits[catalogue::index(part)];
        const QString id = QLatin1String(catalogue::letter(part)) + number;
        const QString directory = settings::read_program_profile(catalogue::directory_key(part));
        shown.push_back({part, id,
                         catalogue::names_picture(number) ? catalogue::picture_path(directory, id)
                                                          : QString()});
    }
    return shown;
}

}  // namespace

bool bookmark_showable(const Vrendis2001& window, const QString& row_text) {
    for (const ShownPart& shown : unlocked_parts(window, row_text)) {
        if (shown.path.isEmpty() || catalogue::load_part(shown.path).isNull())
            return false;
    }
    return true;
}

void show_bookmark(Vrendis2001& window, const QString& row_text) {
    if (main_window::slideshow_running(window))
        return;
    main_window::close_splash(window);
    if (main_window::all_locked(window))
        return;
    // A bookmark that cannot be shown whole is not shown in part: the figure stays, and the
    // user hears why nothing happened.
    if (!bookmark_showable(window, row_text)) {
        platform::dialogs().beep();
        return;
    }
    for (const ShownPart& shown : unlocked_parts(window, row_text))
        main_window::show_part(window, shown.part, shown.path, shown.id);
    main_window::show_id(window);
}

void bookmarks_Click(Vrendis2001& window) {
    open_panel(window);
}

void Image22_Click(Vrendis2001& window) {
    main_window::close_bookmark_panel(window);
}

void mnuopen2_Click(Vrendis2001& window) {
    if (visible(window.bokmark_foldin)) {
        main_window::close_bookmark_panel(window);
        return;
    }
    window.editid->setVisible(false);
    open_panel(window);
}

void bokmarken_list_Click(Vrendis2001& window) {
    const int selected = window.bokmarken_list->selected_row();
    if (selected >= 0)
        show_bookmark(window, window.bokmarken_list->text(selected));
}

// The menu acts on the row under the pointer at the right press, never on the selection: the
// delete entry keeps that row's bookmark number, and is disabled over empty space.
void bokmarken_list_MouseDown(Vrendis2001& window, Qt::MouseButton button, QPoint position) {
    if (button != Qt::RightButton)
        return;
    layouts::ListBox* list = window.bokmarken_list;
    const int row = list->row_at(position);
    window.mnubookmark_delete->setData(row >= 0 ? QVariant::fromValue(list->item_data(row))
                                                : QVariant());
    window.mnubookmark_delete->setEnabled(row >= 0);
    window.mnubookmarks->popup(list->viewport()->mapToGlobal(position));
}

void mnubokmark_Click(Vrendis2001& window) {
    add_current_figure(window);
}

void mnubookmark_add_Click(Vrendis2001& window) {
    add_current_figure(window);
}

void mnubookmark_delete_Click(Vrendis2001& window) {
    bool numbered = false;
    const qint64 number = window.mnubookmark_delete->data().toLongLong(&numbered);
    window.mnubookmark_delete->setData(QVariant());
    if (numbered)
        delete_listed_bookmark(window, number);
}

void bokmarken_list_KeyDown(Vrendis2001& window, int& key_code) {
    layouts::ListBox* list = window.bokmarken_list;
    const int selected = list->selected_row();
    switch (key_code) {
        case Qt::Key_Up:
        case Qt::Key_Down: {
            const int next = list->row_beside(key_code == Qt::Key_Up ? -1 : +1);
            if (next < 0) {
                platform::dialogs().beep();
                break;
            }
            list->set_current_row(next);
            bokmarken_list_Click(window);
            break;
        }
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (selected < 0)
                platform::dialogs().beep();
            else
                bokmarken_list_Click(window);
            break;
        case Qt::Key_Delete:
            if (selected < 0)
                platform::dialogs().beep();
            else
                delete_listed_bookmark(window, list->item_data(selected));
            break;
        default:
            return;
    }
    key_code = 0;
}

void bookmarks_MouseMove(Vrendis2001& window) {
    artwork::load(window.bookmarks, artwork::bokmarken_on);
}
void Image22_MouseMove(Vrendis2001& window) {
    artwork::load(window.Image22, artwork::bokmarken_in_on);
}
void bokmarken_list_MouseMove(Vrendis2001& window) {
    plain_strip(window);
}
void image_head_MouseMove(Vrendis2001& window) {
    plain_strip(window);
}
void image_chest_MouseMove(Vrendis2001& window) {
    plain_strip(window);
}
void image_legs_MouseMove(Vrendis2001& window) {
    plain_strip(window);
}
void editid_MouseMove(Vrendis2001& window) {
    plain_tab(window);
    plain_strip(window);
}
void Picture1_MouseMove(Vrendis2001& window) {
    plain_tab(window);
    plain_strip(window);
}
void Picture4_MouseMove(Vrendis2001& window) {
    plain_tab(window);
    plain_strip(window);
}
void Frame1_MouseMove(Vrendis2001& window) {
    plain_tab(window);
}

}  // namespace bookmarks
