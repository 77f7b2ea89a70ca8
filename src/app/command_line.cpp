#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringDecoder>
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
    "  vrendomaten --name TEXT -o FIL [--scale N] [--dir MAPP]\n"
    "  vrendomaten --sheet -o FIL [--columns N] [--dir MAPP]\n"
    "  vrendomaten --import FIL --as huvud|bröst|ben [--dir MAPP]\n"
    "\n"
    "Flaggor:\n"
    "  --render ID        skriver figuren ID (till exempel h12c3l7) till FIL;\n"
    "                     \"random\" slumpar en figur och skriver ut dess ID\n"
    "  --name TEXT        skriver figuren för namnet TEXT till FIL och skriver ut\n"
    "                     dess ID; samma namn ger alltid samma figur\n"
    "  --sheet            skriver alla bokmärken som ett kontaktark till FIL, högst\n"
    "                     500 per ark; fler ark blir FIL-2, FIL-3 och så vidare\n"
    "  -o, --output FIL   filen att skriva: .png, .jpg eller .jpeg\n"
    "  --scale N          förstoring från 1 till 8; 1 ger 285x405 bildpunkter\n"
    "  --columns N        figurer per rad på kontaktarket, från 1 till 12 (6)\n"
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
    QCommandLineOption name{QStringLiteral("name"), {}, QStringLiteral("TEXT")};
    QCommandLineOption sheet{QStringLiteral("sheet")};
    QCommandLineOption columns{
        QStringLiteral("columns"), {}, QStringLiteral("N"), QStringLiteral("6")};
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
    const bool name = parser.isSet(options.name);
    const bool sheet = parser.isSet(options.sheet);
    const bool importing = parser.isSet(options.import);
    const int commands = int(render) + int(checking) + int(name) + int(sheet) + int(importing);
    if (commands > 1)
        return QStringLiteral("Välj en av --render, --check, --name, --sheet och --import.");
    if (commands == 0)
        return QStringLiteral("Ange --render, --check, --name, --sheet eller --import.") + see_help;
    if (importing != parser.isSet(options.as))
        return importing ? QStringLiteral("Ange delen med --as huvud, bröst eller ben.")
                         : QStringLiteral("--as hör till --import.");
    if (importing && (parser.isSet(options.output) || parser.isSet(options.scale) ||
                      parser.isSet(options.full) || parser.isSet(options.columns)))
        return QStringLiteral("-o, --scale, --columns och --full hör inte till --import.");
    if (!checking && parser.isSet(options.full))
        return QStringLiteral("--full hör till --check.");
    if (checking && parser.isSet(options.output))
        return QStringLiteral("-o hör inte till --check.");
    if (!render && !name && parser.isSet(options.scale))
        return QStringLiteral("--scale hör till --render och --name.");
    if (!sheet && parser.isSet(options.columns))
        return QStringLiteral("--columns hör till --sheet.");
    if (!checking && !importing && !parser.isSet(options.output))
        return QStringLiteral("Ange filen att skriva med -o FIL.");
    return {};
}

// The first argument that is no UTF-8 text: Qt would read it with replacement characters, and
// a name so read would give another name's figure.
std::optional<int> not_utf8(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = decoder(QByteArrayView(argv[i]));
        if (decoder.hasError())
            return i;
    }
    return std::nullopt;
}

// The sheet draws its IDs as text, and a drawing imported may hold text: fonts need a GUI
// application, and the offscreen platform gives one without a display.
std::unique_ptr<QCoreApplication> command_application(int& argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QLatin1String argument(argv[i]);
        if (argument == QLatin1String("--sheet") || argument == QLatin1String("--import") ||
            argument.startsWith(QLatin1String("--import="))) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            return std::make_unique<QGuiApplication>(argc, argv);
        }
    }
    return std::make_unique<QCoreApplication>(argc, argv);
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
    // would bury it, as would the platform's about a desktop that is not there.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            tell_error(text);
    });
    // No window: image files are read and written without a display.
    const std::unique_ptr<QCoreApplication> application = command_application(argc, argv);
    QCommandLineParser parser;
    const Options options;
    parser.addOptions({options.render, options.name, options.sheet, options.output, options.scale,
                       options.columns, options.dir, options.check, options.full, options.import,
                       options.as, options.help, options.version});
    if (const std::optional<int> argument = not_utf8(argc, argv)) {
        tell_error(QStringLiteral("Argument %1 är ingen UTF-8-text.").arg(*argument));
        return bad_use;
    }
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
    if (parser.isSet(options.name))
        return name_figure(parser.value(options.name), parser.value(options.output),
                           parser.value(options.scale));
    if (parser.isSet(options.sheet))
        return sheet(parser.value(options.output), parser.value(options.columns));
    if (parser.isSet(options.import))
        return import_part(parser.value(options.import), parser.value(options.as),
                           parser.isSet(options.dir));
    return render(parser.value(options.render), parser.value(options.output),
                  parser.value(options.scale));
}

}  // namespace app
