#include <gtest/gtest.h>

#include "layouts/artwork.h"
#include "layouts/twips.h"
#include "shell_fixture.h"

using layouts::visible;
using shell_testing::ShellTest;

namespace {

class Splash : public ShellTest {
protected:
    void SetUp() override {
        program.set_profile_value("Visa_splash", "1");
        show_window();
    }
    bool splash_shown() {
        Vrendis2001& w = window();
        const bool shown = visible(w.vrendis_splash);
        EXPECT_EQ(visible(w.Check1), shown);
        EXPECT_EQ(visible(w.Label35), shown);
        return shown;
    }
};

class About : public ShellTest {
protected:
    void SetUp() override { show_window(); }
    int top() { return window().about_scroller->top(); }
    bool scrolling() { return window().aboutscroller->enabled(); }
    void ticks(int count) {
        for (int i = 0; i < count; ++i) emit window().aboutscroller->tick();
    }
    // The opened bookmark panel, with the figure moved to its right.
    void open_bookmark_panel() {
        Vrendis2001& w = window();
        w.bokmark_foldin->setVisible(true);
        w.bookmarks->setVisible(false);
        for (layouts::Image* part : {w.image_head, w.image_chest, w.image_legs})
            part->set_left(part->left() + 1250);
    }
    std::vector<int> part_lefts() {
        return {window().image_head->left(), window().image_chest->left(),
                window().image_legs->left()};
    }
};

}  // namespace

// ---------------------------------------------------------------------------------------------
// Splash panel

TEST_F(Splash, TheCloseLinkLeavesTheFigureAreaEmpty) {
    click(window().Label35);
    EXPECT_FALSE(splash_shown());
    EXPECT_TRUE(visible(window().bookmarks));
    EXPECT_FALSE(figure_shown());
    EXPECT_EQ(random.reseeds, 0);
}

TEST_F(Splash, ThePhotographClosesItWithANewFigure) {
    click(window().vrendis_splash);
    EXPECT_FALSE(splash_shown());
    EXPECT_TRUE(visible(window().bookmarks));
    EXPECT_TRUE(figure_shown());
}

TEST_F(Splash, F2BringsItBackOverTheFigureAndLeavesTheTab) {
    click(window().vrendis_splash);
    QTest::keyClick(&window(), Qt::Key_F2);
    EXPECT_TRUE(splash_shown());
    EXPECT_TRUE(visible(window().bookmarks));
    EXPECT_TRUE(figure_shown());
}

TEST_F(Splash, TheBoxStoresTheChoiceAtOnceAndThePanelStays) {
    click(window().Check1);
    ASSERT_TRUE(window().Check1->isChecked());
    EXPECT_EQ(stored_profile_value("Visa_splash"), "0");
    EXPECT_TRUE(splash_shown());
    click(window().Check1);
    EXPECT_EQ(stored_profile_value("Visa_splash"), "1");
    // The other keys stay as they were.
    EXPECT_EQ(stored_profile_value("Antal_Huvuden"), "4");
}

TEST_F(Splash, TheCloseLinkTurnsPaleYellowUnderThePointer) {
    Vrendis2001& w = window();
    EXPECT_EQ(w.Label35->fore_colour(), QColor(255, 255, 255));
    move_over(w.Label35);
    EXPECT_EQ(w.Label35->fore_colour(), QColor(255, 255, 192));
    testing_support::move_pointer(w.vrendis_splash, QPoint(40, 40));
    EXPECT_EQ(w.Label35->fore_colour(), QColor(255, 255, 255));
    // The closed tab gets its normal artwork back.
    EXPECT_EQ(w.bookmarks->picture_path(), program.artwork_path(layouts::artwork::bokmarken));
}

// ---------------------------------------------------------------------------------------------
// About panel

TEST_F(About, ScrollsFromTheStartToTheEndInStepsOfTenTwips) {
    Vrendis2001& w = window();
    EXPECT_EQ(top(), -120);
    click(w.Label3);
    EXPECT_TRUE(scrolling());
    EXPECT_EQ(w.aboutscroller->interval(), 35);
    EXPECT_FALSE(visible(w.about_scroller));  // until the first tick
    EXPECT_EQ(top(), -60);
    ticks(1);
    EXPECT_TRUE(visible(w.about_scroller));
    EXPECT_EQ(top(), -70);
    EXPECT_EQ(w.about_scroller->y(), layouts::twips_to_pixels(-70));
    ticks(1842);
    EXPECT_EQ(top(), -18490);
    EXPECT_TRUE(visible(w.about_scroller));
    EXPECT_TRUE(scrolling());
    ticks(1);
    EXPECT_FALSE(visible(w.about_scroller));
    EXPECT_EQ(top(), -60);
    EXPECT_FALSE(scrolling());
    EXPECT_FALSE(w.aboutscroller->running());
}

TEST_F(About, ADoubleClickStopsItAndTheNextOpeningStartsAtTheTop) {
    Vrendis2001& w = window();
    for (layouts::Control* target : std::initializer_list<layouts::Control*>{
             w.about_scroller, w.Label22, w.Label23, w.Label24}) {
        SCOPED_TRACE(target->objectName().toStdString());
        click(w.Label3);
        ticks(30);
        ASSERT_TRUE(visible(w.about_scroller));
        emit target->double_clicked();
        EXPECT_FALSE(visible(w.about_scroller));
        EXPECT_FALSE(scrolling());
        EXPECT_EQ(top(), -60);
    }
    // Through the real mouse as well, on the headline.
    click(w.Label3);
    ticks(3);
    QTest::mouseDClick(w.Label22, Qt::LeftButton, {}, w.Label22->rect().center());
    EXPECT_FALSE(visible(w.about_scroller));
    EXPECT_FALSE(scrolling());
}

TEST_F(About, OpeningAgainStartsOver) {
    click(window().Label3);
    ticks(100);
    QTest::keyClick(&window(), Qt::Key_F1);
    EXPECT_EQ(top(), -60);
    EXPECT_TRUE(scrolling());
}

TEST_F(About, TheCaptionLinkClosesTheBookmarkPanelFirst) {
    Vrendis2001& w = window();
    const std::vector<int> lefts = part_lefts();
    open_bookmark_panel();
    w.editid->setVisible(true);
    w.vrendis_splash->setVisible(true);
    click(w.Label3);
    EXPECT_EQ(part_lefts(), lefts);
    EXPECT_FALSE(visible(w.bokmark_foldin));
    EXPECT_TRUE(visible(w.bookmarks));
    EXPECT_EQ(w.bookmarks->picture_path(), program.artwork_path(layouts::artwork::bokmarken));
    EXPECT_FALSE(visible(w.editid));
    EXPECT_FALSE(visible(w.vrendis_splash));
    EXPECT_TRUE(scrolling());
}

TEST_F(About, F1LeavesTheBookmarkPanelOpen) {
    Vrendis2001& w = window();
    open_bookmark_panel();
    const std::vector<int> lefts = part_lefts();
    w.editid->setVisible(true);
    w.Check1->setVisible(true);
    QTest::keyClick(&w, Qt::Key_F1);
    EXPECT_EQ(part_lefts(), lefts);
    EXPECT_TRUE(visible(w.bokmark_foldin));
    EXPECT_FALSE(visible(w.bookmarks));
    EXPECT_FALSE(visible(w.editid));
    EXPECT_FALSE(visible(w.Check1));
    EXPECT_TRUE(scrolling());
}

TEST_F(About, TheFigureIsStillThereWhenTheScrollEnds) {
    Vrendis2001& w = window();
    const QString head = w.image_head->picture_path();
    click(w.Label3);
    ticks(1844);
    EXPECT_EQ(w.image_head->picture_path(), head);
    EXPECT_TRUE(visible(w.image_head));
}
