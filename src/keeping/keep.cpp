#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "bookmarks/bookmark_panel.h"
#include "keeping/handlers.h"
#include "keeping/picture.h"
#include "platform/dialogs.h"
#include "window/verbs.h"

namespace keeping {
namespace {

void beep() {
    platform::dialogs().beep();
}

// Back or forward: paints the remembered figure as a bookmark row does, remembering nothing.
void step(Vrendis2001& window, Keeping& keeping, int direction) {
    if (main_window::slideshow_running(window) || main_window::all_locked(window)) {
        beep();
        return;
    }
    const auto can_show = [&](const QString& id) {
        return bookmarks::bookmark_showable(window, id);
    };
    const std::optional<QString> id =
        direction < 0 ? keeping.history.back(can_show) : keeping.history.forward(can_show);
    if (!id) {
        beep();
        return;
    }
    keeping.stepping = true;
    bookmarks::show_bookmark(window, *id);
    keeping.stepping = false;
}

}  // namespace

void mnusavepicture_Click(Vrendis2001& window, Keeping& keeping) {
    const QString id = main_window::shown_id(window);
    if (id.isEmpty()) {
        beep();
        return;
    }
    // The picture as it is now: a slideshow may move on while the dialog is open.
    const QImage picture = figure_picture(window);
    const QString folder = keeping.last_folder.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)
                               : keeping.last_folder;
    const QString chosen = platform::dialogs().save_file_name(
        QStringLiteral("Spara bild"), QDir(folder).filePath(id + QStringLiteral(".png")),
        QStringLiteral("Bilder (*.png *.jpg *.jpeg)"));
    if (chosen.isEmpty())
        return;
    keeping.last_folder = QFileInfo(chosen).absolutePath();
    if (!write_picture(picture, picture_file(chosen)))
        platform::dialogs().message_box(QStringLiteral("Bilden kunde inte sparas."),
                                        QStringLiteral("Vrendomaten - Spara bild"),
                                        platform::MessageIcon::Error);
}

void mnucopypicture_Click(Vrendis2001& window) {
    const QString id = main_window::shown_id(window);
    if (id.isEmpty()) {
        beep();
        return;
    }
    copy_picture(figure_picture(window), id);
}

void mnuback_Click(Vrendis2001& window, Keeping& keeping) {
    step(window, keeping, -1);
}

void mnuforward_Click(Vrendis2001& window, Keeping& keeping) {
    step(window, keeping, +1);
}

void Form_FigureShown(Vrendis2001& window, Keeping& keeping) {
    const QString id = main_window::shown_id(window);
    if (id.isEmpty())
        return;
    if (keeping.stepping)
        keeping.history.stepped_to(id);
    else
        keeping.history.shown(id);
}

}  // namespace keeping
