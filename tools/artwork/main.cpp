// vrendis_artwork: draws every picture of Vrendomaten at build time.
//
//   vrendis_artwork --fonts DIR --program DIR --embedded DIR
//       the demo catalogue and the button artwork into the program directory (data/huvuden,
//       data/broest, data/ben, data/app) and the pictures compiled into the program into DIR
//   vrendis_artwork --fonts DIR --contact-sheet FILE.png
//       random whole figures and all artwork at twice the size, for people to look at

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <QStringList>
#include <cstdio>

#include "interface.h"
#include "layouts/artwork_names.h"
#include "paint.h"
#include "parts.h"

#ifdef VRENDIS_CATALOGUE_SIZE
static_assert(VRENDIS_CATALOGUE_SIZE == art::catalogue_size,
              "the build's catalogue size must match the drawn catalogue");
#endif

namespace {

bool failed = false;

void save(const QImage& image, const QString& path) {
    const bool jpeg = path.endsWith(QStringLiteral(".jpg"));
    if (!image.save(path, jpeg ? "JPG" : "PNG", jpeg ? 95 : -1)) {
        std::fprintf(stderr, "vrendis_artwork: cannot write %s\n", qPrintable(path));
        failed = true;
    }
}

QString make_dir(const QString& path) {
    if (!QDir().mkpath(path)) {
        std::fprintf(stderr, "vrendis_artwork: cannot create %s\n", qPrintable(path));
        failed = true;
    }
    return path + QLatin1Char('/');
}

void render_program(const QString& program) {
    const QString heads = make_dir(program + "/data/huvuden");
    const QString chests = make_dir(program + "/data/broest");
    const QString legs = make_dir(program + "/data/ben");
    for (int n = 1; n <= art::catalogue_size; ++n) {
        save(art::head(n), heads + QStringLiteral("h%1.jpg").arg(n));
        save(art::chest(n), chests + QStringLiteral("c%1.jpg").arg(n));
        save(art::legs(n), legs + QStringLiteral("l%1.jpg").arg(n));
    }

    namespace names = layouts::artwork;
    const QString app = make_dir(program + "/data/app");
    const struct {
        const char* on;
        const char* off;
        QString words;
    } buttons[] = {
        {names::btn_skapa_on, names::btn_skapa_off, QStringLiteral("SKAPA NY VRENDIS")},
        {names::btn_slideshow_on, names::btn_slideshow_off, QStringLiteral("STARTA BILDSPEL")},
        {names::btn_stop_slideshow_on, names::btn_stop_slideshow_off,
         QStringLiteral("STOPPA BILDSPEL")},
        {names::btn_helskarm_on, names::btn_helskarm_off, QStringLiteral("HELSKÄRM")},
    };
    for (const auto& button : buttons) {
        save(art::command_button(button.words, true), app + button.on);
        save(art::command_button(button.words, false), app + button.off);
    }
    save(art::bookmark_tab(false, false), app + names::bokmarken);
    save(art::bookmark_tab(false, true), app + names::bokmarken_on);
    save(art::bookmark_tab(true, false), app + names::bokmarken_in);
    save(art::bookmark_tab(true, true), app + names::bokmarken_in_on);
}

void render_embedded(const QString& directory) {
    const QString out = make_dir(directory);
    save(art::icon(16), out + "icon_16.png");
    save(art::icon(32), out + "icon_32.png");
    save(art::icon(128), out + "icon_128.png");
    save(art::splash(), out + "splash.jpg");
    save(art::marker(), out + "marker.jpg");
    save(art::tick(), out + "tick.jpg");
    save(art::arrow(), out + "arrow.jpg");
    save(art::minimise(), out + "minimise.jpg");
    save(art::bookmark_tab(false, false), out + "tab_closed.jpg");
    save(art::bookmark_tab(true, false), out + "tab_open.jpg");
    save(art::command_button(QStringLiteral("SKAPA NY VRENDIS"), true), out + "btn_skapa.jpg");
    save(art::command_button(QStringLiteral("STARTA BILDSPEL"), true), out + "btn_slideshow.jpg");
    save(art::command_button(QStringLiteral("HELSKÄRM"), true), out + "btn_helskarm.jpg");
    save(art::mascot_head(), out + "fullscreen_head.jpg");
    save(art::mascot_chest(), out + "fullscreen_chest.jpg");
    save(art::mascot_legs(), out + "fullscreen_legs.jpg");
}

int usage() {
    std::fprintf(stderr,
                 "usage: vrendis_artwork --fonts DIR (--program DIR --embedded DIR | "
                 "--contact-sheet FILE)\n");
    return 2;
}

}  // namespace

// Build logs stay quiet: the offscreen platform's note about a missing runtime directory is
// harmless here, everything else gets through.
static void quiet_runtime_notes(QtMsgType type, const QMessageLogContext& context,
                                const QString& message) {
    if (message.startsWith(QLatin1String("QStandardPaths:")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

int main(int argc, char* argv[]) {
    qInstallMessageHandler(quiet_runtime_notes);
    // Drawing needs a GUI application for its fonts, never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    auto value = [&args](const char* option) {
        const qsizetype at = args.indexOf(QLatin1String(option));
        return (at >= 0 && at + 1 < args.size()) ? args.at(at + 1) : QString();
    };
    const QString fonts = value("--fonts");
    const QString program = value("--program");
    const QString embedded = value("--embedded");
    const QString sheet = value("--contact-sheet");
    if (fonts.isEmpty() || (sheet.isEmpty() && (program.isEmpty() || embedded.isEmpty()))) {
        return usage();
    }
    if (!art::load_fonts(fonts)) {
        std::fprintf(stderr, "vrendis_artwork: no DejaVu fonts in %s (fonts-dejavu-core)\n",
                     qPrintable(fonts));
        return 1;
    }
    if (!sheet.isEmpty())
        save(art::contact_sheet(12, 2001), sheet);
    if (!program.isEmpty())
        render_program(program);
    if (!embedded.isEmpty())
        render_embedded(embedded);
    return failed ? 1 : 0;
}
