#include <gtest/gtest.h>

#include <QByteArray>
#include <QColor>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QMap>
#include <QPixmap>
#include <QProcess>
#include <QSize>
#include <QTemporaryDir>
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

QString program_dir() {
    return qEnvironmentVariable("VRENDIS_PROGRAM_DIR");
}

// The profile as a plain key=value map of its one section: enough to find the catalogue.
QMap<QString, QString> read_ini(const QString& path) {
    QMap<QString, QString> values;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return values;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromLatin1(raw).trimmed();
        const qsizetype eq = line.indexOf('=');
        if (eq > 0)
            values.insert(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
    }
    return values;
}

// The directory value of a kind ("\data\huvuden\") as a native path in the program directory.
QString kind_dir(const QString& value) {
    QString path = value;
    path.replace('\\', '/');
    return program_dir() + path;
}

struct Kind {
    const char* count_key;
    const char* dir_key;
    const char* letter;
    QSize size;
};

const Kind kinds[] = {
    {"Antal_Huvuden", "Huvuden", "h", {285, 87}},
    {"Antal_Broest", "Broest", "c", {285, 123}},
    {"Antal_Ben", "Ben", "l", {285, 195}},
};

QImage load_jpeg(const QString& path) {
    QImageReader reader(path);
    if (reader.format() != "jpeg")
        return {};
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

// The columns of one row that differ from the black background, as [first, last].
std::optional<std::pair<int, int>> drawn_span(const QImage& image, int row) {
    std::optional<std::pair<int, int>> span;
    for (int x = 0; x < image.width(); ++x) {
        const QColor pixel = image.pixelColor(x, row);
        if (std::max({pixel.red(), pixel.green(), pixel.blue()}) <= 32)
            continue;
        if (!span)
            span = std::make_pair(x, x);
        span->second = x;
    }
    return span;
}

QMap<QString, QByteArray> files_under(const QString& root) {
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            files.insert(QDir(root).relativeFilePath(path), file.readAll());
    }
    return files;
}

bool render(const QString& program, const QString& embedded) {
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    tool.setProcessEnvironment(env);
    tool.start(VRENDIS_ARTWORK_TOOL,
               {"--fonts", VRENDIS_FONT_DIR, "--program", program, "--embedded", embedded});
    return tool.waitForFinished(120000) && tool.exitStatus() == QProcess::NormalExit &&
           tool.exitCode() == 0;
}

TEST(ProgramDirectory, DefaultProfileNamesTheCatalogueWithCrlfLines) {
    QFile file(VRENDIS_DEFAULT_PROFILE);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.startsWith("[Vrendomaten]\r\n"));
    EXPECT_EQ(text.count("\r\n"), text.count('\n')) << "every line ends in CR LF";

    const auto values = read_ini(VRENDIS_DEFAULT_PROFILE);
    EXPECT_EQ(values.value("Huvuden"), "\\data\\huvuden\\");
    EXPECT_EQ(values.value("Broest"), "\\data\\broest\\");
    EXPECT_EQ(values.value("Ben"), "\\data\\ben\\");
    EXPECT_EQ(values.value("Visa_splash"), "1");
    const int smallest =
        std::min({values.value("Antal_Huvuden").toInt(), values.value("Antal_Broest").toInt(),
                  values.value("Antal_Ben").toInt()});
    EXPECT_GE(smallest, 24);
    EXPECT_EQ(values.value("Antal_vrendisar").toInt(), smallest);
}

TEST(ProgramDirectory, EveryCataloguePictureOfTheBuiltProfileIsAJpegOfItsSize) {
    const auto values = read_ini(program_dir() + "/vrendisar.ini");
    ASSERT_FALSE(values.isEmpty()) << "no profile in " << program_dir().toStdString();
    for (const Kind& kind : kinds) {
        const int count = values.value(kind.count_key).toInt();
        ASSERT_GE(count, 24) << kind.count_key;
        const QString dir = kind_dir(values.value(kind.dir_key));
        for (int n = 1; n <= count; ++n) {
            const QString path = dir + kind.letter + QString::number(n) + ".jpg";
            const QImage image = load_jpeg(path);
            ASSERT_FALSE(image.isNull()) << path.toStdString();
            EXPECT_EQ(image.size(), kind.size) << path.toStdString();
        }
    }
}

TEST(ProgramDirectory, CommandAndTabArtworkIsAvailableBlueOrGreyedOut) {
    const QString app = program_dir() + "/data/app/";
    auto blue_pixels = [](const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor p = image.pixelColor(x, y);
                if (p.blue() > 100 && p.red() < 80 && p.blue() - p.red() > 60)
                    ++n;
            }
        }
        return n;
    };
    for (const char* name : {"btn_skapa", "btn_slideshow", "btn_stop_slideshow", "btn_helskarm"}) {
        const QImage on = load_jpeg(app + name + "_on.jpg");
        const QImage off = load_jpeg(app + name + "_off.jpg");
        ASSERT_EQ(on.size(), QSize(118, 10)) << name;
        ASSERT_EQ(off.size(), QSize(118, 10)) << name;
        EXPECT_GT(blue_pixels(on), 20) << name << " should read in dark blue";
        EXPECT_EQ(blue_pixels(off), 0) << name << " should be greyed out";
        // the panel's light face, so the picture sits on the panel without a seam
        EXPECT_GT(on.pixelColor(117, 0).lightness(), 225) << name;
    }
    for (const char* name : {"bokmarken", "bokmarken_on", "bokmarken_in", "bokmarken_in_on"}) {
        EXPECT_EQ(load_jpeg(app + name + ".jpg").size(), QSize(13, 430)) << name;
    }
    EXPECT_NE(load_jpeg(app + "bokmarken.jpg"), load_jpeg(app + "bokmarken_on.jpg"));
    EXPECT_NE(load_jpeg(app + "bokmarken_in.jpg"), load_jpeg(app + "bokmarken_in_on.jpg"));
}

TEST(Catalogue, AnyHeadMeetsAnyChestAndAnyChestMeetsAnyLegs) {
    const auto values = read_ini(program_dir() + "/vrendisar.ini");
    auto pictures = [&](const Kind& kind) {
        std::vector<QImage> images;
        const QString dir = kind_dir(values.value(kind.dir_key));
        for (int n = 1; n <= values.value(kind.count_key).toInt(); ++n) {
            images.push_back(load_jpeg(dir + kind.letter + QString::number(n) + ".jpg"));
        }
        return images;
    };
    std::vector<QImage> heads = pictures(kinds[0]);
    std::vector<QImage> chests = pictures(kinds[1]);
    std::vector<QImage> legs = pictures(kinds[2]);
    ASSERT_GE(heads.size(), 24u);
    // the full-screen view's own figure must fit together too
    heads.push_back(QImage(":/embedded/fullscreen_head.jpg").convertToFormat(QImage::Format_RGB32));
    chests.push_back(
        QImage(":/embedded/fullscreen_chest.jpg").convertToFormat(QImage::Format_RGB32));
    legs.push_back(QImage(":/embedded/fullscreen_legs.jpg").convertToFormat(QImage::Format_RGB32));

    // The window lays the chest's first row over the head's last row, and the legs' first row
    // over the chest's last: what is drawn there must cover the same columns on both sides.
    auto check_seam = [](const std::vector<QImage>& upper, const std::vector<QImage>& lower,
                         const char* what) {
        for (std::size_t u = 0; u < upper.size(); ++u) {
            const auto top = drawn_span(upper[u], upper[u].height() - 1);
            ASSERT_TRUE(top) << what << ": upper part " << u + 1 << " draws nothing on its seam";
            for (std::size_t l = 0; l < lower.size(); ++l) {
                const auto bottom = drawn_span(lower[l], 0);
                ASSERT_TRUE(bottom)
                    << what << ": lower part " << l + 1 << " draws nothing on its seam";
                EXPECT_LE(std::abs(top->first - bottom->first), 2)
                    << what << " " << u + 1 << "/" << l + 1;
                EXPECT_LE(std::abs(top->second - bottom->second), 2)
                    << what << " " << u + 1 << "/" << l + 1;
            }
        }
    };
    check_seam(heads, chests, "neck");
    check_seam(chests, legs, "waist");
}

TEST(Catalogue, EveryPartSitsOnTheSameBlackBackground) {
    const auto values = read_ini(program_dir() + "/vrendisar.ini");
    for (const Kind& kind : kinds) {
        const QString dir = kind_dir(values.value(kind.dir_key));
        for (int n = 1; n <= values.value(kind.count_key).toInt(); ++n) {
            const QImage image = load_jpeg(dir + kind.letter + QString::number(n) + ".jpg");
            for (QPoint corner : {QPoint(0, 0), QPoint(284, 0), QPoint(0, image.height() - 1),
                                  QPoint(284, image.height() - 1)}) {
                EXPECT_LE(image.pixelColor(corner).lightness(), 8)
                    << kind.letter << n << " at " << corner.x() << "," << corner.y();
            }
        }
    }
}

TEST(EmbeddedPictures, AllLoadFromTheResourcesAtTheirSizes) {
    EXPECT_FALSE(QPixmap(":/embedded/splash.jpg").isNull());
    const std::vector<std::pair<const char*, QSize>> pictures{
        {"icon_32.png", {32, 32}},
        {"icon_16.png", {16, 16}},
        {"splash.jpg", {375, 427}},
        {"marker.jpg", {9, 11}},
        {"tick.jpg", {16, 15}},
        {"arrow.jpg", {11, 7}},
        {"minimise.jpg", {37, 8}},
        {"tab_closed.jpg", {13, 430}},
        {"tab_open.jpg", {13, 430}},
        {"btn_skapa.jpg", {118, 10}},
        {"btn_slideshow.jpg", {118, 10}},
        {"btn_helskarm.jpg", {118, 10}},
        {"fullscreen_head.jpg", {285, 87}},
        {"fullscreen_chest.jpg", {285, 123}},
        {"fullscreen_legs.jpg", {285, 195}},
    };
    for (const auto& [name, size] : pictures) {
        const QString path = QString(":/embedded/") + name;
        QImageReader reader(path);
        EXPECT_EQ(reader.format(), QString(name).endsWith(".png") ? "png" : "jpeg") << name;
        EXPECT_EQ(reader.read().size(), size) << name;
    }
}

TEST(EmbeddedPictures, AreTheSamePicturesAsTheirArtworkFiles) {
    auto bytes = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QString app = program_dir() + "/data/app/";
    const std::vector<std::pair<const char*, const char*>> twins{
        {"tab_closed.jpg", "bokmarken.jpg"},         {"tab_open.jpg", "bokmarken_in.jpg"},
        {"btn_skapa.jpg", "btn_skapa_on.jpg"},       {"btn_slideshow.jpg", "btn_slideshow_on.jpg"},
        {"btn_helskarm.jpg", "btn_helskarm_on.jpg"},
    };
    for (const auto& [embedded, file] : twins) {
        const QByteArray a = bytes(QString(":/embedded/") + embedded);
        EXPECT_FALSE(a.isEmpty()) << embedded;
        EXPECT_EQ(a, bytes(app + file)) << embedded;
    }
}

TEST(Renderer, DrawsTheSameBytesEveryTime) {
    QTemporaryDir first;
    QTemporaryDir second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    ASSERT_TRUE(render(first.filePath("program"), first.filePath("embedded")));
    ASSERT_TRUE(render(second.filePath("program"), second.filePath("embedded")));

    const auto a = files_under(first.path());
    const auto b = files_under(second.path());
    EXPECT_GE(a.size(), 3 * 24 + 12 + 15);
    EXPECT_EQ(a.keys(), b.keys());
    for (auto it = a.begin(); it != a.end(); ++it) {
        EXPECT_EQ(it.value(), b.value(it.key())) << it.key().toStdString() << " differs";
    }
    // and the build's own pictures are those of this renderer
    const auto built = files_under(program_dir() + "/data");
    for (auto it = built.begin(); it != built.end(); ++it) {
        EXPECT_EQ(it.value(), a.value("program/data/" + it.key()))
            << it.key().toStdString() << " is stale";
    }
}

}  // namespace
