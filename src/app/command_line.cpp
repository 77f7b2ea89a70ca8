#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <memory>

#include "catalogue/check.h"
#include "platform/paths.h"

namespace app {
namespace {

const QString see_help = QStringLiteral(" Se vrendomaten --help.");

const QString help_text = QStringLiteral(
    "Användning:\n"
    "  vrendomaten                 startar programmet\n"
    "  vrendomaten --render ID -o FIL [--scale N] [--dir MAPP]\n"
    "  vrendomaten --check [--full] [--dir MAPP]\n"
    "  vrendomaten --import FIL --as huvud|bröst|ben [--dir MAPP]\n"
    "\n"
    "Flaggor:\n"
    "  --render ID        skriver figuren ID (till exempel h12c3l7) till FIL;\n"
    "                     \"random\" slumpar en figur och skriver ut dess ID\n"
    "  -o, --output FIL   filen att skriva: .png, .jpg eller .jpeg\n"
    "  --scale N          förstoring från 1 till 8; 1 ger 285x405 bildpunkter\n"
    "  --dir MAPP         läser profilen och bildkatalogen i MAPP, ordnad som\n"
    "                     programmets katalog, i stället för programmets egna;\n"
    "                     --import skriver bara där\n"
    "  --check            kontrollerar profilen och varje bild i bildkatalogen\n"
    "  --full             avkodar varje bild vid --check i stället för att läsa\n"
    "                     storleken ur bildens huvud\n"
    "  --import FIL       lägger till bilden FIL som en egen del och skriver ut\n"
    "                     dess ID, till exempel h25\n"
    "  --as DEL           delen bilden blir: huvud, bröst eller ben\n"
    "  -h, --help         visar den här hjälpen\n"
    "  -v, --version      visar programmets version\n"
    "\n"
    "Slutstatus: 0 klart, 1 fel i bildkatalogen eller filen, 2 felaktig användning.");

const QString version_text = QStringLiteral("Vrendomaten v6.9");

struct Options {
    QCommandLineOption render{QStringLiteral("render"), {}, QStringLiteral("ID")};
    QCommandLineOption output{
        {QStringLiteral("o"), QStringLiteral("output")}, {}, QStringLiteral("FIL")};
    QCommandLineOption scale{QStringLiteral("scale"), {}, QStringLiteral("N"), QStringLiteral("1")};
    QCommandLineOption dir{QStringLiteral("dir"), {}, QStringLiteral("MAPP")};
    QCommandLineOption check{QStringLiteral("check")};
    QCommandLineOption full{QStringLiteral("full")};
    QCommandLineOption import{QStringLiteral("import"), {}, QStringLiteral("FIL")};
    QCommandLineOption as{QStringLiteral("as"), {}, QStringLiteral("DEL")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")}};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")}};
};

void write_line(std::FILE* stream, const QString& line) {
    const QByteArray text = (line + QLatin1Char('\n')).toUtf8();
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stream);
}

// QCommandLineParser's own errors are English; each becomes one Swedish line.
QString parse_error(const QCommandLineParser& parser) {
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString name = parser.unknownOptionNames().constFirst();
        return QStringLiteral("Okänd flagga: %1%2.")
                   .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name) +
               see_help;
    }
    const QString error = parser.errorText();
    const qsizetype open = error.indexOf(QLatin1Char('\''));
    const qsizetype close = error.lastIndexOf(QLatin1Char('\''));
    const QString option =
        open >= 0 && close > open ? error.mid(open + 1, close - open - 1) : QString();
    if (error.startsWith(QLatin1String("Missing value")))
        return QStringLiteral("Värde saknas efter %1.").arg(option) + see_help;
    if (error.startsWith(QLatin1String("Unexpected value")))
        return QStringLiteral("%1 tar inget värde.").arg(option) + see_help;
    return QStringLiteral("Felaktiga flaggor.") + see_help;
}

int check(bool decode) {
    const catalogue::Findings findings = catalogue::check_catalogue(decode);
    for (const QString& problem : findings.problems) tell(problem);
    for (const QString& note : findings.notes) tell(note);
    tell(QStringLiteral("Kontrollen är klar: %1 bilder, %2 problem, %3 noteringar.")
             .arg(findings.pictures_checked)
             .arg(findings.problems.size())
             .arg(findings.notes.size()));
    return findings.problems.empty() ? done : failed;
}

// Bad use, told before anything is read.
QString misuse(const QCommandLineParser& parser, const Options& options) {
    if (!parser.positionalArguments().isEmpty())
        return QStringLiteral("Okänt argument: %1.").arg(parser.positionalArguments().first()) +
               see_help;
    const bool render = parser.isSet(options.render);
    const bool checking = parser.isSet(options.check);
    const bool importing = parser.isSet(options.import);
    if (int(render) + int(checking) + int(importing) > 1)
        return QStringLiteral("Välj en av --render, --check och --import.");
    if (!render && !checking && !importing)
        return QStringLiteral("Ange --render, --check eller --import.") + see_help;
    if (importing != parser.isSet(options.as))
        return importing ? QStringLiteral("Ange delen med --as huvud, bröst eller ben.")
                         : QStringLiteral("--as hör till --import.");
    if (importing &&
        (parser.isSet(options.output) || parser.isSet(options.scale) || parser.isSet(options.full)))
        return QStringLiteral("-o, --scale och --full hör inte till --import.");
    if (render && parser.isSet(options.full))
        return QStringLiteral("--full hör till --check.");
    if (checking && (parser.isSet(options.output) || parser.isSet(options.scale)))
        return QStringLiteral("-o och --scale hör till --render.");
    if (render && !parser.isSet(options.output))
        return QStringLiteral("Ange filen att skriva med -o FIL.");
    return {};
}

bool asks_for_import(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QLatin1String argument(argv[i]);
        if (argument == QLatin1String("--import") ||
            argument.startsWith(QLatin1String("--import=")))
            return true;
    }
    return false;
}

}  // namespace

void tell_error(const QString& line) {
    write_line(stderr, line);
}

void tell(const QString& line) {
    write_line(stdout, line);
}

bool wants_command(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QLatin1String argument(argv[i]);
        if (argument.startsWith(QLatin1String("--")) || argument == QLatin1String("-o") ||
            argument == QLatin1String("-h") || argument == QLatin1String("-v") ||
            argument == QLatin1String("-?"))
            return true;
    }
    return false;
}

int run_command(int argc, char** argv) {
    // Each failure is one line of ours; the image plugins' own warnings about a broken file
    // would bury it.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            tell_error(text);
    });
    // No window: image files are read and written without a display. A drawing imported may
    // hold text, and fonts need a GUI application: one on the platform that needs no display.
    std::unique_ptr<QCoreApplication> application;
    if (asks_for_import(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCommandLineParser parser;
    const Options options;
    parser.addOptions({options.render, options.output, options.scale, options.dir, options.check,
                       options.full, options.import, options.as, options.help, options.version});
    if (!parser.parse(QCoreApplication::arguments())) {
        tell_error(parse_error(parser));
        return bad_use;
    }
    if (parser.isSet(options.help)) {
        tell(help_text);
        return done;
    }
    if (parser.isSet(options.version)) {
        tell(version_text);
        return done;
    }
    if (const QString problem = misuse(parser, options); !problem.isEmpty()) {
        tell_error(problem);
        return bad_use;
    }
    if (parser.isSet(options.dir)) {
        // A catalogue named here is read as it stands, never through a user's copy of a profile.
        platform::set_program_directory(QFileInfo(parser.value(options.dir)).absoluteFilePath());
        platform::set_files_in_place(true);
    }
    if (parser.isSet(options.check))
        return check(parser.isSet(options.full));
    if (parser.isSet(options.import))
        return import_part(parser.value(options.import), parser.value(options.as),
                           parser.isSet(options.dir));
    return render(parser.value(options.render), parser.value(options.output),
                  parser.value(options.scale));
}

}  // namespace app
