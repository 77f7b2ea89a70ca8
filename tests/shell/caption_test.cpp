#include <gtest/gtest.h>

#include "shell_fixture.h"

using layouts::visible;
using shell_testing::ShellTest;

namespace {

const QColor white(255, 255, 255);
const QColor light_blue(143, 193, 254);

class Caption : public ShellTest {
protected:
    void SetUp() override {
        show_window();
        shell::set_window_mover([this](QWidget& moved) {
            EXPECT_EQ(&moved, &window());
            ++moves;
        });
    }
    void TearDown() override { shell::set_window_mover({}); }

    std::pair<QColor, QColor> links() {
        return {window().Label1->fore_colour(), window().Label3->fore_colour()};
    }
    using Colours = std::pair<QColor, QColor>;

    int moves = 0;
};

}  // namespace

TEST_F(Caption, LinksLightUpUntilThePointerPassesTheOtherOrTheStrip) {
    Vrendis2001& w = window();
    EXPECT_EQ(links(), (Colours{white, white}));
    move_over(w.Label1);
    EXPECT_EQ(links(), (Colours{light_blue, white}));
    move_over(w.Label3);
    EXPECT_EQ(links(), (Colours{white, light_blue}));
    // Off the window another way: the link stays lit.
    move_over(w.Picture4);
    EXPECT_EQ(links(), (Colours{white, light_blue}));
    // Over the empty caption strip, left of the links.
    testing_support::move_pointer(w.Image3, QPoint(20, 10));
    EXPECT_EQ(links(), (Colours{white, white}));
}

TEST_F(Caption, DragZonesMoveTheWindowOnlyWithTheLeftButtonHeld) {
    Vrendis2001& w = window();
    for (layouts::Control* zone :
         std::initializer_list<layouts::Control*>{w.Image2, w.Image4, w.vrendis_splash}) {
        SCOPED_TRACE(zone->objectName().toStdString());
        moves = 0;
        emit zone->mouse_move(Qt::NoButton, QPoint(5, 5));
        EXPECT_EQ(moves, 0);
        emit zone->mouse_move(Qt::RightButton, QPoint(5, 5));
        EXPECT_EQ(moves, 0);
        emit zone->mouse_move(Qt::LeftButton, QPoint(5, 5));
        EXPECT_EQ(moves, 1);
    }
    // The caption strip starts the move as the button goes down.
    moves = 0;
    QTest::mousePress(w.Image3, Qt::RightButton, {}, QPoint(20, 10));
    QTest::mouseRelease(w.Image3, Qt::RightButton, {}, QPoint(20, 10));
    EXPECT_EQ(moves, 0);
    QTest::mousePress(w.Image3, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(moves, 1);
    QTest::mouseRelease(w.Image3, Qt::LeftButton, {}, QPoint(20, 10));
}

TEST_F(Caption, ThePlainPointerMovesNothing) {
    move_over(window().Image2);
    move_over(window().Image4);
    move_over(window().vrendis_splash);
    EXPECT_EQ(moves, 0);
}

TEST_F(Caption, TheArrowPopsUpTheIdMenuOnTheLeftButtonOnly) {
    Vrendis2001& w = window();
    QTest::mousePress(w.Image9, Qt::RightButton, {}, w.Image9->rect().center());
    EXPECT_FALSE(w.mnuid->isVisible());
    QTest::mouseRelease(w.Image9, Qt::RightButton, {}, w.Image9->rect().center());
    QTest::mousePress(w.Image9, Qt::LeftButton, {}, w.Image9->rect().center());
    EXPECT_TRUE(w.mnuid->isVisible());
    w.mnuid->close();
}

TEST_F(Caption, TheStripAndTheArrowCloseTheIdEntryPanel) {
    Vrendis2001& w = window();
    for (QWidget* control : std::initializer_list<QWidget*>{w.Image3, w.Image9}) {
        w.editid->setVisible(true);
        emit static_cast<layouts::Control*>(control)->clicked();
        EXPECT_FALSE(visible(w.editid));
    }
}

TEST_F(Caption, AvslutaEndsTheProgram) {
    Vrendis2001& w = window();
    click(w.Label1);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(shell::tray_icon(w), nullptr);
}
