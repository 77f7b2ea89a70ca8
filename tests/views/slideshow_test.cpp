#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTest>

#include "layouts/vrendis2001.h"
#include "support/program_fixture.h"

using layouts::visible;
using testing_support::draws_for;
using testing_support::WindowTest;

namespace {

using testing_support::chests;
using testing_support::heads;
using testing_support::legs;

class Slideshow : public WindowTest {
protected:
    void SetUp() override { show_window(); }

    bool running() { return window().Slideshow_Clock->enabled(); }
    QString text() { return window().Text1->text(); }
    int slider() { return window().Slider1->value(); }
    bool shows_artwork(const layouts::Image* image, const char* name) {
        return image->picture_path() == program.artwork_path(name);
    }

    // Replaces the interval text by typing, as the user selects it and types over it.
    void type_over(const QString& keys) {
        window().Text1->selectAll();
        QTest::keyClicks(window().Text1, keys);
    }
    void show_splash() {
        window().Check1->setVisible(true);
        window().vrendis_splash->setVisible(true);
        window().Label35->setVisible(true);
    }
    void lock_all() {
        for (layouts::Image* mark : {window().bock1, window().bock2, window().bock3})
            mark->setVisible(true);
    }
};

}  // namespace

TEST_F(Slideshow, StartsWithTheTextsIntervalAndStopsFromTheTrayMenu) {
    Vrendis2001& w = window();
    show_splash();
    ASSERT_EQ(text(), "1101");
    ASSERT_EQ(slider(), 1500);
    const QString status = w.StatusBar2->panel_text(1);

    QTest::mouseClick(w.Image19, Qt::LeftButton);
    EXPECT_TRUE(running());
    EXPECT_TRUE(w.Slideshow_Clock->running());
    EXPECT_EQ(w.Slideshow_Clock->interval(), 1101);
    EXPECT_EQ(slider(), 1500);
    EXPECT_FALSE(w.Text1->isEnabled());
    EXPECT_FALSE(w.Slider1->isEnabled());
    EXPECT_TRUE(shows_artwork(w.Image11, "btn_stop_slideshow_on.jpg"));
    EXPECT_TRUE(shows_artwork(w.Image10, "btn_skapa_off.jpg"));
    EXPECT_FALSE(visible(w.vrendis_splash));
    EXPECT_FALSE(visible(w.Check1));
    EXPECT_FALSE(visible(w.Label35));
    // The first figure comes one interval later, not at the start.
    EXPECT_EQ(w.StatusBar2->panel_text(1), status);

    random.script(draws_for({{2, heads}, {3, chests}, {4, legs}}));
    emit w.Slideshow_Clock->tick();
    EXPECT_EQ(w.StatusBar2->panel_text(1), "  Vrendis ID:  h2c3l4");
    EXPECT_TRUE(shows(w.image_legs, 'l', 4));

    w.mnustartslideshow->trigger();
    EXPECT_FALSE(running());
    EXPECT_TRUE(w.Text1->isEnabled());
    EXPECT_TRUE(w.Slider1->isEnabled());
    EXPECT_TRUE(shows_artwork(w.Image11, "btn_slideshow_on.jpg"));
    EXPECT_TRUE(shows_artwork(w.Image10, "btn_skapa_on.jpg"));

    w.mnustartslideshow->trigger();
    w.mnustartslideshow->trigger();
    EXPECT_FALSE(running());
    EXPECT_TRUE(w.Text1->isEnabled());
    EXPECT_TRUE(w.Slider1->isEnabled());
}

TEST_F(Slideshow, TextAndSliderFollowEachOther) {
    Vrendis2001& w = window();

    type_over("5");
    EXPECT_EQ(slider(), 5);
    // Leading zeros stay while the slider already agrees...
    QTest::keyClick(w.Text1, Qt::Key_Home);
    QTest::keyClicks(w.Text1, "00");
    EXPECT_EQ(text(), "005");
    EXPECT_EQ(slider(), 5);
    // ...and go when the text moves the slider: 007 typed over a slider at 5.
    QTest::keyClick(w.Text1, Qt::Key_End);
    QTest::keyClick(w.Text1, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClicks(w.Text1, "7");
    EXPECT_EQ(text(), "7");
    EXPECT_EQ(slider(), 7);
    QTest::keyClick(w.Text1, Qt::Key_Home);
    QTest::keyClicks(w.Text1, "0");
    EXPECT_EQ(text(), "07");
    EXPECT_EQ(slider(), 7);

    type_over("4000");
    EXPECT_EQ(slider(), 4000);
    QTest::keyClicks(w.Text1, "1");
    EXPECT_EQ(text(), "40000");
    EXPECT_EQ(slider(), 40000);

    type_over("0");
    EXPECT_EQ(text(), "1");
    EXPECT_EQ(slider(), 1);

    w.Slider1->setFocus();
    QTest::keyClick(w.Slider1, Qt::Key_End);
    EXPECT_EQ(text(), "40000");
    EXPECT_EQ(slider(), 40000);
    QTest::keyClick(w.Slider1, Qt::Key_Home);
    EXPECT_EQ(text(), "1");
}

TEST_F(Slideshow, IntervalTextTakesOnlyDigits) {
    Vrendis2001& w = window();
    QTest::keyClicks(w.Text1, "a-");
    QTest::keyClick(w.Text1, Qt::Key_Return);
    EXPECT_EQ(text(), "1101");
    EXPECT_EQ(dialogs.beeps, 3);
    QTest::keyClick(w.Text1, Qt::Key_Backspace);
    EXPECT_EQ(text(), "110");
    EXPECT_EQ(dialogs.beeps, 3);
}

TEST_F(Slideshow, TextWithoutNumberTakesTheSlidersValueAtStart) {
    Vrendis2001& w = window();
    type_over("250");
    for (int i = 0; i < 3; ++i) QTest::keyClick(w.Text1, Qt::Key_Backspace);
    EXPECT_EQ(text(), "");
    EXPECT_EQ(slider(), 2);

    QTest::mouseClick(w.Image19, Qt::LeftButton);
    EXPECT_TRUE(running());
    EXPECT_EQ(w.Slideshow_Clock->interval(), 2);
    EXPECT_EQ(text(), "2");
    QTest::mouseClick(w.Image19, Qt::LeftButton);

    // Pasted text that is no number leaves the slider alone too.
    w.Text1->selectAll();
    w.Text1->insert("abc");
    EXPECT_EQ(slider(), 2);
    QTest::mouseClick(w.Image19, Qt::LeftButton);
    EXPECT_EQ(w.Slideshow_Clock->interval(), 2);
    EXPECT_EQ(text(), "2");
}

TEST_F(Slideshow, StartClampsTheIntervalText) {
    Vrendis2001& w = window();
    // Texts the change handler never let stand, as if set behind its back.
    w.Text1->blockSignals(true);
    w.Text1->setText("0");
    w.Text1->blockSignals(false);
    QTest::mouseClick(w.Image19, Qt::LeftButton);
    EXPECT_EQ(w.Slideshow_Clock->interval(), 1);
    EXPECT_EQ(text(), "1");
    EXPECT_EQ(slider(), 1);
    QTest::mouseClick(w.Image19, Qt::LeftButton);

    w.Text1->blockSignals(true);
    w.Text1->setText("70000");
    w.Text1->blockSignals(false);
    QTest::mouseClick(w.Image19, Qt::LeftButton);
    // 65500, then the change handler's own limit.
    EXPECT_EQ(text(), "40000");
    EXPECT_EQ(slider(), 40000);
    EXPECT_EQ(w.Slideshow_Clock->interval(), 40000);
}

// The ticks of a 1 ms slideshow never keep a click from being handled.
TEST_F(Slideshow, WindowAnswersWhileTheSlideshowRunsEveryMillisecond) {
    Vrendis2001& w = window();
    type_over("1");
    int ticks = 0;
    QObject::connect(w.Slideshow_Clock, &layouts::Timer::tick, [&ticks] { ++ticks; });
    QTest::mouseClick(w.Image19, Qt::LeftButton);
    ASSERT_EQ(w.Slideshow_Clock->interval(), 1);

    QElapsedTimer warm_up;
    warm_up.start();
    while (ticks < 20 && warm_up.elapsed() < 5000) QCoreApplication::processEvents();
    ASSERT_GE(ticks, 20);

    const QPointF centre = QRectF(w.Image19->rect()).center();
    const QPointF in_window = w.Image19->mapTo(&w, centre);
    const QPointF global = w.Image19->mapToGlobal(centre);
    QCoreApplication::postEvent(w.Image19,
                                new QMouseEvent(QEvent::MouseButtonPress, centre, in_window, global,
                                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(
        w.Image19, new QMouseEvent(QEvent::MouseButtonRelease, centre, in_window, global,
                                   Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    QElapsedTimer clock;
    clock.start();
    while (running() && clock.elapsed() < 100) QCoreApplication::processEvents();
    EXPECT_FALSE(running()) << "click not handled within 100 ms";
}
