// The windows on a 2048 x 1536 screen at twice the scale (QT_SCALE_FACTOR=2): everything is laid
// out in the same logical pixels, so the windows come out twice as large on the screen, nothing
// moves or gets cut off, and the full-screen view still covers the whole screen with the figure
// in its middle.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QScreen>
#include <QTemporaryDir>

#include "figure/generator.h"
#include "layouts/fullscreen.h"
#include "layouts/twips.h"
#include "platform/paths.h"
#include "shell/handlers.h"
#include "support/program_fixture.h"

namespace {

using layouts::twips_to_pixels;

class HighDpi : public testing_support::WindowTest {
protected:
    HighDpi() : WindowTest(285) {
        if (QFile::exists(QStringLiteral(VRENDIS_PROGRAM_DIR "/vrendisar.ini")))
            platform::set_program_directory(QStringLiteral(VRENDIS_PROGRAM_DIR));
    }
    void save(const QImage& image, const QString& name) {
        ASSERT_TRUE(QDir().mkpath(QStringLiteral(VRENDIS_SCREENSHOT_DIR)));
        const QString path = QStringLiteral(VRENDIS_SCREENSHOT_DIR "/") + name;
        EXPECT_TRUE(image.save(path)) << path.toStdString();
    }
};

// Every caption shown fits its label at the scale's fonts.
void expect_nothing_cut_off(QWidget& top) {
    for (QWidget* child : top.findChildren<QWidget*>()) {
        if (!child->isVisibleTo(&top) || child->isWindow())
            continue;
        SCOPED_TRACE(child->objectName().toStdString());
        if (auto* label = qobject_cast<layouts::Label*>(child)) {
            const int flags = Qt::TextShowMnemonic | (label->word_wrap() ? Qt::TextWordWrap : 0);
            const QRect text =
                QFontMetrics(label->font())
                    .boundingRect(QRect(0, 0, label->width(), 100000), flags, label->caption());
            EXPECT_LE(text.width(), label->width());
            EXPECT_LE(text.height(), label->height());
        }
    }
}

}  // namespace

TEST_F(HighDpi, TheScreenIsTwiceTheScale) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->devicePixelRatio(), 2.0);
    EXPECT_EQ(screen->geometry(), QRect(0, 0, 1024, 768));
}

TEST_F(HighDpi, TheMainWindowDoublesWithNothingCutOffOrMoved) {
    random.script(testing_support::draws_for({{2, 4}, {3, 3}, {1, 5}}));
    show_window();
    Vrendis2001& w = window();
    functions::generate_figure(w, functions::NEW_FIGURE);
    EXPECT_EQ(w.size(), QSize(643, 580));
    const QImage shot = w.grab().toImage();
    EXPECT_EQ(shot.size(), QSize(1286, 1160));
    save(shot, "vrendis2001_scale2.png");
    expect_nothing_cut_off(w);

    // The about panel moves in twips, converted only for the display: the same logical pixels,
    // twice the screen pixels.
    shell::Label3_Click(w);
    for (int tick = 0; tick < 50; ++tick) emit w.aboutscroller->tick();
    EXPECT_EQ(w.about_scroller->y(), twips_to_pixels(w.about_scroller->top()));
    EXPECT_EQ(w.about_scroller->top(), -60 - 50 * 10);
    save(w.grab().toImage(), "vrendis2001_about_scale2.png");
}

TEST_F(HighDpi, TheFullScreenViewCoversTheScreenWithTheFigureInItsMiddle) {
    show_window();
    window().mnufullscreen->trigger();
    Fullscreen* view = window().fullscreen;
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->geometry(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(view->grab().toImage().size(), QSize(2048, 1536));
    // The figure is 4400 twips wide about the screen's middle, in logical pixels.
    const int middle = view->image_head->x() + twips_to_pixels(2200);
    EXPECT_NEAR(middle, 512, 1);
    for (layouts::Image* part : {view->image_head, view->image_chest, view->image_legs})
        EXPECT_TRUE(view->rect().contains(part->geometry())) << part->objectName().toStdString();
    save(view->grab().toImage(), "fullscreen_scale2.png");
    window().destroy_fullscreen();
}

int main(int argc, char* argv[]) {
    // A 2048 x 1536 offscreen screen at twice the scale, whatever the caller chose.
    QTemporaryDir config_dir;
    const QString config = config_dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(R"({"screens": [{"name": "hidpi", "x": 0, "y": 0, "width": 2048,
                       "height": 1536, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") < 0)
        return 1;
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    qputenv("QT_SCALE_FACTOR", "2");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
