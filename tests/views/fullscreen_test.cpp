#include "layouts/fullscreen.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QScreen>
#include <QTest>
#include <optional>

#include "layouts/twips.h"
#include "layouts/vrendis2001.h"
#include "support/program_fixture.h"

using layouts::visible;
using testing_support::draws_for;
using testing_support::FakeScreen;
using testing_support::WindowTest;

namespace {

using testing_support::chests;
using testing_support::heads;
using testing_support::legs;

const QString embedded_head = QStringLiteral(":/embedded/fullscreen_head.jpg");
const QString embedded_chest = QStringLiteral(":/embedded/fullscreen_chest.jpg");
const QString embedded_legs = QStringLiteral(":/embedded/fullscreen_legs.jpg");

struct Placement {
    int left, head_top, chest_top, legs_top;
};

class FullscreenView : public WindowTest {
protected:
    void SetUp() override { show_window(); }
    // Closed views go once control is back in the event loop; this test has none.
    void TearDown() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    Fullscreen* view() { return window().fullscreen; }
    void start_main_slideshow() {
        window().mnustartslideshow->trigger();
        ASSERT_TRUE(window().Slideshow_Clock->enabled());
    }
    void lock_all() {
        for (layouts::Image* mark : {window().bock1, window().bock2, window().bock3})
            mark->setVisible(true);
    }
    bool shows_opening_pictures() {
        return view()->image_head->picture_path() == embedded_head &&
               view()->image_chest->picture_path() == embedded_chest &&
               view()->image_legs->picture_path() == embedded_legs;
    }

    // Opens the view on a screen of the given size and reports where the parts stand.
    Placement placement_on(QSize pixels) {
        screen.emplace(QRect(QPoint(0, 0), pixels));
        window().mnufullscreen->trigger();
        if (!view()) {
            ADD_FAILURE() << "the view did not open";
            return {};
        }
        EXPECT_EQ(view()->image_chest->left(), view()->image_head->left());
        EXPECT_EQ(view()->image_legs->left(), view()->image_head->left());
        EXPECT_EQ(view()->Image1->left(), 0);
        EXPECT_EQ(view()->Image1->top(), 550);
        EXPECT_EQ(view()->Image1->size(), pixels);
        const Placement placed{view()->image_head->left(), view()->image_head->top(),
                               view()->image_chest->top(), view()->image_legs->top()};
        window().destroy_fullscreen();
        screen.reset();
        return placed;
    }

    std::optional<FakeScreen> screen;
};

}  // namespace

TEST_F(FullscreenView, PlacesTheFigureAboutTheScreensCentre) {
    const Placement small = placement_on({1024, 768});
    EXPECT_EQ(small.left, 5480);
    EXPECT_EQ(small.head_top, 3760);
    EXPECT_EQ(small.chest_top, 5077);
    EXPECT_EQ(small.legs_top, 6922);

    const Placement wide = placement_on({1920, 1080});
    EXPECT_EQ(wide.left, 12200);
    EXPECT_EQ(wide.head_top, 6100);
    EXPECT_EQ(wide.chest_top, 7417);
    EXPECT_EQ(wide.legs_top, 9262);
}

TEST_F(FullscreenView, CoversTheMainWindowsScreenWithoutBorder) {
    Vrendis2001& w = window();
    w.mnufullscreen->trigger();
    ASSERT_NE(view(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view()));
    EXPECT_EQ(view()->geometry(), w.screen()->geometry());
    EXPECT_TRUE(view()->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(view()->palette().color(QPalette::Window), QColor(Qt::black));
}

TEST_F(FullscreenView, LeftPanelCommandStopsTheMainSlideshow) {
    Vrendis2001& w = window();
    start_main_slideshow();
    QTest::mouseClick(w.Image20, Qt::LeftButton);
    ASSERT_NE(view(), nullptr);
    EXPECT_TRUE(view()->isVisible());
    EXPECT_FALSE(w.Slideshow_Clock->enabled());
    EXPECT_TRUE(w.Text1->isEnabled());
    EXPECT_TRUE(w.Slider1->isEnabled());
    EXPECT_EQ(w.Image11->picture_path(), program.artwork_path("btn_slideshow_on.jpg"));
    EXPECT_EQ(w.Image10->picture_path(), program.artwork_path("btn_skapa_on.jpg"));
    // The view's own slideshow runs at the main window's interval.
    EXPECT_TRUE(view()->Slideshow_Clock->running());
    EXPECT_EQ(view()->Slideshow_Clock->interval(), 1101);
}

TEST_F(FullscreenView, TrayCommandKeepsTheMainSlideshowAndTheViewStill) {
    Vrendis2001& w = window();
    start_main_slideshow();
    w.mnufullscreen->trigger();
    ASSERT_NE(view(), nullptr);
    EXPECT_TRUE(w.Slideshow_Clock->enabled());
    EXPECT_FALSE(w.Text1->isEnabled());

    random.script(draws_for({{2, heads}, {3, chests}, {4, legs}}));
    emit view()->Slideshow_Clock->tick();
    QTest::mouseClick(view()->image_head, Qt::LeftButton);
    QTest::mouseClick(view()->image_legs, Qt::LeftButton);
    EXPECT_TRUE(shows_opening_pictures());
}

TEST_F(FullscreenView, OwnSlideshowPaintsOnlyTheView) {
    Vrendis2001& w = window();
    const QString id = w.Text2->text() + w.Text3->text() + w.Text4->text();
    const QString status = w.StatusBar2->panel_text(1);
    w.Text1->setText("250");
    QTest::mouseClick(w.Image20, Qt::LeftButton);
    ASSERT_NE(view(), nullptr);
    EXPECT_EQ(view()->Slideshow_Clock->interval(), 250);
    EXPECT_TRUE(shows_opening_pictures());

    // The empty screen stops and restarts it.
    QTest::mouseClick(view()->Image1, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(view()->Slideshow_Clock->enabled());
    QTest::mouseClick(view()->Image1, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(view()->Slideshow_Clock->running());

    random.script(draws_for({{2, heads}, {3, chests}, {4, legs}}));
    emit view()->Slideshow_Clock->tick();
    EXPECT_TRUE(shows(view()->image_head, 'h', 2));
    EXPECT_TRUE(shows(view()->image_chest, 'c', 3));
    EXPECT_TRUE(shows(view()->image_legs, 'l', 4));
    EXPECT_EQ(w.Text2->text() + w.Text3->text() + w.Text4->text(), id);
    EXPECT_EQ(w.StatusBar2->panel_text(1), status);
}

TEST_F(FullscreenView, PartClicksChangeOnePartUnlessLocked) {
    Vrendis2001& w = window();
    w.mnufullscreen->trigger();
    ASSERT_NE(view(), nullptr);

    random.script(draws_for(3, heads));
    QTest::mouseClick(view()->image_head, Qt::LeftButton);
    EXPECT_TRUE(shows(view()->image_head, 'h', 3));
    EXPECT_EQ(view()->image_chest->picture_path(), embedded_chest);
    EXPECT_EQ(view()->image_legs->picture_path(), embedded_legs);

    w.bock3->setVisible(true);
    QTest::mouseClick(view()->image_legs, Qt::LeftButton);
    EXPECT_EQ(view()->image_legs->picture_path(), embedded_legs);
    random.script(draws_for(2, chests));
    QTest::mouseClick(view()->image_chest, Qt::LeftButton);
    EXPECT_TRUE(shows(view()->image_chest, 'c', 2));
}

TEST_F(FullscreenView, ReturnLinkHoversAndClosesAndEscapeDoesTheSame) {
    Vrendis2001& w = window();
    w.mnufullscreen->trigger();
    ASSERT_NE(view(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view()));
    QTest::mouseMove(view()->Label1, view()->Label1->rect().center());
    EXPECT_EQ(view()->Label1->fore_colour(), QColor(143, 193, 254));
    // Over the image below the band nothing changes; over the background it turns white.
    QTest::mouseMove(view()->Image1, QPoint(5, 5));
    EXPECT_EQ(view()->Label1->fore_colour(), QColor(143, 193, 254));
    const QPoint beside_the_link = view()->Label1->geometry().topRight() + QPoint(40, 0);
    QTest::mouseMove(view(), beside_the_link);
    EXPECT_EQ(view()->Label1->fore_colour(), QColor(Qt::white));

    random.script(draws_for(2, heads));
    QTest::mouseClick(view()->image_head, Qt::LeftButton);
    QTest::mouseClick(view()->Label1, Qt::LeftButton);
    EXPECT_EQ(view(), nullptr);

    // A new opening starts from the window's definition again.
    w.mnufullscreen->trigger();
    ASSERT_NE(view(), nullptr);
    EXPECT_TRUE(shows_opening_pictures());
    QTest::keyClick(view(), Qt::Key_Escape);
    EXPECT_EQ(view(), nullptr);
}
