#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPromise>
#include <QStandardPaths>
#include <QtConcurrent>

#include "bookmarks/bookmark_list.h"
#include "catalogue/picture_file.h"
#include "catalogue/sheet.h"
#include "keeping/handlers.h"
#include "keeping/picture.h"
#include "layouts/vrendis2001.h"
#include "platform/dialogs.h"

namespace keeping {
namespace {

const QString title = QStringLiteral("Vrendomaten - Spara bokmärken");

// The bookmark list's IDs, top to bottom.
std::vector<QString> listed_ids(Vrendis2001& window) {
    bookmarks::finish_bookmark_restore(window);
    const layouts::ListBox& list = *window.bokmarken_list;
    std::vector<QString> ids;
    ids.reserve(std::size_t(list.count()));
    for (int row = 0; row < list.count(); ++row) ids.push_back(list.text(row));
    return ids;
}

// The files of the series that stand there already.
QStringList existing_files(const QString& file, qsizetype sheets) {
    QStringList existing;
    for (qsizetype sheet = 0; sheet < sheets; ++sheet) {
        const QString sheet_file = catalogue::sheet_file(file, sheet);
        if (QFileInfo::exists(sheet_file))
            existing << QDir::toNativeSeparators(sheet_file);
    }
    return existing;
}

// One question for them all; a long series names its first few.
QString replace_question(const QStringList& existing) {
    constexpr qsizetype named = 8;
    if (existing.size() == 1)
        return QStringLiteral("%1 finns redan. Vill du ersätta den?").arg(existing.first());
    QString question = QStringLiteral("De här filerna finns redan:\n") +
                       existing.first(std::min(existing.size(), named)).join(QLatin1Char('\n'));
    if (existing.size() > named)
        question += QStringLiteral("\noch %1 till").arg(existing.size() - named);
    return question + QStringLiteral("\nVill du ersätta dem?");
}

// The progress for the dialog, from the thread that writes; the dialog's "Avbryt" stops it.
class Promised final : public catalogue::SheetProgress {
public:
    explicit Promised(QPromise<catalogue::SheetSeries>& promise) : promise_(promise) {}
    bool figure_drawn(qsizetype drawn) override {
        promise_.setProgressValue(int(drawn));
        return !promise_.isCanceled();
    }

private:
    QPromise<catalogue::SheetSeries>& promise_;
};

// Over the main window, whatever window the writing leaves active (the progress dialog that
// just went, perhaps).
void tell_result(Vrendis2001& window, const catalogue::SheetSeries& series) {
    if (!series.failed.isEmpty()) {
        const QString file = QDir::toNativeSeparators(series.failed);
        platform::dialogs().window_modal_box(
            window,
            series.out_of_memory ? QStringLiteral("Arket %1 ryms inte i minnet.").arg(file)
                                 : QStringLiteral("Filen %1 går inte att skriva.").arg(file),
            title, platform::MessageIcon::Error);
        return;
    }
    platform::dialogs().window_modal_box(window,
                                         QStringLiteral("%1 filer sparades.").arg(series.written),
                                         title, platform::MessageIcon::Information);
}

// Writes the sheets in the background behind a progress dialog, then says how it went.
void write_in_background(Vrendis2001& window, Keeping& keeping, std::vector<QString> ids,
                         const QString& file) {
    auto* progress = new QProgressDialog(QStringLiteral("Sparar bokmärkena som bild..."),
                                         QStringLiteral("Avbryt"), 0, int(ids.size()), &window);
    progress->setWindowTitle(title);
    // The bar says what it counts to a screen reader, as the text above it does to the eye.
    if (auto* bar = progress->findChild<QProgressBar*>())
        bar->setAccessibleName(QStringLiteral("Sparar bokmärkena som bild"));
    progress->setMinimumWidth(360);  // room for the title
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(500);
    auto* watcher = new QFutureWatcher<catalogue::SheetSeries>(progress);
    QObject::connect(watcher, &QFutureWatcherBase::progressValueChanged, progress,
                     &QProgressDialog::setValue);
    QObject::connect(progress, &QProgressDialog::canceled, watcher, &QFutureWatcherBase::cancel);
    QObject::connect(watcher, &QFutureWatcherBase::finished, progress,
                     [&window, progress, watcher] {
                         progress->reset();
                         progress->deleteLater();
                         if (!watcher->isCanceled())
                             tell_result(window, watcher->result());
                     });
    // The profile is read here, on the window's thread.
    keeping.sheets = QtConcurrent::run(
        [read = catalogue::Catalogue::read(), ids = std::move(ids), file,
         format = *catalogue::picture_format(file)](QPromise<catalogue::SheetSeries>& promise) {
            Promised promised(promise);
            promise.addResult(catalogue::write_sheets(read, ids, catalogue::sheet_columns, file,
                                                      format, promised));
        });
    watcher->setFuture(keeping.sheets);
}

}  // namespace

void mnusavesheet_Click(Vrendis2001& window, Keeping& keeping) {
    std::vector<QString> ids = listed_ids(window);
    if (ids.empty() || keeping.sheets.isRunning()) {
        platform::dialogs().beep();
        return;
    }
    const QString folder = keeping.last_folder.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)
                               : keeping.last_folder;
    // The dialog asks nothing: one question covers every file of the series.
    const QString chosen =
        platform::dialogs().save_file_name(QStringLiteral("Spara bokmärken som bild"),
                                           QDir(folder).filePath(QStringLiteral("bokmarken.png")),
                                           QStringLiteral("Bilder (*.png *.jpg *.jpeg)"),
                                           QStringLiteral("png"), platform::Replacing::caller_asks);
    if (chosen.isEmpty())
        return;
    keeping.last_folder = QFileInfo(chosen).absolutePath();
    const QString file = picture_path(chosen);
    const QStringList existing =
        existing_files(file, qsizetype(catalogue::sheet_pages(ids).size()));
    if (!existing.isEmpty() && !platform::dialogs().question(replace_question(existing), title))
        return;
    write_in_background(window, keeping, std::move(ids), file);
}

}  // namespace keeping
