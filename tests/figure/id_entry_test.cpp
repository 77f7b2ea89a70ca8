#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTest>

#include "figure/digit_filter.h"
#include "support/program_fixture.h"

using layouts::visible;

namespace {

class IdEntry : public testing_support::WindowTest {
protected:
    void SetUp() override { show_window(); }

    void click(QWidget* control, QPoint at = {}) {
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, at);
    }
    std::vector<int> figure_lefts() {
        Vrendis2001& w = window();
        return {w.image_head->left(), w.image_chest->left(), w.image_legs->left()};
    }
    // A point of the panel's own background, between the boxes and the hint.
    static QPoint panel_background() { return {200, 47}; }
};

}  // namespace

TEST(DigitFilter, PassesDigitsAndBackspaceAndBeepsForTheRest) {
    testing_support::CapturedDialogs dialogs;
    for (int code : std::initializer_list<int>{8, '0', '5', '9'}) {
        int key = code;
        figure::accept_digit_key(key);
        EXPECT_EQ(key, code);
    }
    EXPECT_EQ(dialogs.beeps, 0);
    for (int code : std::initializer_list<int>{'a', '-', ' ', 13, 27, 3, 22, '/', ':', 0xE5}) {
        int key = code;
        figure::accept_digit_key(key);
        EXPECT_EQ(key, 0) << code;
    }
    EXPECT_EQ(dialogs.beeps, 10);
}

TEST_F(IdEntry, OpensFromTheMenuAndTheStatusBarClosingTheOtherPanels) {
    Vrendis2001& w = window();
    w.about_scroller->setVisible(true);
    w.about_scroller->set_top(-3000);
    w.aboutscroller->set_enabled(true);
    w.vrendis_splash->setVisible(true);
    w.mnuenterid->trigger();
    EXPECT_TRUE(visible(w.editid));
    EXPECT_FALSE(visible(w.bookmarks));
    EXPECT_FALSE(visible(w.bokmark_foldin));
    EXPECT_FALSE(visible(w.about_scroller));
    EXPECT_EQ(w.about_scroller->top(), -60);
    EXPECT_FALSE(w.aboutscroller->enabled());
    EXPECT_FALSE(visible(w.vrendis_splash));
    EXPECT_EQ(w.bookmarks->picture_path(), program.artwork_path("bokmarken.jpg"));

    click(w.editid, panel_background());
    EXPECT_FALSE(visible(w.editid));
    EXPECT_TRUE(visible(w.bookmarks));
    click(w.StatusBar2);
    EXPECT_TRUE(visible(w.editid));
}

TEST_F(IdEntry, OpeningMovesTheFigureBackFromAnOpenBookmarkPanelOnce) {
    Vrendis2001& w = window();
    const auto closed = figure_lefts();
    click(w.bookmarks);
    ASSERT_EQ(figure_lefts(), (std::vector<int>{675 + 1250, 675 + 1250, 675 + 1250}));
    w.mnuenterid->trigger();
    EXPECT_EQ(figure_lefts(), closed);
    EXPECT_FALSE(visible(w.bokmark_foldin));
    EXPECT_FALSE(visible(w.bookmarks));
    w.mnuenterid->trigger();
    EXPECT_EQ(figure_lefts(), closed);
}

TEST_F(IdEntry, OtherBackgroundsHideThePanelAndLeaveTheTabHidden) {
    Vrendis2001& w = window();
    for (QWidget* background : std::initializer_list<QWidget*>{w.Picture4, w.Picture1, w.Frame2}) {
        w.mnuenterid->trigger();
        click(background, QPoint(background->width() - 20, background->height() - 40));
        EXPECT_FALSE(visible(w.editid)) << background->objectName().toStdString();
        EXPECT_FALSE(visible(w.bookmarks));
    }
}

TEST_F(IdEntry, BoxesOfLockedPartsAreDisabledOnOpeningOnly) {
    Vrendis2001& w = window();
    w.mnuhuvud->trigger();
    EXPECT_TRUE(w.Text5->isEnabled());
    w.mnuenterid->trigger();
    EXPECT_FALSE(w.Text5->isEnabled());
    EXPECT_TRUE(w.Text6->isEnabled());
    EXPECT_TRUE(w.Text7->isEnabled());
    // The menu unlocks without touching the box; the label's unlock enables it.
    w.mnuhuvud->trigger();
    EXPECT_FALSE(w.Text5->isEnabled());
    click(w.Label4);
    click(w.Label4);
    EXPECT_TRUE(w.Text5->isEnabled());
}

TEST_F(IdEntry, BoxesTakeDigitsAndBackspaceAndBeepForEverythingElse) {
    Vrendis2001& w = window();
    w.mnuenterid->trigger();
    QApplication::clipboard()->setText("99");
    w.Text5->setFocus();
    w.Text5->selectAll();
    QTest::keyClicks(w.Text5, "1a2- 3");
    EXPECT_EQ(w.Text5->text(), "123");
    EXPECT_EQ(dialogs.beeps, 3);
    QTest::keyClick(w.Text5, Qt::Key_Return);
    QTest::keyClick(w.Text5, Qt::Key_Escape);
    QTest::keyClick(w.Text5, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.Text5->text(), "123");
    EXPECT_EQ(dialogs.beeps, 6);
    // Keys without a character edit as usual, silently.
    QTest::keyClick(w.Text5, Qt::Key_Left);
    QTest::keyClick(w.Text5, Qt::Key_Backspace);
    EXPECT_EQ(w.Text5->text(), "13");
    QTest::keyClicks(w.Text7, "000123");
    EXPECT_EQ(w.Text7->text(), "6000123");
    EXPECT_EQ(dialogs.beeps, 6);
}

// The events the platform sends: under X11 Delete carries the text U+007F, and a dead key
// followed by a letter arrives as input method text.
TEST_F(IdEntry, EveryNumberBoxEditsWithDeleteAndRefusesInputMethodText) {
    Vrendis2001& w = window();
    w.mnuenterid->trigger();
    auto press = [](QWidget* box, int key, const QString& text) {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(box, &down);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(box, &up);
    };
    auto input_method = [](QWidget* box, const QString& commit) {
        QInputMethodEvent event;
        event.setCommitString(commit);
        QApplication::sendEvent(box, &event);
    };
    for (layouts::TextBox* box : {w.Text1, w.Text5, w.Text6, w.Text7}) {
        SCOPED_TRACE(box->objectName().toStdString());
        const int beeps = dialogs.beeps;
        box->setText("1234");
        box->setCursorPosition(1);
        press(box, Qt::Key_Delete, "\x7f");
        EXPECT_EQ(box->text(), "134");
        press(box, Qt::Key_Home, "");
        press(box, Qt::Key_Delete, "\x7f");
        EXPECT_EQ(box->text(), "34");
        EXPECT_EQ(dialogs.beeps, beeps);
        press(box, Qt::Key_End, "");
        input_method(box, QString::fromUtf8("ä"));
        input_method(box, QString::fromUtf8("a1"));
        EXPECT_EQ(box->text(), "341");
        EXPECT_EQ(dialogs.beeps, beeps + 2);
        press(box, Qt::Key_Return, "\r");
        press(box, Qt::Key_Escape, "\x1b");
        EXPECT_EQ(dialogs.beeps, beeps + 4);
        EXPECT_EQ(box->text(), "341");
    }
}

TEST_F(IdEntry, TheShowButtonShowsTheTypedFigure) {
    Vrendis2001& w = window();
    w.mnuenterid->trigger();
    w.Text5->setText("");
    click(w.Image13);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "Vrendomaten - Fyll i ett ID");
    EXPECT_TRUE(visible(w.editid));

    w.Text5->setText("2");
    w.Text6->setText("3");
    w.Text7->setText("4");
    w.Slideshow_Clock->set_enabled(true);
    click(w.Image13);
    EXPECT_TRUE(visible(w.editid));
    EXPECT_EQ(w.StatusBar2->panel_text(1), "  Vrendis ID:  h1c1l1");
    w.Slideshow_Clock->set_enabled(false);

    click(w.Image13);
    EXPECT_FALSE(visible(w.editid));
    EXPECT_TRUE(visible(w.bookmarks));
    EXPECT_EQ(w.StatusBar2->panel_text(1), "  Vrendis ID:  h2c3l4");
    EXPECT_TRUE(shows(w.image_legs, 'l', 4));
    EXPECT_EQ(dialogs.boxes.size(), 1u);
}
