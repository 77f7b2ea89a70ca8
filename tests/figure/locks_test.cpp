#include <gtest/gtest.h>

#include <QFile>
#include <QTest>

#include "figure/generator.h"
#include "support/program_fixture.h"

using layouts::visible;
using testing_support::draws_for;

namespace {

class Locks : public testing_support::WindowTest {
protected:
    void SetUp() override { show_window(); }

    void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }

    // The artwork file each command picture shows: create row, slideshow row, full-screen
    // row, show button.
    std::vector<QString> commands() {
        Vrendis2001& w = window();
        return {w.Image10->picture_path(), w.Image11->picture_path(), w.Image12->picture_path(),
                w.Image13->picture_path()};
    }
    std::vector<QString> artwork(const char* create, const char* slideshow,
                                 const char* fullscreen) {
        return {program.artwork_path(create), program.artwork_path(slideshow),
                program.artwork_path(fullscreen), program.artwork_path(create)};
    }
    std::vector<QString> normal() {
        return artwork("btn_skapa_on.jpg", "btn_slideshow_on.jpg", "btn_helskarm_on.jpg");
    }
    std::vector<bool> marks() {
        return {visible(window().bock1), visible(window().bock2), visible(window().bock3)};
    }
    std::vector<bool> boxes_enabled() {
        return {window().Text5->isEnabled(), window().Text6->isEnabled(),
                window().Text7->isEnabled()};
    }
    using Flags = std::vector<bool>;
};

}  // namespace

TEST_F(Locks, OneLabelLocksItsPartAndLeavesTheCommands) {
    Vrendis2001& w = window();
    const auto before = commands();
    click(w.Label4);
    EXPECT_EQ(marks(), (Flags{true, false, false}));
    EXPECT_EQ(boxes_enabled(), (Flags{false, true, true}));
    EXPECT_EQ(commands(), before);
    click(w.Label4);
    EXPECT_EQ(marks(), (Flags{false, false, false}));
    EXPECT_EQ(boxes_enabled(), (Flags{true, true, true}));
    // Releasing loads the normal pictures even though none was dimmed.
    EXPECT_EQ(commands(), normal());
}

TEST_F(Locks, TheThirdLockDimsTheCommandsByTheSlideshowState) {
    Vrendis2001& w = window();
    click(w.Label4);
    click(w.Label7);
    const auto two_locked = commands();
    w.Slideshow_Clock->set_enabled(true);
    click(w.Label8);
    EXPECT_EQ(marks(), (Flags{true, true, true}));
    EXPECT_EQ(boxes_enabled(), (Flags{false, false, false}));
    EXPECT_NE(commands(), two_locked);
    EXPECT_EQ(commands(),
              artwork("btn_skapa_off.jpg", "btn_stop_slideshow_off.jpg", "btn_helskarm_off.jpg"));

    // Released while the slideshow still runs, then relocked and released with it stopped.
    click(w.Label7);
    EXPECT_EQ(commands(),
              artwork("btn_skapa_on.jpg", "btn_stop_slideshow_on.jpg", "btn_helskarm_on.jpg"));
    w.Slideshow_Clock->set_enabled(false);
    click(w.Label7);
    EXPECT_EQ(commands(),
              artwork("btn_skapa_off.jpg", "btn_slideshow_off.jpg", "btn_helskarm_off.jpg"));
    click(w.Label4);
    EXPECT_EQ(marks(), (Flags{false, true, true}));
    EXPECT_EQ(commands(), normal());
}

TEST_F(Locks, MenuEntriesSwitchOnlyTheMark) {
    Vrendis2001& w = window();
    const auto before = commands();
    for (QAction* entry : {w.mnuhuvud, w.mnubrost, w.mnuben}) entry->trigger();
    EXPECT_EQ(marks(), (Flags{true, true, true}));
    EXPECT_EQ(boxes_enabled(), (Flags{true, true, true}));
    EXPECT_EQ(commands(), before);
    w.mnubrost->trigger();
    EXPECT_EQ(marks(), (Flags{true, false, true}));
    EXPECT_EQ(commands(), before);

    // A part locked from the menu still survives a new figure.
    random.script(draws_for(3, 3));
    click(w.Label5);
    EXPECT_EQ(w.StatusBar2->panel_text(1), "  Vrendis ID:  h1c3l1");
}

TEST_F(Locks, MissingArtworkStillSwitchesTheLock) {
    Vrendis2001& w = window();
    ASSERT_TRUE(QFile::remove(program.artwork_path("btn_skapa_off.jpg")));
    const QString create_row = w.Image10->picture_path();
    for (QWidget* label : {w.Label4, w.Label7, w.Label8}) click(label);
    EXPECT_EQ(marks(), (Flags{true, true, true}));
    EXPECT_EQ(w.Image10->picture_path(), create_row);
    EXPECT_EQ(w.Image12->picture_path(), program.artwork_path("btn_helskarm_off.jpg"));
}
