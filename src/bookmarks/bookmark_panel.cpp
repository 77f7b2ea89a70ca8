#include "bookmarks/bookmark_panel.h"

#include <QListWidget>
#include <QMenu>

#include "bookmarks/bookmark_file.h"
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
    main_window::shift_figure(window, main_window::bookmark_panel_shift);
    window.bokmark_foldin->setVisible(true);
    window.bookmarks->setVisible(false);
}

void show_bookmark(Vrendis2001& window, const QString& row_text) {
    const IdDigits scanned = scan_id(row_text);
    if (main_window::slideshow_running(window))
        return;
    main_window::close_splash(window);
    if (main_window::all_locked(window))
        return;

    QString paths[std::size(catalogue::parts)];
    QString ids[std::size(catalogue::parts)];
    const QString digits[] = {scanned.head, scanned.chest, scanned.legs};
    for (Part part : catalogue::parts) {
        const std::size_t at = catalogue::index(part);
        ids[at] = QLatin1String(catalogue::letter(part)) + digits[at];
        paths[at] = catalogue::picture_path(
            settings::read_program_profile(catalogue::directory_key(part)), ids[at]);
    }

    // A bookmark that cannot be shown whole is not shown in part: the figure stays, and the
    // user hears why nothing happened.
    for (Part part : catalogue::parts) {
        if (!main_window::locked(window, part) &&
            catalogue::load_part(paths[catalogue::index(part)]).isNull()) {
            platform::dialogs().beep();
            return;
        }
    }
    for (Part part : catalogue::parts) {
        if (!main_window::locked(window, part))
            main_window::show_part(window, part, paths[catalogue::index(part)],
                                   ids[catalogue::index(part)]);
    }
    main_window::show_id(window);
}

void plain_tab(Vrendis2001& window) {
    artwork::load(window.bookmarks, artwork::bokmarken);
}
void plain_strip(Vrendis2001& window) {
    artwork::load(window.Image22, artwork::bokmarken_in);
}

}  // namespace

IdDigits scan_id(const QString& row_text) {
    QString t = row_text;
    t.remove(QLatin1Char('h'));
    IdDigits digits;
    const qsizetype c = t.indexOf(QLatin1Char('c'));
    digits.head = c < 0 ? t : t.left(c);
    // The chest digits start one place past the head digits, whatever stands there.
    const qsizetype chest_start = digits.head.size() + 1;
    if (chest_start < t.size()) {
        const qsizetype l = t.indexOf(QLatin1Char('l'), chest_start);
        digits.chest = l < 0 ? t.mid(chest_start) : t.mid(chest_start, l - chest_start);
    }
    const qsizetype legs_start = digits.head.size() + digits.chest.size() + 2;
    if (legs_start < t.size())
        digits.legs = t.mid(legs_start);
    return digits;
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
    const QList<QListWidgetItem*> selected = window.bokmarken_list->selectedItems();
    if (!selected.isEmpty())
        show_bookmark(window, selected.front()->text());
}

// The menu acts on the row under the pointer at the right press, never on the selection: the
// delete entry keeps that row's bookmark number, and is disabled over empty space.
void bokmarken_list_MouseDown(Vrendis2001& window, Qt::MouseButton button, QPoint position) {
    if (button != Qt::RightButton)
        return;
    const QListWidgetItem* row = window.bokmarken_list->itemAt(position);
    window.mnubookmark_delete->setData(row ? row->data(Qt::UserRole) : QVariant());
    window.mnubookmark_delete->setEnabled(row != nullptr);
    window.mnubookmarks->popup(window.bokmarken_list->viewport()->mapToGlobal(position));
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
