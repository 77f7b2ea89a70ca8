#include "bookmarks/bookmark_panel.h"

#include <QImageReader>
#include <QListWidget>
#include <QMenu>
#include <vector>

#include "bookmarks/bookmark_file.h"
#include "layouts/artwork.h"
#include "layouts/vrendis2001.h"
#include "platform/dialogs.h"
#include "platform/paths.h"
#include "settings/profile_keys.h"
#include "settings/profile_store.h"

namespace bookmarks {
namespace {

using layouts::visible;
namespace artwork = layouts::artwork;
namespace keys = settings::keys;

void open_panel(Vrendis2001& window) {
    shift_figure(window, figure_shift);
    window.bokmark_foldin->setVisible(true);
    window.bookmarks->setVisible(false);
}

void close_panel(Vrendis2001& window) {
    shift_figure(window, -figure_shift);
    artwork::load(window.bookmarks, artwork::bokmarken);
    window.bookmarks->setVisible(true);
    window.bokmark_foldin->setVisible(false);
}

QString read_key(const char* key) {
    settings::set_profile_key(key);
    return QString::fromStdString(settings::read_profile());
}

// One unlocked part of the bookmark: its picture, the ID part that goes with it, and the file.
struct Part {
    layouts::Image* picture;
    layouts::TextBox* holder;
    QString id_part;
    QString path;
};

bool loads(const QString& path) {
    QImage picture;
    return QImageReader(path).read(&picture) && !picture.isNull();
}

void show_bookmark(Vrendis2001& window, const QString& row_text) {
    const IdDigits digits = scan_id(row_text);
    if (window.Slideshow_Clock->enabled())
        return;
    window.Check1->setVisible(false);
    window.vrendis_splash->setVisible(false);
    window.Label35->setVisible(false);
    const bool head_locked = visible(window.bock1);
    const bool chest_locked = visible(window.bock2);
    const bool legs_locked = visible(window.bock3);
    if (head_locked && chest_locked && legs_locked)
        return;

    settings::set_profile_file(platform::program_path(keys::program_profile).toStdString());
    settings::set_profile_section(keys::program_section);
    std::vector<Part> parts;
    auto add = [&](layouts::Image* picture, layouts::TextBox* holder, const char* directory_key,
                   const QString& id_part) {
        parts.push_back(
            {picture, holder, id_part,
             platform::program_path(read_key(directory_key) + id_part + QStringLiteral(".jpg"))});
    };
    if (!head_locked)
        add(window.image_head, window.Text2, keys::head_directory,
            QStringLiteral("h") + digits.head);
    if (!chest_locked)
        add(window.image_chest, window.Text3, keys::chest_directory,
            QStringLiteral("c") + digits.chest);
    if (!legs_locked)
        add(window.image_legs, window.Text4, keys::legs_directory,
            QStringLiteral("l") + digits.legs);

    // A bookmark that cannot be shown whole is not shown in part: the figure stays, and the
    // user hears why nothing happened.
    for (const Part& part : parts) {
        if (!loads(part.path)) {
            platform::dialogs().beep();
            return;
        }
    }
    // An ID part changes only with its picture, so the ID on show always names what is shown.
    for (const Part& part : parts)
        if (part.picture->load_picture(part.path))
            part.holder->setText(part.id_part);
    window.StatusBar2->set_panel_text(1, QStringLiteral("  Vrendis ID:  ") + window.Text2->text() +
                                             window.Text3->text() + window.Text4->text());
}

void plain_tab(Vrendis2001& window) {
    artwork::load(window.bookmarks, artwork::bokmarken);
}
void plain_strip(Vrendis2001& window) {
    artwork::load(window.Image22, artwork::bokmarken_in);
}

}  // namespace

void shift_figure(Vrendis2001& window, int twips) {
    for (layouts::Image* picture : {window.image_head, window.image_chest, window.image_legs})
        picture->set_left(picture->left() + twips);
}

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
    close_panel(window);
}

void mnuopen2_Click(Vrendis2001& window) {
    if (visible(window.bokmark_foldin)) {
        close_panel(window);
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
