#include "figure/create_new.h"

#include <gtest/gtest.h>

#include <QFile>

#include "figure/generator.h"
#include "layouts/vrendis2001.h"
#include "support/program_fixture.h"

using layouts::visible;
using testing_support::draws_for;
using testing_support::WindowTest;

namespace {

using testing_support::chests;
using testing_support::heads;
using testing_support::legs;

class CreateNew : public WindowTest {
protected:
    // The window showing h2c3l4, with the splash shown again.
    Vrendis2001& w() {
        Vrendis2001& window = this->window();
        random.script(draws_for({{2, heads}, {3, chests}, {4, legs}}));
        functions::generate_figure(window, functions::NEW_FIGURE);
        window.Check1->setVisible(true);
        window.vrendis_splash->setVisible(true);
        window.Label35->setVisible(true);
        window.StatusBar2->set_panel_text(1, "stale");
        return window;
    }

    QString id() {
        return window().Text2->text() + window().Text3->text() + window().Text4->text();
    }
    bool shows_figure(int head, int chest, int legs_number) {
        return shows(window().image_head, 'h', head) && shows(window().image_chest, 'c', chest) &&
               shows(window().image_legs, 'l', legs_number);
    }
};

}  // namespace

TEST_F(CreateNew, CommonRangeOfOneGivesPartOneEverywhere) {
    Vrendis2001& window = w();
    program.set_profile_value("Antal_vrendisar", "1");
    window.mnucreatevrendis->trigger();
    EXPECT_TRUE(shows_figure(1, 1, 1));
    EXPECT_EQ(id(), "h1c1l1");
    EXPECT_EQ(window.StatusBar2->panel_text(1), "  Vrendis ID:  h1c1l1");
    EXPECT_FALSE(visible(window.vrendis_splash));
}

// Each unlocked part takes the first entry of a fresh shuffle of the numbers 1..n.
TEST_F(CreateNew, LockedPartStaysAndTheOthersShareOneTable) {
    Vrendis2001& window = w();
    program.set_profile_value("Antal_vrendisar", "3");
    window.bock2->setVisible(true);
    // Head: entry 2 first, the table is now 2 1 3. Legs: entry 3 of that table, which is 3.
    random.script(draws_for({{2, 3}, {3, 3}}));
    const int reseeds = random.reseeds;
    window.mnucreatevrendis->trigger();
    EXPECT_EQ(random.reseeds, reseeds + 1);
    EXPECT_TRUE(shows_figure(2, 3, 3));
    EXPECT_EQ(window.StatusBar2->panel_text(1), "  Vrendis ID:  h2c3l3");
}

TEST_F(CreateNew, FolderValuesAreUsedVerbatim) {
    Vrendis2001& window = w();
    program.set_profile_value("Antal_vrendisar", "1");
    program.set_profile_value("Huvuden", "\\data\\huvuden");
    // Without its trailing backslash the folder runs straight into the file name.
    ASSERT_TRUE(QFile::copy(program.picture_path('h', 1), program.file("\\data\\huvudenh1.jpg")));
    program.set_profile_value("Broest", "\\data\\broest");
    window.mnucreatevrendis->trigger();
    EXPECT_EQ(window.image_head->picture_path(), program.file("\\data\\huvudenh1.jpg"));
    // No picture there: the chest and its ID part stay as they were.
    EXPECT_TRUE(shows(window.image_chest, 'c', 3));
    EXPECT_EQ(id(), "h1c3l1");
    EXPECT_EQ(window.StatusBar2->panel_text(1), "  Vrendis ID:  h1c3l1");
}

TEST_F(CreateNew, UnusableRangeRewritesOnlyTheIdBar) {
    Vrendis2001& window = w();
    for (const char* range : {"", "abc", "0", "-2", "40000", "2.5"}) {
        program.set_profile_value("Antal_vrendisar", range);
        window.StatusBar2->set_panel_text(1, "stale");
        window.mnucreatevrendis->trigger();
        EXPECT_TRUE(shows_figure(2, 3, 4)) << range;
        EXPECT_EQ(window.StatusBar2->panel_text(1), "  Vrendis ID:  h2c3l4") << range;
    }
}
