#include <gtest/gtest.h>

#include <QTest>

#include "support/program_fixture.h"

using layouts::visible;

namespace {

class HoverMarkers : public testing_support::WindowTest {
protected:
    void SetUp() override { show_window(); }

    void move_over(QWidget* control) { QTest::mouseMove(control, control->rect().center()); }

    // Which markers show: create, slideshow, full-screen row.
    std::vector<bool> markers() {
        return {visible(window().Image17), visible(window().Image16), visible(window().Image15)};
    }
    using Markers = std::vector<bool>;
};

}  // namespace

TEST_F(HoverMarkers, FollowThePointerFromRowToRow) {
    Vrendis2001& w = window();
    EXPECT_EQ(markers(), (Markers{false, false, false}));
    move_over(w.Image18);
    EXPECT_EQ(markers(), (Markers{true, false, false}));
    move_over(w.Image19);
    EXPECT_EQ(markers(), (Markers{false, true, false}));
    move_over(w.Image20);
    EXPECT_EQ(markers(), (Markers{false, false, true}));
    // Straight off the panel: the marker stays.
    move_over(w.Picture4);
    EXPECT_EQ(markers(), (Markers{false, false, true}));
    // Over the rest of the left panel: all hidden.
    QTest::mouseMove(w.Frame2, QPoint(20, 150));
    EXPECT_EQ(markers(), (Markers{false, false, false}));
}
