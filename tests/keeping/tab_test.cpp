// The window without a mouse: Tab and Shift+Tab walk the commands and fields in order, passing
// over whatever is hidden or disabled, with the focus mark around each command reached; Space and
// Return press the marked command only; a click hands the focus back to Command4; Escape closes
// the topmost panel.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "layouts/focus_mark.h"
#include "support/program_fixture.h"
#include "window/verbs.h"

using layouts::visible;
using testing_support::draws_for;
using testing_support::WindowTest;

namespace {

using testing_support::chests;
using testing_support::heads;
using testing_support::legs;

struct TabCase {
    const char* name;
    // Whether the window starts with the splash rather than a figure.
    bool splash;
    // What stands open before the walk.
    void (*open)(Vrendis2001& window);
    // Every stop after Command4, by name, until Tab comes back to Command4.
    std::vector<const char*> stops;
};

void nothing(Vrendis2001&) {}

class Keyboard : public WindowTest {
protected:
    void SetUp() override { show_window(); }

    QWidget* focus() { return QApplication::focusWidget(); }
    QString focus_name() { return focus() ? focus()->objectName() : QStringLiteral("(none)"); }
    // A key as the user types it: to the control with the focus.
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(focus() ? focus() : &window(), key, modifiers);
    }
    // Tabs from where the focus is until `control` has it; false when it never comes.
    bool tab_to(QWidget* control) {
        for (int stop = 0; stop < 40 && focus() != control; ++stop) key(Qt::Key_Tab);
        return focus() == control;
    }
    const layouts::FocusMark* mark() { return window().findChild<layouts::FocusMark*>(); }
    // Whether the mark shows around the whole of `control`.
    bool marks(const QWidget* control) {
        const QRect in_window(control->mapTo(&window(), QPoint()), control->size());
        return mark()->marked() == control && mark()->isVisible() &&
               mark()->geometry().contains(in_window) &&
               !mark()->geometry().adjusted(3, 3, -3, -3).contains(in_window);
    }
};

class TabOrder : public Keyboard, public ::testing::WithParamInterface<TabCase> {
protected:
    void SetUp() override {
        if (GetParam().splash)
            program.set_profile_value("Visa_splash", "1");
        Keyboard::SetUp();
    }
};

const std::vector<const char*> caption_and_bar = {"Label3", "Label1", "Image9", "Label5"};
const std::vector<const char*> figure_and_locks = {"image_head", "image_chest", "image_legs",
                                                   "Label4",     "Label7",      "Label8"};
const std::vector<const char*> left_panel = {"Image18", "Image19", "Image20", "Image8"};

std::vector<const char*> join(std::initializer_list<std::vector<const char*>> parts) {
    std::vector<const char*> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

TabCase tab_cases[] = {
    {"Figure", false, nothing,
     join({caption_and_bar, {"bookmarks"}, figure_and_locks, left_panel, {"Text1", "Slider1"}})},
    {"Splash", true, nothing,
     join({caption_and_bar,
           {"Check1", "Label35"},
           figure_and_locks,
           left_panel,
           {"Text1", "Slider1"}})},
    {"BookmarkPanel", false, [](Vrendis2001& w) { w.bookmarks->left_click(); },
     join({caption_and_bar,
           {"Image22", "bokmarken_list"},
           figure_and_locks,
           left_panel,
           {"Text1", "Slider1"}})},
    {"IdPanel", false, [](Vrendis2001& w) { w.mnuenterid->trigger(); },
     join({caption_and_bar,
           figure_and_locks,
           left_panel,
           {"Text1", "Slider1", "Text5", "Text6", "Text7", "Image13"}})},
    // A locked part's box and the slideshow's interval take no typing, and no focus.
    {"IdPanelHeadLockedSlideshow", false,
     [](Vrendis2001& w) {
         w.Label4->left_click();
         w.mnuenterid->trigger();
         w.Image19->left_click();
     },
     join({caption_and_bar, figure_and_locks, left_panel, {"Text6", "Text7", "Image13"}})},
};

}  // namespace

TEST_P(TabOrder, TabAndShiftTabWalkTheShownControls) {
    Vrendis2001& w = window();
    ASSERT_EQ(focus(), w.Command4);
    GetParam().open(w);
    ASSERT_EQ(focus(), w.Command4);
    EXPECT_FALSE(mark()->isVisible());

    std::vector<const char*> walk = GetParam().stops;
    walk.push_back("Command4");
    for (const char* stop : walk) {
        key(Qt::Key_Tab);
        ASSERT_EQ(focus_name(), stop);
        auto* control = qobject_cast<layouts::Control*>(focus());
        EXPECT_TRUE(control ? marks(control) : !mark()->isVisible()) << stop;
    }
    walk.pop_back();
    for (auto stop = walk.rbegin(); stop != walk.rend(); ++stop) {
        key(Qt::Key_Tab, Qt::ShiftModifier);
        ASSERT_EQ(focus_name(), *stop);
    }
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focus(), w.Command4);
    EXPECT_FALSE(mark()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Keyboard, TabOrder, ::testing::ValuesIn(tab_cases),
                         [](const auto& info) { return std::string(info.param.name); });

// Space and Return press the marked command as a click does, and nothing else: Space draws no
// figure besides. The window's keys keep their meaning while no command is marked.
TEST_F(Keyboard, SpaceAndReturnPressTheMarkedCommandOnly) {
    Vrendis2001& w = window();
    ASSERT_EQ(main_window::shown_id(w), "h1c1l1");
    key(Qt::Key_Return);
    EXPECT_EQ(main_window::shown_id(w), "h1c1l1");

    ASSERT_TRUE(tab_to(w.Label4));
    key(Qt::Key_Space);
    EXPECT_TRUE(visible(w.bock1));
    EXPECT_EQ(main_window::shown_id(w), "h1c1l1");
    random.script(draws_for({{3, chests}, {4, legs}}));
    ASSERT_TRUE(tab_to(w.Label5));
    key(Qt::Key_Return);
    EXPECT_EQ(main_window::shown_id(w), "h1c3l4");
    EXPECT_EQ(focus(), w.Label5);

    // The arrow's menu opens at the arrow, where a click would open it.
    ASSERT_TRUE(tab_to(w.Image9));
    key(Qt::Key_Space);
    ASSERT_TRUE(w.mnuid->isVisible());
    EXPECT_LE((w.mnuid->pos() - w.Image9->mapToGlobal(w.Image9->rect().center())).manhattanLength(),
              3);
    w.mnuid->close();

    // The tab pressed goes, and the focus with it: keys never reach a hidden control.
    ASSERT_TRUE(tab_to(w.bookmarks));
    key(Qt::Key_Space);
    EXPECT_TRUE(visible(w.bokmark_foldin));
    ASSERT_NE(focus(), nullptr);
    EXPECT_TRUE(focus()->isVisible());
    EXPECT_NE(focus(), w.bookmarks);
}

// A click, on a command or anywhere else, takes the focus and its mark away; Space then draws a
// figure again.
TEST_F(Keyboard, AClickHandsTheFocusBackToCommand4) {
    Vrendis2001& w = window();
    for (QWidget* clicked : std::initializer_list<QWidget*>{w.Label7, w.Label4, w.Picture4}) {
        ASSERT_TRUE(tab_to(w.Label4));
        QTest::mouseClick(clicked, Qt::LeftButton);
        EXPECT_EQ(focus(), w.Command4) << clicked->objectName().toStdString();
        EXPECT_FALSE(mark()->isVisible());
    }
    // The clicks locked the chest and the head.
    EXPECT_TRUE(visible(w.bock2));
    EXPECT_TRUE(visible(w.bock1));
    random.script(draws_for(3, legs));
    key(Qt::Key_Space);
    EXPECT_EQ(main_window::shown_id(w), "h1c1l3");
}

// Escape closes one thing at a time, the topmost first: the scrolling about panel, then the
// bookmark panel under it, from its list; the ID panel as a click on its background does. In a
// number box it is a character like any other, which the box refuses with a beep.
TEST_F(Keyboard, EscapeClosesTheTopmostPanel) {
    Vrendis2001& w = window();
    w.bookmarks->left_click();
    w.mnuabout->trigger();
    ASSERT_TRUE(w.aboutscroller->enabled());
    ASSERT_TRUE(tab_to(w.bokmarken_list));
    key(Qt::Key_Escape);
    EXPECT_FALSE(w.aboutscroller->enabled());
    EXPECT_FALSE(visible(w.about_scroller));
    EXPECT_TRUE(visible(w.bokmark_foldin));
    key(Qt::Key_Escape);
    EXPECT_FALSE(visible(w.bokmark_foldin));
    EXPECT_TRUE(visible(w.bookmarks));
    key(Qt::Key_Escape);
    EXPECT_TRUE(visible(w.bookmarks));

    w.mnuenterid->trigger();
    ASSERT_TRUE(tab_to(w.Text5));
    key(Qt::Key_Escape);
    EXPECT_TRUE(visible(w.editid));
    EXPECT_EQ(dialogs.beeps, 1);
    ASSERT_TRUE(tab_to(w.Image13));
    key(Qt::Key_Escape);
    EXPECT_FALSE(visible(w.editid));
    EXPECT_TRUE(visible(w.bookmarks));
    // The focus left the hidden panel.
    EXPECT_TRUE(focus()->isVisible());
}
