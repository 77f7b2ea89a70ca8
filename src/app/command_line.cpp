#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

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
    "\n"
    "Flaggor:\n"
    "  --render ID        skriver figuren ID (till exempel h12c3l7) till FIL;\n"
    "                     \"random\" slumpar en figur och skriver ut dess ID\n"
    "  -o, --output FIL   filen att skriva: .png, .jpg eller .jpeg\n"
    "  --scale N          förstoring från 1 till 8; 1 ger 285x405 bildpunkter\n"
    "  --dir MAPP         läser profilen och bildkatalogen i MAPP, ordnad som\n"
    "                     programmets katalog, i stället för programmets egna\n"
    "  --check            kontrollerar profilen och varje bild i bildkatalogen\n"
    "  --full             avkodar varje bild vid --check i stället för att läsa\n"
    "                     storleken ur bildens huvud\n"
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
    if (render && checking)
        return QStringLiteral("Välj antingen --render eller --check.");
    if (!render && !checking)
        return QStringLiteral("Ange --render eller --check.") + see_help;
    if (render && parser.isSet(options.full))
        return QStringLiteral("--full hör till --check.");
    if (checking && (parser.isSet(options.output) || parser.isSet(options.scale)))
        return QStringLiteral("-o och --scale hör till --render.");
    if (render && !parser.isSet(options.output))
        return QStringLiteral("Ange filen att skriva med -o FIL.");
    return {};
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
    // No window: image files are read and written without a GUI application or a display.
    QCoreApplication application(argc, argv);
    // Each failure is one line of ours; the image plugins' own warnings about a broken file
    // would bury it.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            tell_error(text);
    });
    QCommandLineParser parser;
    const Options options;
    parser.addOptions({options.render, options.output, options.scale, options.dir, options.check,
                       options.full, options.help, options.version});
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
    return render(parser.value(options.render), parser.value(options.output),
                  parser.value(options.scale));
}

}  // namespace app
