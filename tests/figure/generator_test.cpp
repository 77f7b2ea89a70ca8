#include "figure/generator.h"

#include <gtest/gtest.h>

#include <QTest>

#include "layouts/fullscreen.h"
#include "settings/profile_store.h"
#include "settings/program_profile.h"
#include "support/program_fixture.h"

using namespace functions;
using layouts::visible;
using platform::MessageIcon;
using testing_support::draws_for;
using testing_support::WindowTest;

namespace {

const QString fyll_i_title = QStringLiteral("Vrendomaten - Fyll i ett ID");
const QString fyll_i_text = QStringLiteral("Du har glömt all fylla i ett eller flera ID nummer.");
const QString fel_id_title = QStringLiteral("Vrendomaten - Fel ID");

using testing_support::chests;
using testing_support::heads;
using testing_support::legs;

class Generator : public WindowTest {
protected:
    // The window with its first figure, h1c1l1 (every unscripted draw picks part 1), and the
    // splash shown again so that a test sees whether a call got past the guards.
    Vrendis2001& w() {
        Vrendis2001& window = this->window();
        window.Check1->setVisible(true);
        window.vrendis_splash->setVisible(true);
        window.Label35->setVisible(true);
        return window;
    }

    QString status() { return window().StatusBar2->panel_text(1); }
    QString id() {
        return window().Text2->text() + window().Text3->text() + window().Text4->text();
    }
    bool splash_shown() { return visible(window().vrendis_splash); }

    void typed(const QString& head, const QString& chest, const QString& legs_text) {
        window().Text5->setText(head);
        window().Text6->setText(chest);
        window().Text7->setText(legs_text);
    }

    void lock(std::initializer_list<layouts::Image*> marks) {
        for (layouts::Image* mark : marks) mark->setVisible(true);
    }
};

}  // namespace

// ---------------------------------------------------------------------------------------------
// Random figures

TEST_F(Generator, NewFigureShowsTheDrawnPartsAndTheirId) {
    Vrendis2001& window = w();
    ASSERT_EQ(status(), "  Vrendis ID:  h1c1l1");
    random.script(draws_for({{2, heads}, {3, chests}, {4, legs}}));
    const int reseeds = random.reseeds;
    generate_figure(window, NEW_FIGURE);
    EXPECT_TRUE(shows(window.image_head, 'h', 2));
    EXPECT_TRUE(shows(window.image_chest, 'c', 3));
    EXPECT_TRUE(shows(window.image_legs, 'l', 4));
    EXPECT_EQ(window.image_head->size(), program.picture_size('h', 2));
    EXPECT_EQ(id(), "h2c3l4");
    EXPECT_EQ(status(), "  Vrendis ID:  h2c3l4");
    EXPECT_EQ(random.reseeds, reseeds + 1);
    EXPECT_FALSE(splash_shown());
    EXPECT_FALSE(visible(window.Check1));
    EXPECT_FALSE(visible(window.Label35));
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(Generator, SlideshowStepDoesTheSameWork) {
    Vrendis2001& window = w();
    random.script(draws_for({{4, heads}, {2, chests}, {5, legs}}));
    generate_figure(window, SLIDESHOW_STEP);
    EXPECT_EQ(status(), "  Vrendis ID:  h4c2l5");
}

TEST_F(Generator, ACountOfOneAlwaysGivesPartOne) {
    program.set_profile_value("Antal_Ben", "1");
    Vrendis2001& window = w();
    random.script({0.9f});
    generate_figure(window, NEW_FIGURE);
    EXPECT_EQ(window.Text4->text(), "l1");
    EXPECT_TRUE(shows(window.image_legs, 'l', 1));
    EXPECT_EQ(window.Text2->text(), "h4");
}

TEST_F(Generator, SinglePartModesChangeOnlyTheirPart) {
    Vrendis2001& window = w();
    random.script(draws_for(3, heads));
    generate_figure(window, NEW_HEAD);
    EXPECT_EQ(id(), "h3c1l1");
    random.script(draws_for(2, chests));
    generate_figure(window, NEW_CHEST);
    EXPECT_EQ(id(), "h3c2l1");
    random.script(draws_for(5, legs));
    generate_figure(window, NEW_LEGS);
    EXPECT_EQ(id(), "h3c2l5");
    EXPECT_EQ(status(), "  Vrendis ID:  h3c2l5");
    EXPECT_TRUE(shows(window.image_head, 'h', 3));
    EXPECT_TRUE(shows(window.image_chest, 'c', 2));
    EXPECT_TRUE(shows(window.image_legs, 'l', 5));
}

// ---------------------------------------------------------------------------------------------
// Guards and locks

TEST_F(Generator, ALockedPartKeepsItsPictureAndIdPart) {
    Vrendis2001& window = w();
    lock({window.bock2});
    random.script(draws_for({{2, heads}, {3, legs}}));
    generate_figure(window, NEW_FIGURE);
    EXPECT_EQ(status(), "  Vrendis ID:  h2c1l3");
    EXPECT_TRUE(shows(window.image_chest, 'c', 1));
}

TEST_F(Generator, ALockedSinglePartOnlyRewritesTheStatusText) {
    Vrendis2001& window = w();
    lock({window.bock1});
    window.StatusBar2->set_panel_text(1, "marker");
    random.script({0.9f});
    generate_figure(window, NEW_HEAD);
    EXPECT_EQ(status(), "  Vrendis ID:  h1c1l1");
    EXPECT_TRUE(shows(window.image_head, 'h', 1));
    EXPECT_EQ(id(), "h1c1l1");
}

// ---------------------------------------------------------------------------------------------
// Typed IDs

TEST_F(Generator, AnEmptyBoxGivesOneReminderAndChangesNothing) {
    Vrendis2001& window = w();
    window.editid->setVisible(true);
    for (auto [head, chest, legs_text] :
         {std::tuple{"", "", ""}, std::tuple{"5", "", "9"}, std::tuple{"1", "1", ""}}) {
        dialogs.boxes.clear();
        typed(head, chest, legs_text);
        generate_figure(window, TYPED_ID);
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_EQ(dialogs.boxes[0].text, fyll_i_text);
        EXPECT_EQ(dialogs.boxes[0].title, fyll_i_title);
        EXPECT_EQ(dialogs.boxes[0].icon, MessageIcon::Information);
    }
    EXPECT_EQ(id(), "h1c1l1");
    EXPECT_TRUE(visible(window.editid));
    // The splash closes before the check.
    EXPECT_FALSE(splash_shown());
}

struct MaskCase {
    const char* name;
    const char* head;
    const char* chest;
    const char* legs;
    const char* message;
};

class TypedIdMask : public Generator, public ::testing::WithParamInterface<MaskCase> {};

TEST_P(TypedIdMask, NamesTheFaultyParts) {
    Vrendis2001& window = w();
    window.editid->setVisible(true);
    typed(GetParam().head, GetParam().chest, GetParam().legs);
    generate_figure(window, TYPED_ID);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, QString::fromUtf8(GetParam().message));
    EXPECT_EQ(dialogs.boxes[0].title, fel_id_title);
    EXPECT_EQ(dialogs.boxes[0].icon, MessageIcon::Error);
    EXPECT_EQ(id(), "h1c1l1");
    EXPECT_TRUE(visible(window.editid));
}

// Counts: 4 heads, 3 chests, 5 legs. Not a number, 0 and too high all count as faulty.
INSTANTIATE_TEST_SUITE_P(
    Masks, TypedIdMask,
    ::testing::Values(
        MaskCase{"head", "5", "3", "5", "ID nummret för huvudet är för högt eller felaktigt."},
        MaskCase{"chest", "4", "4", "5", "ID nummret för bröstet är för högt eller felaktigt."},
        MaskCase{"legs", "4", "3", "0", "ID nummret för benet är för högt eller felaktigt."},
        MaskCase{"head_and_chest", "x", "9", "1",
                 "ID nummret för huvudet och bröstet är för högt eller felaktigt."},
        MaskCase{"head_and_legs", "99", "1", "6",
                 "ID nummret för huvudet och benet är för högt eller felaktigt."},
        MaskCase{"chest_and_legs", "1", "0", "00",
                 "ID nummret för bröstet och benet är för högt eller felaktigt."},
        MaskCase{"all_three", "5", "4", "6",
                 "ID nummret för bröstet, benet och huvudet är för högt eller felaktigt."},
        MaskCase{"head_not_whole", "2.5", "3", "5",
                 "ID nummret för huvudet är för högt eller felaktigt."},
        MaskCase{"head_negative", "-1", "3", "5",
                 "ID nummret för huvudet är för högt eller felaktigt."}),
    [](const ::testing::TestParamInfo<MaskCase>& info) { return std::string(info.param.name); });

TEST_F(Generator, AValidTypedIdShowsThatFigureAndClosesThePanel) {
    Vrendis2001& window = w();
    window.editid->setVisible(true);
    window.bookmarks->setVisible(false);
    typed("4", "3", "5");  // each exactly its count
    const int draws = random.draws;
    generate_figure(window, TYPED_ID);
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(status(), "  Vrendis ID:  h4c3l5");
    EXPECT_TRUE(shows(window.image_head, 'h', 4));
    EXPECT_TRUE(shows(window.image_chest, 'c', 3));
    EXPECT_TRUE(shows(window.image_legs, 'l', 5));
    EXPECT_FALSE(visible(window.editid));
    EXPECT_TRUE(visible(window.bookmarks));
    EXPECT_EQ(random.draws, draws);
}

TEST_F(Generator, TypedNumbersCountByValue) {
    Vrendis2001& window = w();
    typed("004", "02", "5");
    generate_figure(window, TYPED_ID);
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(id(), "h4c2l5");
    EXPECT_TRUE(shows(window.image_head, 'h', 4));
}

TEST_F(Generator, ALockedPartsBoxIsCheckedButItsPartStays) {
    Vrendis2001& window = w();
    lock({window.bock1});
    typed("", "2", "2");
    generate_figure(window, TYPED_ID);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, fyll_i_title);

    typed("9", "2", "2");
    generate_figure(window, TYPED_ID);
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[1].title, fel_id_title);

    typed("3", "2", "2");
    generate_figure(window, TYPED_ID);
    EXPECT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(id(), "h1c2l2");
    EXPECT_TRUE(shows(window.image_head, 'h', 1));
}

TEST(Exceeds, CountsWhatCannotBeComparedAsTrue) {
    EXPECT_FALSE(exceeds("3", "3"));
    EXPECT_TRUE(exceeds("4", "3"));
    EXPECT_FALSE(exceeds("3", "3.9"));  // the count by its whole part
    EXPECT_TRUE(exceeds("4", "3.9"));
    EXPECT_TRUE(exceeds("", "3"));
    EXPECT_TRUE(exceeds("abc", "3"));
    EXPECT_TRUE(exceeds("1", ""));
    EXPECT_TRUE(exceeds("1", "many"));
    EXPECT_TRUE(exceeds("inf", "3"));
    EXPECT_FALSE(exceeds("0", "3"));
}

// ---------------------------------------------------------------------------------------------
// The full-screen window

TEST_F(Generator, FullScreenStepPaintsOnlyTheView) {
    Vrendis2001& window = w();
    Fullscreen& view = window.create_fullscreen();
    lock({window.bock3});
    const QString legs_before = view.image_legs->picture_path();
    window.StatusBar2->set_panel_text(1, "marker");
    random.script(draws_for({{3, heads}, {2, chests}}));
    generate_figure(window, FULLSCREEN_STEP);
    EXPECT_TRUE(shows(view.image_head, 'h', 3));
    EXPECT_TRUE(shows(view.image_chest, 'c', 2));
    EXPECT_EQ(view.image_legs->picture_path(), legs_before);
    EXPECT_EQ(id(), "h1c1l1");
    EXPECT_EQ(status(), "marker");
    EXPECT_TRUE(shows(window.image_head, 'h', 1));
}

TEST_F(Generator, FullScreenPartModesPaintExactlyOnePart) {
    Vrendis2001& window = w();
    Fullscreen& view = window.create_fullscreen();
    random.script(draws_for(4, heads));
    generate_figure(window, FULLSCREEN_HEAD);
    EXPECT_TRUE(shows(view.image_head, 'h', 4));
    random.script(draws_for(3, chests));
    generate_figure(window, FULLSCREEN_CHEST);
    EXPECT_TRUE(shows(view.image_chest, 'c', 3));
    random.script(draws_for(2, legs));
    generate_figure(window, FULLSCREEN_LEGS);
    EXPECT_TRUE(shows(view.image_legs, 'l', 2));
    EXPECT_TRUE(shows(view.image_head, 'h', 4));
    EXPECT_EQ(id(), "h1c1l1");

    lock({window.bock1});
    random.script(draws_for(2, heads));
    generate_figure(window, FULLSCREEN_HEAD);
    EXPECT_TRUE(shows(view.image_head, 'h', 4));
}

TEST_F(Generator, FullScreenModesWithoutTheViewDoNothing) {
    Vrendis2001& window = w();
    window.StatusBar2->set_panel_text(1, "marker");
    for (std::int16_t mode : {FULLSCREEN_STEP, FULLSCREEN_HEAD, FULLSCREEN_CHEST, FULLSCREEN_LEGS})
        generate_figure(window, mode);
    EXPECT_EQ(status(), "marker");
    EXPECT_EQ(id(), "h1c1l1");
    EXPECT_TRUE(window.fullscreen.isNull());
}

// ---------------------------------------------------------------------------------------------
// Bad files and a bad profile

TEST_F(Generator, APictureThatCannotBeLoadedKeepsItsPartAndId) {
    Vrendis2001& window = w();
    program.remove_picture('h', 2);
    program.write_broken_picture('c', 3);
    random.script(draws_for({{2, heads}, {3, chests}, {4, legs}}));
    generate_figure(window, NEW_FIGURE);
    EXPECT_TRUE(shows(window.image_head, 'h', 1));
    EXPECT_TRUE(shows(window.image_chest, 'c', 1));
    EXPECT_TRUE(shows(window.image_legs, 'l', 4));
    EXPECT_EQ(status(), "  Vrendis ID:  h1c1l4");
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(Generator, ATypedNumberWithoutAPictureKeepsItsPartAndId) {
    Vrendis2001& window = w();
    program.remove_picture('c', 2);
    typed("2", "2", "2");
    generate_figure(window, TYPED_ID);
    EXPECT_EQ(id(), "h2c1l2");
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(Generator, ADirectoryWithoutItsSeparatorsFindsNoPicture) {
    Vrendis2001& window = w();
    program.set_profile_value("Huvuden", "\\data\\huvuden");
    random.script(draws_for({{2, heads}, {2, chests}, {2, legs}}));
    generate_figure(window, NEW_FIGURE);
    EXPECT_EQ(id(), "h1c2l2");
}

TEST_F(Generator, WithoutAProfileOnlyTheStatusTextIsWrittenAgain) {
    Vrendis2001& window = w();
    program.remove_profile();
    window.StatusBar2->set_panel_text(1, "marker");
    generate_figure(window, NEW_FIGURE);
    EXPECT_EQ(status(), "  Vrendis ID:  h1c1l1");
    EXPECT_FALSE(splash_shown());

    typed("1", "1", "1");
    generate_figure(window, TYPED_ID);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, QString::fromUtf8("ID nummret för bröstet, benet och huvudet "
                                                       "är för högt eller felaktigt."));
}

// Every key a figure needs comes from one look at the profile, whatever the mode; an edit still
// shows at the next figure.
TEST_F(Generator, LooksAtTheProfileOncePerFigure) {
    Vrendis2001& window = w();
    long before = settings::profile_file_looks();
    settings::read_program_profile(settings::ProgramKey::head_count);
    const long one_key = settings::profile_file_looks() - before;
    ASSERT_GT(one_key, 0);
    typed("2", "3", "4");
    for (const std::int16_t mode : {NEW_FIGURE, NEW_LEGS, TYPED_ID}) {
        before = settings::profile_file_looks();
        generate_figure(window, mode);
        EXPECT_EQ(settings::profile_file_looks() - before, one_key) << "mode " << mode;
    }
    EXPECT_EQ(id(), "h2c3l4");
    program.set_profile_value("Antal_Ben", "x");
    generate_figure(window, NEW_LEGS);
    EXPECT_EQ(id(), "h2c3l4") << "a count that is none leaves the legs";
}

TEST_F(Generator, ACountThatIsNoWholeNumberLeavesOnlyThatPart) {
    for (const char* count : {"", "zero", "0", "-3", "2.5", "40000"}) {
        SCOPED_TRACE(count);
        program.set_profile_value("Antal_Broest", count);
        Vrendis2001& window = w();
        window.Text3->setText("c1");
        random.script(draws_for({{3, heads}, {3, legs}}));
        generate_figure(window, NEW_FIGURE);
        EXPECT_EQ(id(), "h3c1l3");
        random.script({});
        generate_figure(window, FULLSCREEN_STEP);  // no view: nothing, and no crash
    }
}

// ---------------------------------------------------------------------------------------------
// The callers of this module

TEST_F(Generator, TheNewFigureControlsAndThePartPicturesCallIt) {
    Vrendis2001& window = w();
    show_window();
    int expected_head = 1;
    for (layouts::Control* control : std::initializer_list<layouts::Control*>{
             window.Label5, window.Image14, window.Image5, window.Image18}) {
        SCOPED_TRACE(control->objectName().toStdString());
        expected_head = expected_head % heads + 1;
        random.script(draws_for({{expected_head, heads}, {2, chests}, {3, legs}}));
        QTest::mouseClick(control, Qt::LeftButton);
        EXPECT_EQ(id(), QString("h%1c2l3").arg(expected_head));
    }
    random.script(draws_for(1, heads));
    QTest::mouseClick(window.image_head, Qt::LeftButton);
    random.script(draws_for(3, chests));
    QTest::mouseClick(window.image_chest, Qt::LeftButton);
    random.script(draws_for(5, legs));
    QTest::mouseClick(window.image_legs, Qt::LeftButton);
    EXPECT_EQ(id(), "h1c3l5");
    // Other buttons do not click.
    random.script(draws_for(2, legs));
    QTest::mouseClick(window.image_legs, Qt::RightButton);
    EXPECT_EQ(id(), "h1c3l5");
}
