#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeData>
#include <QStandardPaths>
#include <QUrl>

#include "bookmarks/bookmark_panel.h"
#include "catalogue/own_part.h"
#include "catalogue/own_part_store.h"
#include "ownparts/handlers.h"
#include "ownparts/own_part_dialog.h"
#include "platform/dialogs.h"
#include "shell/handlers.h"
#include "window/verbs.h"

namespace own_parts {
namespace {

using catalogue::Cutout;
using catalogue::Part;

const QString box_title = QStringLiteral("Vrendomaten - Egen del");

void beep() {
    platform::dialogs().beep();
}

void tell(const QString& problem) {
    platform::dialogs().message_box(problem, box_title, platform::MessageIcon::Error);
}

// A part goes into a figure: one must be on show, and the slideshow must not paint over it.
bool can_add(const Vrendis2001& window) {
    if (main_window::slideshow_running(window) || main_window::shown_id(window).isEmpty()) {
        beep();
        return false;
    }
    return true;
}

// The keys act unless a text box has the focus: Ctrl+V never reaches us then, as the box takes
// it, and Ctrl+O goes nowhere.
bool text_box_focused() {
    return qobject_cast<layouts::TextBox*>(QApplication::focusWidget()) != nullptr;
}

// Every format Qt reads here, as the open dialog's filter; a camera's IMG_1234.JPG too, as the
// dialog matches case.
QString picture_filter() {
    QStringList patterns;
    for (const QByteArray& suffix : QImageReader::supportedImageFormats()) {
        const QString ending = QString::fromLatin1(suffix);
        patterns += QStringLiteral("*.") + ending;
        patterns += QStringLiteral("*.") + ending.toUpper();
    }
    return QStringLiteral("Bilder (%1);;Alla filer (*)").arg(patterns.join(QLatin1Char(' ')));
}

// The user's pictures folder, or the home folder where there is none.
QString pictures_folder() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

// The ID on show with the new part in its kind's place.
QString id_with(const Vrendis2001& window, Part part, const QString& part_id) {
    QString id;
    for (const main_window::PartControls& controls : main_window::part_controls)
        id += controls.part == part ? part_id : (window.*controls.holder)->text();
    return id;
}

// "Lägg till": the part stored as its kind's next number, the sizes shown anew, and the figure
// with it painted as a bookmark row paints one: the other parts and locked parts stay.
void add(Vrendis2001& window, Part part, const QImage& fitted) {
    const catalogue::StoredPart stored =
        catalogue::store_own_part(part, catalogue::part_jpeg(fitted));
    if (stored.part_id.isEmpty()) {
        tell(stored.problem);
        return;
    }
    shell::show_catalogue_sizes(window);
    bookmarks::show_bookmark(window, id_with(window, part, stored.part_id));
}

// Shows what was kept of the picture in the figure on show, as the kind `part` to begin with.
void offer(Vrendis2001& window, const Cutout& cutout, Part part) {
    if (cutout.image.isNull()) {
        tell(cutout.problem);
        return;
    }
    std::array<QImage, 3> figure;
    for (const main_window::PartControls& controls : main_window::part_controls)
        figure[catalogue::index(controls.part)] = (window.*controls.picture)->picture();
    auto* dialog = new OwnPartDialog(&window, figure, cutout.image, part);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    QObject::connect(dialog, &QDialog::accepted, &window,
                     [&window, dialog] { add(window, dialog->part(), dialog->fitted()); });
    dialog->open();
}

// The one local file the data names, or nothing.
std::optional<QString> single_file(const QMimeData& data) {
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return std::nullopt;
    return urls.front().toLocalFile();
}

}  // namespace

void mnuaddpart_Click(Vrendis2001& window) {
    if (text_box_focused() || !can_add(window))
        return;
    const QString chosen = platform::dialogs().open_file_name(QStringLiteral("Lägg till egen del"),
                                                              pictures_folder(), picture_filter());
    if (chosen.isEmpty() || !can_add(window))
        return;
    offer(window, catalogue::cut_out(chosen), Part::head);
}

void mnukeypaste_Click(Vrendis2001& window) {
    if (text_box_focused() || !can_add(window))
        return;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data && data->hasImage()) {
        offer(window, catalogue::cut_out(qvariant_cast<QImage>(data->imageData())), Part::head);
        return;
    }
    if (const auto file = data ? single_file(*data) : std::nullopt) {
        offer(window, catalogue::cut_out(*file), Part::head);
        return;
    }
    beep();
}

bool wanted_drag(const QMimeData& data) {
    return data.hasUrls() || data.hasImage();
}

void Form_Drop(Vrendis2001& window, std::optional<Part> part, const QMimeData& data) {
    if (!part) {
        beep();
        return;
    }
    if (!can_add(window))
        return;
    if (data.hasUrls()) {
        if (const auto file = single_file(data))
            offer(window, catalogue::cut_out(*file), *part);
        else
            beep();
        return;
    }
    if (data.hasImage()) {
        offer(window, catalogue::cut_out(qvariant_cast<QImage>(data.imageData())), *part);
        return;
    }
    beep();
}

}  // namespace own_parts
