// The real program's commands, run as a person would run them: without a display, on a program
// directory named by --dir, one catalogue fault at a time.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <array>
#include <functional>
#include <map>

#include "catalogue/check.h"
#include "platform/paths.h"
#include "settings/bookmark_store.h"
#include "support/mounts.h"
#include "support/program_fixture.h"

namespace {

using testing_support::ProgramDirectory;

int height_of(char kind) {
    return kind == 'h' ? 87 : kind == 'c' ? 123 : 195;
}

QImage part_picture(char kind, int number, int width = 285) {
    QImage image(width, height_of(kind), QImage::Format_RGB32);
    image.fill(QColor::fromHsv((kind * 37 + number * 50) % 360, 200, 220));
    return image;
}

void put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray jpeg(const QImage& image, bool progressive = false) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return buffer.data();
}

// Four 64 KiB segments of metadata between the start marker and the frame header.
QByteArray with_large_metadata(QByteArray bytes) {
    QByteArray segments;
    for (char marker : {'\xE1', '\xFE', '\xEB', '\xFE'})
        segments += QByteArray("\xFF") + marker + "\xFF\xFF" + QByteArray(0xFFFF - 2, 'x');
    return bytes.insert(2, segments);
}

// Every picture of the fixture catalogue at its kind's size; head 2 progressive, chest 2
// greyscale, legs 2 with large metadata, legs 3 CMYK (where ImageMagick is at hand).
void make_exact(ProgramDirectory& program) {
    const std::pair<char, int> kinds[] = {{'h', testing_support::heads},
                                          {'c', testing_support::chests},
                                          {'l', testing_support::legs}};
    for (const auto& [kind, count] : kinds) {
        for (int n = 1; n <= count; ++n)
            put(program.picture_path(kind, n), jpeg(part_picture(kind, n)));
    }
    put(program.picture_path('h', 2), jpeg(part_picture('h', 2), true));
    put(program.picture_path('c', 2),
        jpeg(part_picture('c', 2).convertToFormat(QImage::Format_Grayscale8)));
    put(program.picture_path('l', 2), with_large_metadata(jpeg(part_picture('l', 2))));
    const QString convert = QStandardPaths::findExecutable(QStringLiteral("convert"));
    if (!convert.isEmpty()) {
        const QString path = program.picture_path('l', 3);
        QProcess::execute(convert,
                          {path, QStringLiteral("-colorspace"), QStringLiteral("CMYK"), path});
    }
}

QString program_file() {
    return qEnvironmentVariable("VRENDIS_PROGRAM_DIR") + QStringLiteral("/vrendomaten");
}

struct Finished {
    bool finished = false;
    int status = -1;
    QString output, errors;
};

// The real program with these arguments, without a display and without a platform named: the
// commands need neither. An argument "{xFF}" is the single byte 0xFF, which is no UTF-8: the
// shell puts it in, as no QString can.
Finished run_program(const QStringList& arguments) {
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    run.setProcessEnvironment(environment);
    const QString bytes = QStringLiteral(
        "program=$1; shift; for a; do shift; [ \"$a\" = '{xFF}' ] && a=$(printf '\\377'); "
        "set -- \"$@\" \"$a\"; done; exec \"$program\" \"$@\"");
    run.start(QStringLiteral("/bin/sh"),
              QStringList{"-c", bytes, "sh", program_file()} + arguments);
    Finished result;
    result.finished = run.waitForFinished(60000) && run.exitStatus() == QProcess::NormalExit;
    result.status = run.exitCode();
    result.output = QString::fromUtf8(run.readAllStandardOutput());
    result.errors = QString::fromUtf8(run.readAllStandardError());
    return result;
}

struct Case {
    const char* name;
    std::function<void(ProgramDirectory&)> change;
    QStringList arguments;  // "{out}" is the output file, "{dir}" the program directory
    int status;
    // Expected in standard error (or standard output where none is expected there); "{dir}"
    // is the program directory.
    QString message;
    QSize written;  // the written picture's (first sheet's) size; empty: no file may be left
    QString warnings = {};  // standard error of a command that succeeds
};

void none(ProgramDirectory&) {}

// Bookmarks numbered from 1 in this order.
void bookmark(ProgramDirectory& program, const QStringList& ids) {
    QString file = QStringLiteral("[Bookmarks]\r\nCounter=%1\r\n").arg(ids.size());
    for (qsizetype i = 0; i < ids.size(); ++i)
        file += QStringLiteral("bookmark_%1=%2\r\n").arg(i + 1).arg(ids[i]);
    put(program.file("\\bookmark.dat"), file.toUtf8());
}

// More bookmarks than one sheet holds: every figure of the catalogue in turn.
QStringList many_bookmarks(int count) {
    QStringList ids;
    for (int i = 0; i < count; ++i) {
        ids << QStringLiteral("h%1c%2l%3")
                   .arg(i % testing_support::heads + 1)
                   .arg(i / testing_support::heads % testing_support::chests + 1)
                   .arg(i % testing_support::legs + 1);
    }
    return ids;
}

// A sheet's width and height, `columns` figures to a row.
QSize sheet_of(int figures, int columns) {
    return QSize(8 + columns * (143 + 8), 8 + (figures + columns - 1) / columns * (203 + 14 + 8));
}

const Case cases[] = {
    // --check
    {"clean catalogue", none, {"--check"}, 0, "Kontrollen är klar: 12 bilder, 0 problem", {}},
    {"clean catalogue decoded", none, {"--check", "--full"}, 0, "12 bilder, 0 problem", {}},
    {"no profile",
     [](auto& p) { p.remove_profile(); },
     {"--check"},
     1,
     "Profilen {dir}/vrendisar.ini finns inte.",
     {}},
    {"profile unreadable",
     [](auto& p) {
         p.remove_profile();
         QDir().mkpath(p.file("\\vrendisar.ini"));
     },
     {"--check"},
     1,
     "Profilen {dir}/vrendisar.ini går inte att läsa.",
     {}},
    {"garbage profile",
     [](auto& p) { put(p.file("\\vrendisar.ini"), "\x01\x02garbage\xFF"); },
     {"--check"},
     1,
     "Nyckeln Antal_Huvuden saknas eller är tom i {dir}/vrendisar.ini.",
     {}},
    {"key missing",
     [](auto& p) { p.remove_profile_value("Huvuden"); },
     {"--check"},
     1,
     "Nyckeln Huvuden saknas",
     {}},
    {"count too large",
     [](auto& p) { p.set_profile_value("Antal_Broest", "99999999999"); },
     {"--check"},
     1,
     "Antal_Broest = \"99999999999\" i {dir}/vrendisar.ini är inget heltal från 1 till 32767.",
     {}},
    {"count negative",
     [](auto& p) { p.set_profile_value("Antal_Ben", "-5"); },
     {"--check"},
     1,
     "Antal_Ben = \"-5\"",
     {}},
    {"folder missing",
     [](auto& p) { QDir(p.file("\\data\\ben")).removeRecursively(); },
     {"--check"},
     1,
     "Mappen {dir}/data/ben (Ben) finns inte.",
     {}},
    {"picture missing",
     [](auto& p) { p.remove_picture('c', 2); },
     {"--check"},
     1,
     "{dir}/data/broest/c2.jpg saknas.",
     {}},
    {"picture not a JPEG",
     [](auto& p) { part_picture('h', 3).save(p.picture_path('h', 3), "PNG"); },
     {"--check"},
     1,
     "{dir}/data/huvuden/h3.jpg är ingen JPEG-bild.",
     {}},
    {"picture broken",
     [](auto& p) { p.write_broken_picture('h', 1); },
     {"--check"},
     1,
     "{dir}/data/huvuden/h1.jpg har inget läsbart JPEG-huvud.",
     {}},
    {"picture of the wrong size",
     [](auto& p) { put(p.picture_path('l', 4), jpeg(part_picture('c', 4))); },
     {"--check"},
     1,
     "{dir}/data/ben/l4.jpg är 285x123 bildpunkter, ska vara 285x195.",
     {}},
    {"common count above the smallest",
     [](auto& p) { p.set_profile_value("Antal_vrendisar", "4"); },
     {"--check"},
     1,
     "Antal_vrendisar = 4 i {dir}/vrendisar.ini är större än det minsta antalet delar, "
     "Antal_Broest = 3",
     {}},
    {"pictures beyond the count are a note",
     [](auto& p) {
         put(p.picture_path('h', 7), jpeg(part_picture('h', 7)));
         put(p.picture_path('h', 9), jpeg(part_picture('h', 9)));
     },
     {"--check"},
     0,
     "Notering: 2 bild(er) i {dir}/data/huvuden har nummer över Antal_Huvuden = 4 och visas "
     "aldrig: h7.jpg till h9.jpg.",
     {}},
    // --render
    {"render", none, {"--render", "h2c3l5", "-o", "{out}.png"}, 0, "", {285, 405}},
    {"render scaled JPEG",
     none,
     {"--render", "h1c1l1", "-o", "{out}.jpeg", "--scale", "3"},
     0,
     "",
     {855, 1215}},
    {"render random", none, {"--render", "random", "-o", "{out}.png"}, 0, "", {285, 405}},
    {"ID of the wrong shape",
     none,
     {"--render", "h1c1", "-o", "{out}.png"},
     2,
     "Fel ID \"h1c1\": ett ID är h, c och l",
     {}},
    {"ID with a leading zero",
     none,
     {"--render", "h1c01l1", "-o", "{out}.png"},
     2,
     "Fel ID \"h1c01l1\": numret för bröstet ska vara siffror utan inledande nollor.",
     {}},
    {"ID beyond the count",
     none,
     {"--render", "h1c1l6", "-o", "{out}.png"},
     2,
     "Fel ID \"h1c1l6\": ben nummer 6 finns inte, bara 1 till 5.",
     {}},
    {"unknown option",
     none,
     {"--render", "h1c1l1", "-o", "{out}.png", "--colour"},
     2,
     "Okänd flagga: --colour.",
     {}},
    {"no output", none, {"--render", "h1c1l1"}, 2, "Ange filen att skriva med -o FIL.", {}},
    {"scale out of range",
     none,
     {"--render", "h1c1l1", "-o", "{out}.png", "--scale", "9"},
     2,
     "--scale ska vara ett heltal från 1 till 8, inte \"9\".",
     {}},
    {"unknown suffix",
     none,
     {"--render", "h1c1l1", "-o", "{out}.gif"},
     2,
     "Okänd filändelse i {out}.gif",
     {}},
    {"render without a usable count",
     [](auto& p) { p.set_profile_value("Antal_Huvuden", "x"); },
     {"--render", "h1c1l1", "-o", "{out}.png"},
     1,
     "Antal_Huvuden = \"x\"",
     {}},
    {"render a picture that does not load",
     [](auto& p) { p.write_broken_picture('c', 3); },
     {"--render", "h1c3l1", "-o", "{out}.png"},
     1,
     "Bilden {dir}/data/broest/c3.jpg går inte att läsa.",
     {}},
    {"render into a missing folder",
     none,
     {"--render", "h1c1l1", "-o", "{out}/sub/x.png"},
     1,
     "Mappen {out}/sub finns inte",
     {}},
    // --name. " ANNA " is "anna" once trimmed and folded; its SHA-256 begins
    // 55579b557896d0ce 1764c47fed644f9b 35f58bad620674af, which mod 4, 3 and 5 are 2, 0 and 0.
    {"name", none, {"--name", " ANNA ", "-o", "{out}.png"}, 0, "h3c1l1\n", {285, 405}},
    {"name of blanks",
     none,
     {"--name", " \t ", "-o", "{out}.png"},
     2,
     "Namnet är tomt: skriv ett namn efter --name.",
     {}},
    {"name not UTF-8",
     none,
     {"--name", "{xFF}", "-o", "{out}.png"},
     2,
     "Argument 4 är ingen UTF-8-text.",
     {}},
    {"name without a usable count",
     [](auto& p) { p.set_profile_value("Antal_Ben", "0"); },
     {"--name", "Anna", "-o", "{out}.png"},
     1,
     "Antal_Ben = \"0\"",
     {}},
    // --sheet. The bookmarks' figures in list order; one with a missing chest and one whose
    // legs digits lead out of their folder have their IDs alone, and are named.
    {"sheet",
     [](auto& p) {
         QDir().mkpath(p.file("\\data\\ben\\l1"));
         bookmark(p, {"h1c2l3", "h4c3l5", "h1c9l1", "h2c1l1/../l2", "h3c3l2"});
     },
     {"--sheet", "-o", "{out}.png", "--columns", "2"},
     0,
     "{out}.png\n",
     sheet_of(5, 2),
     "Bilderna till bokmärket h1c9l1 går inte att läsa.\n"
     "Bilderna till bokmärket h2c1l1/../l2 går inte att läsa.\n"},
    {"sheet series",
     [](auto& p) { bookmark(p, many_bookmarks(501)); },
     {"--sheet", "-o", "{out}.jpg"},
     0,
     "{out}.jpg\n{out}-2.jpg\n",
     sheet_of(500, 6)},
    {"sheet series stops at a file not written",
     [](auto& p) {
         bookmark(p, many_bookmarks(501));
         QDir().mkpath(p.path() + "/out-2.jpg");
     },
     {"--sheet", "-o", "{out}.jpg"},
     1,
     "Filen {out}-2.jpg går inte att skriva.",
     sheet_of(500, 6)},
    {"sheet without bookmarks",
     none,
     {"--sheet", "-o", "{out}.png"},
     1,
     "Det finns inga bokmärken.",
     {}},
    {"sheet too tall for JPEG",
     [](auto& p) { bookmark(p, many_bookmarks(292)); },
     {"--sheet", "-o", "{out}.jpg", "--columns", "1"},
     2,
     "Arket blir 65708 bildpunkter högt, och en JPEG-bild kan vara högst 65500",
     {}},
    {"sheet columns out of range",
     none,
     {"--sheet", "-o", "{out}.png", "--columns", "13"},
     2,
     "--columns ska vara ett heltal från 1 till 12, inte \"13\".",
     {}},
    {"sheet with --scale",
     none,
     {"--sheet", "-o", "{out}.png", "--scale", "2"},
     2,
     "--scale hör till --render och --name.",
     {}},
    // --import, the picture at {out}.png
    {"import",
     [](auto& p) {
         // A block of colour on a white border, which is background.
         QImage picture(300, 150, QImage::Format_RGB32);
         picture.fill(Qt::white);
         QPainter(&picture).fillRect(50, 25, 200, 100, QColor(200, 40, 40));
         picture.save(p.path() + "/out.png");
     },
     {"--import", "{out}.png", "--as", "BrÖSt"},
     0,
     "c4\n",
     {}},
    {"import without a kind",
     none,
     {"--import", "{out}.png"},
     2,
     "Ange delen med --as huvud, bröst eller ben.",
     {}},
    {"import as an arm",
     none,
     {"--import", "{out}.png", "--as", "arm"},
     2,
     "--as ska vara huvud, bröst eller ben, inte \"arm\".",
     {}},
    {"import and render",
     none,
     {"--import", "{out}.png", "--as", "ben", "--render", "h1c1l1"},
     2,
     "Välj en av --render, --check, --name, --sheet och --import.",
     {}},
    {"import no picture",
     none,
     {"--import", "{out}.png", "--as", "brost"},
     1,
     "{out}.png är ingen bild som går att läsa.",
     {}},
    {"help", none, {"--help"}, 0, "vrendomaten --render ID -o FIL [--scale N] [--dir MAPP]", {}},
    {"version", none, {"--version"}, 0, "Vrendomaten v6.9", {}},
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

class Command : public ::testing::TestWithParam<Case> {};

// The average of a 3x3 square: JPEG and smooth scaling blur single pixels.
QColor around(const QImage& image, QPoint point) {
    int r = 0, g = 0, b = 0;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QColor c = image.pixelColor(point + QPoint(dx, dy));
            r += c.red();
            g += c.green();
            b += c.blue();
        }
    }
    return QColor(r / 9, g / 9, b / 9);
}

bool near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue()) <
           24;
}

// The first sheet's cells hold the bookmarks' figures in list order, each part in its band of
// the half-size figure; a bookmark whose pictures do not all load, a black cell.
void expect_sheet(const ProgramDirectory& program, const QImage& sheet) {
    const std::vector<settings::Bookmark> bookmarks = settings::read_bookmarks();
    const int columns = (sheet.width() - 8) / (143 + 8);
    const int band_middle[] = {22, 74, 154};
    const QRegularExpression shape("^h(\\d+)c(\\d+)l(\\d+)$");
    // Each picture's colour, black for one that is not there.
    std::map<QString, QColor> colours;
    const auto colour = [&](char kind, int number) {
        const QString path = program.picture_path(kind, number);
        if (!colours.contains(path)) {
            const QImage picture(path);
            colours[path] =
                picture.isNull() ? QColor(Qt::black) : picture.pixelColor(140, height_of(kind) / 2);
        }
        return colours[path];
    };
    for (std::size_t i = 0; i < std::min<std::size_t>(bookmarks.size(), 500); ++i) {
        const QString& id = bookmarks[i].id;
        const QPoint cell(8 + int(i) % columns * (143 + 8), 8 + int(i) / columns * (203 + 14 + 8));
        const QRegularExpressionMatch numbers = shape.match(id);
        std::array<QColor, 3> expected{};
        for (int part = 0; part < 3; ++part) {
            expected[part] = numbers.hasMatch()
                                 ? colour("hcl"[part], numbers.captured(part + 1).toInt())
                                 : QColor(Qt::black);
        }
        // One missing picture leaves the whole cell black.
        if (std::count(expected.begin(), expected.end(), QColor(Qt::black)) > 0)
            expected.fill(QColor(Qt::black));
        for (int part = 0; part < 3; ++part) {
            EXPECT_TRUE(near(around(sheet, cell + QPoint(71, band_middle[part])), expected[part]))
                << id.toStdString() << " part "
                << "hcl"[part];
        }
    }
}

TEST_P(Command, RunsTheRealProgram) {
    const Case& c = GetParam();
    ProgramDirectory program;
    make_exact(program);
    c.change(program);
    const QString out = program.path() + QStringLiteral("/out");
    const QString previous = QStringLiteral("an earlier file");
    QStringList arguments{QStringLiteral("--dir"), program.path()};
    for (QString argument : c.arguments) arguments += argument.replace(QLatin1String("{out}"), out);
    const QString target =
        c.arguments.contains("-o") ? arguments[arguments.indexOf("-o") + 1] : QString();
    if (!target.isEmpty() && c.written.isEmpty() && QFileInfo(target).dir().exists())
        put(target, previous.toUtf8());

    const Finished run = run_program(arguments);
    ASSERT_TRUE(run.finished);
    const QString& output = run.output;
    const QString& errors = run.errors;
    EXPECT_EQ(run.status, c.status) << output.toStdString() << errors.toStdString();
    QString message = c.message;
    message.replace(QLatin1String("{dir}"), program.path()).replace(QLatin1String("{out}"), out);
    if (c.status != 0) {
        // One line saying what is wrong, or the check's lines and its summary.
        EXPECT_TRUE(
            (c.status == 1 && c.arguments.contains("--check") ? output : errors).contains(message))
            << errors.toStdString() << output.toStdString();
        if (!c.arguments.contains("--check")) {
            EXPECT_EQ(errors.count('\n'), 1) << errors.toStdString();
        }
    } else {
        EXPECT_TRUE(output.contains(message)) << output.toStdString();
        EXPECT_EQ(errors, QString(c.warnings).replace(QLatin1String("{dir}"), program.path()));
    }

    if (target.isEmpty())
        return;
    if (c.written.isEmpty()) {
        // Nothing written: an earlier file is as it was, and no temporary file is left.
        QFile earlier(target);
        if (earlier.open(QIODevice::ReadOnly)) {
            EXPECT_EQ(earlier.readAll(), previous.toUtf8());
        }
        EXPECT_EQ(QDir(program.path()).entryList({"out*"}, QDir::Files).size(),
                  earlier.exists() ? 1 : 0);
        return;
    }
    const QImage written(target);
    ASSERT_EQ(written.size(), c.written);
    if (c.arguments.contains("--sheet")) {
        expect_sheet(program, written);
        return;
    }
    const int scale = c.written.width() / 285;
    QString id = c.arguments[1];
    if (id == QLatin1String("random") || c.arguments.contains("--name")) {
        const QRegularExpressionMatch match =
            QRegularExpression("^(h[1-4]c[1-3]l[1-5])\n$").match(output);
        ASSERT_TRUE(match.hasMatch()) << output.toStdString();
        id = match.captured(1);
    }
    // Each part's picture at its place, left-aligned on black.
    const QRegularExpressionMatch numbers = QRegularExpression("^h(\\d+)c(\\d+)l(\\d+)$").match(id);
    const int tops[] = {0, 87, 210};
    for (int part = 0; part < 3; ++part) {
        const char kind = "hcl"[part];
        const QImage source(program.picture_path(kind, numbers.captured(part + 1).toInt()));
        const QColor expected = source.pixelColor(140, height_of(kind) / 2);
        const QPoint middle(140 * scale, (tops[part] + height_of(kind) / 2) * scale);
        EXPECT_TRUE(near(around(written, middle), expected))
            << id.toStdString() << " part " << kind;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Command, ::testing::ValuesIn(cases), [](const auto& info) {
    QString name = QString::fromLatin1(info.param.name);
    name.replace(QRegularExpression("[^A-Za-z0-9]"), "_");
    return name.toStdString();
});

// The catalogue named by --dir is read as it stands, even where it is installed and a user's
// copy of the profile would say otherwise.
TEST(CommandDirectory, ReadsTheNamedCatalogueWithoutTheUsersCopy) {
    ProgramDirectory program;
    make_exact(program);
    put(program.file("\\installed"), "");
    QTemporaryDir user;
    put(user.path() + "/vrendomaten/vrendisar.ini", "[Vrendomaten]\r\nAntal_Huvuden=-5\r\n");
    const QByteArray data_home = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(user.path()));
    EXPECT_FALSE(catalogue::check_catalogue(false).problems.empty());
    platform::set_files_in_place(true);
    EXPECT_TRUE(catalogue::check_catalogue(false).problems.empty());
    platform::set_files_in_place(false);
    if (data_home.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", data_home);
}

// A disk that fills up during the last page of the picture: the command says so and leaves the
// earlier file exactly as it was, with no temporary file beside it.
TEST(CommandDirectory, RenderOntoAFullDiskKeepsTheEarlierFile) {
    // The demo catalogue's pictures, which make a picture of several pages.
    const QString catalogue = qEnvironmentVariable("VRENDIS_PROGRAM_DIR");
    const QTemporaryDir scratch;
    const QStringList render{"--dir", catalogue, "--render", "h3c4l5", "-o"};
    ASSERT_EQ(run_program(render + QStringList{scratch.filePath("full.png")}).status, 0);
    const qint64 size = QFileInfo(scratch.filePath("full.png")).size();
    const QByteArray earlier = "an earlier file";

    using testing_support::SmallDisk;
    SmallDisk disk(SmallDisk::room_for(earlier.size()) + SmallDisk::room_for(size) -
                   SmallDisk::room_for(1));
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a tmpfs needs root";
    const QString target = disk.file("old.png");
    put(target, earlier);
    const Finished run = run_program(render + QStringList{target});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errors, QStringLiteral("Filen %1 går inte att skriva.\n").arg(target));
    QFile kept(target);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), earlier);
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.png"});
}

}  // namespace
