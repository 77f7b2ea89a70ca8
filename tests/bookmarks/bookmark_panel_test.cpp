#include "bookmarks/bookmark_panel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <filesystem>

#include "bookmarks/bookmark_list.h"
#include "bookmarks/bookmark_preview.h"
#include "catalogue/catalogue.h"
#include "catalogue/picture_cache.h"
#include "settings/bookmark_store.h"
#include "support/program_fixture.h"
#include "window/verbs.h"

using layouts::visible;

namespace {

class BookmarkPanel : public testing_support::WindowTest {
protected:
    void SetUp() override {
        QFile out(program.file("\\bookmark.dat"));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(
            "[Bookmarks]\r\nCounter=4\r\nbookmark_1=h2c3l4\r\nbookmark_2=h4c1l5\r\n"
            "bookmark_3=h9c2l3\r\nbookmark_4=h5c9l2\r\n");
        out.close();
        bookmarks::restore_bookmark_list(window());
        show_window();
    }

    void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }
    void click_row(int row, Qt::MouseButton button = Qt::LeftButton) {
        layouts::ListBox* list = window().bokmarken_list;
        QTest::mouseClick(list->viewport(), button, Qt::NoModifier, list->row_rect(row).center());
    }
    std::vector<int> figure_lefts() {
        Vrendis2001& w = window();
        return {w.image_head->left(), w.image_chest->left(), w.image_legs->left()};
    }
    QString status() { return window().StatusBar2->panel_text(1); }
    QString tab() { return window().bookmarks->picture_path(); }
    QString strip() { return window().Image22->picture_path(); }
};

}  // namespace

TEST(ScanId, SplitsTheRowTextAtItsLetters) {
    const std::vector<std::pair<QString, std::vector<QString>>> cases = {
        {"h12c3l7", {"12", "3", "7"}},   {"h6c6l6", {"6", "6", "6"}},
        {"h12", {"12", "", ""}},         {"", {"", "", ""}},
        {"h1c2", {"1", "2", ""}},        {"hh3c4l5", {"3", "4", "5"}},
        {"h1x2c3l4", {"1x2", "3", "4"}}, {"H1c2l3", {"H1", "2", "3"}},
    };
    for (const auto& [text, parts] : cases) {
        const bookmarks::IdDigits digits = bookmarks::scan_id(text);
        EXPECT_EQ((std::vector<QString>{digits.head, digits.chest, digits.legs}), parts)
            << text.toStdString();
    }
}

TEST_F(BookmarkPanel, TabAndStripOpenAndCloseBesideTheFigure) {
    Vrendis2001& w = window();
    const auto closed = figure_lefts();
    click(w.bookmarks);
    EXPECT_TRUE(visible(w.bokmark_foldin));
    EXPECT_FALSE(visible(w.bookmarks));
    EXPECT_EQ(figure_lefts(),
              (std::vector<int>{closed[0] + 1250, closed[1] + 1250, closed[2] + 1250}));
    click(w.Image22);
    EXPECT_FALSE(visible(w.bokmark_foldin));
    EXPECT_TRUE(visible(w.bookmarks));
    EXPECT_EQ(figure_lefts(), closed);
    EXPECT_EQ(tab(), program.artwork_path("bokmarken.jpg"));
}

TEST_F(BookmarkPanel, TheMenuEntryTogglesAndClosesTheIdPanel) {
    Vrendis2001& w = window();
    const auto closed = figure_lefts();
    w.mnuenterid->trigger();
    w.mnuopen2->trigger();
    EXPECT_FALSE(visible(w.editid));
    EXPECT_TRUE(visible(w.bokmark_foldin));
    EXPECT_FALSE(visible(w.bookmarks));
    EXPECT_EQ(figure_lefts()[0], closed[0] + 1250);
    w.mnuopen2->trigger();
    EXPECT_FALSE(visible(w.bokmark_foldin));
    EXPECT_TRUE(visible(w.bookmarks));
    EXPECT_EQ(figure_lefts(), closed);
}

TEST_F(BookmarkPanel, ARowClickShowsItsFigure) {
    Vrendis2001& w = window();
    w.mnuopen2->trigger();
    w.vrendis_splash->setVisible(true);
    click_row(0);
    EXPECT_TRUE(shows(w.image_head, 'h', 2));
    EXPECT_TRUE(shows(w.image_chest, 'c', 3));
    EXPECT_TRUE(shows(w.image_legs, 'l', 4));
    EXPECT_EQ(status(), "  Vrendis ID:  h2c3l4");
    EXPECT_FALSE(visible(w.vrendis_splash));
    EXPECT_TRUE(visible(w.bokmark_foldin));
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(BookmarkPanel, LockedPartsStayAndABookmarkThatCannotBeShownBeeps) {
    Vrendis2001& w = window();
    w.mnuopen2->trigger();
    click_row(0);
    // Chest locked: h4c1l5 shows head 4 and legs 5 only.
    w.bock2->setVisible(true);
    click_row(1);
    EXPECT_EQ(status(), "  Vrendis ID:  h4c3l5");
    EXPECT_TRUE(shows(w.image_chest, 'c', 3));
    EXPECT_EQ(dialogs.beeps, 0);
    // Head 9, head 5 and chest 9 are beyond the catalogue: nothing changes, one beep a row.
    w.bock2->setVisible(false);
    click_row(2);
    click_row(3);
    EXPECT_EQ(status(), "  Vrendis ID:  h4c3l5");
    EXPECT_EQ(w.Text2->text() + w.Text3->text() + w.Text4->text(), "h4c3l5");
    EXPECT_TRUE(shows(w.image_head, 'h', 4));
    EXPECT_TRUE(shows(w.image_legs, 'l', 5));
    EXPECT_EQ(dialogs.beeps, 2);
    // With the missing parts locked, the rest shows.
    w.bock1->setVisible(true);
    w.bock2->setVisible(true);
    click_row(3);
    EXPECT_EQ(status(), "  Vrendis ID:  h4c3l2");
    EXPECT_EQ(dialogs.beeps, 2);
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(BookmarkPanel, TheTabAndStripLightUpUnderThePointer) {
    Vrendis2001& w = window();
    testing_support::move_pointer(w.bookmarks);
    EXPECT_EQ(tab(), program.artwork_path("bokmarken_on.jpg"));
    testing_support::move_pointer(w.Frame1, QPoint(400, 530));
    EXPECT_EQ(tab(), program.artwork_path("bokmarken.jpg"));
    w.mnuopen2->trigger();
    testing_support::move_pointer(w.Image22);
    EXPECT_EQ(strip(), program.artwork_path("bokmarken_in_on.jpg"));
    testing_support::move_pointer(w.bokmarken_list->viewport());
    EXPECT_EQ(strip(), program.artwork_path("bokmarken_in.jpg"));
    testing_support::move_pointer(w.Image22);
    testing_support::move_pointer(w.Picture4,
                                  QPoint(w.Picture4->width() - 5, w.Picture4->height() - 5));
    EXPECT_EQ(strip(), program.artwork_path("bokmarken_in.jpg"));
}

// The pointer resting on a row shows its whole figure, locks or not, in a tool tip beside the
// row; moving loads nothing. Leaving the row or the list, or a scroll, takes the preview away; a
// row whose pictures do not all load shows none.
TEST_F(BookmarkPanel, ARowRestedOnPreviewsItsFigure) {
    Vrendis2001& w = window();
    // The first row's parts fill their bands, one colour each.
    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    const std::pair<char, int> first_row[] = {{'h', 2}, {'c', 3}, {'l', 4}};
    for (catalogue::Part part : catalogue::parts) {
        const std::size_t p = catalogue::index(part);
        QImage picture(catalogue::figure_width, catalogue::band_height[p], QImage::Format_RGB32);
        picture.fill(colours[p]);
        ASSERT_TRUE(
            picture.save(program.picture_path(first_row[p].first, first_row[p].second), "BMP"));
    }
    w.mnuopen2->trigger();
    w.bock1->setVisible(true);
    layouts::ListBox* list = w.bokmarken_list;
    QWidget* rows = list->viewport();
    bookmarks::BookmarkPreview& preview = *bookmarks::BookmarkPreview::of(w);
    const auto over = [&](int row) {
        testing_support::move_pointer(rows, list->row_rect(row).center());
    };
    const auto rest = [&] {
        ASSERT_TRUE(preview.rest_timer().isActive());
        EXPECT_EQ(preview.rest_timer().interval(), 300);
        preview.rest_timer().stop();
        QMetaObject::invokeMethod(&preview.rest_timer(), "timeout");
    };

    over(1);
    const long decodes = catalogue::picture_cache().decodes();
    over(0);
    EXPECT_EQ(catalogue::picture_cache().decodes(), decodes);
    EXPECT_EQ(preview.shown(), nullptr);
    // Wherever the window stands, the preview is on the screen and off the row.
    const QRect screen = w.screen()->availableGeometry();
    for (int top : {screen.top(), screen.bottom() - 100}) {
        w.move(w.x(), top);
        over(0);
        rest();
        QLabel* tip = preview.shown();
        ASSERT_NE(tip, nullptr);
        EXPECT_EQ(tip->windowType(), Qt::ToolTip);
        EXPECT_EQ(catalogue::picture_cache().decodes(), decodes + 3);
        const QImage shown = tip->grab().toImage();
        ASSERT_EQ(shown.size(), QSize(143, 203));
        for (int x : {0, 71, 142}) {
            EXPECT_EQ(shown.pixel(x, 20), colours[0]);
            EXPECT_EQ(shown.pixel(x, 75), colours[1]);
            EXPECT_EQ(shown.pixel(x, 150), colours[2]);
        }
        const QRect row = list->row_rect(0);
        EXPECT_FALSE(tip->geometry().intersects(
            QRect(rows->mapToGlobal(QPoint(0, row.top())), QSize(rows->width(), row.height()))));
        EXPECT_TRUE(screen.contains(tip->geometry()));
        over(1);
        EXPECT_EQ(preview.shown(), nullptr);
    }
    rest();
    EXPECT_NE(preview.shown(), nullptr);
    testing_support::move_pointer(w.Picture4, QPoint(300, 300));
    EXPECT_EQ(preview.shown(), nullptr);
    EXPECT_FALSE(preview.rest_timer().isActive());
    // Head 9 is beyond the catalogue.
    over(2);
    rest();
    EXPECT_EQ(preview.shown(), nullptr);
    for (int i = 0; i < 100; ++i) list->add_item("h1c1l1");
    over(0);
    rest();
    ASSERT_NE(preview.shown(), nullptr);
    list->verticalScrollBar()->setValue(3);
    EXPECT_EQ(preview.shown(), nullptr);
    EXPECT_EQ(dialogs.beeps, 0);
}

TEST_F(BookmarkPanel, ARightClickPopsUpTheBookmarkMenu) {
    Vrendis2001& w = window();
    w.mnuopen2->trigger();
    const QString before = status();
    click_row(1, Qt::RightButton);
    EXPECT_TRUE(w.mnubookmarks->isVisible());
    EXPECT_TRUE(w.mnubookmark_delete->isEnabled());
    // A right press neither selects nor shows a row.
    EXPECT_EQ(status(), before);
    EXPECT_EQ(w.bokmarken_list->selected_row(), -1);
    w.mnubookmarks->hide();
    // "Radera bokmärke" deletes the row pressed.
    w.mnubookmark_delete->trigger();
    ASSERT_EQ(w.bokmarken_list->count(), 3);
    EXPECT_EQ(w.bokmarken_list->text(1), "h9c2l3");
}

TEST_F(BookmarkPanel, TheMenuOverEmptySpaceDeletesNothing) {
    Vrendis2001& w = window();
    w.mnuopen2->trigger();
    click_row(1);
    layouts::ListBox* list = w.bokmarken_list;
    QTest::mouseClick(list->viewport(), Qt::RightButton, Qt::NoModifier,
                      QPoint(20, list->viewport()->height() - 20));
    EXPECT_TRUE(w.mnubookmarks->isVisible());
    EXPECT_FALSE(w.mnubookmark_delete->isEnabled());
    // Whatever the menu offers.
    for (QAction* entry : w.mnubookmarks->actions())
        if (entry->isVisible() && entry->isEnabled())
            entry->trigger();
    w.mnubookmark_delete->trigger();
    w.mnubookmarks->hide();
    EXPECT_EQ(list->count(), 4);
    QFile file(program.file("\\bookmark.dat"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray contents = file.readAll();
    for (const char* id : {"h2c3l4", "h4c1l5", "h9c2l3", "h5c9l2"})
        EXPECT_TRUE(contents.contains(id)) << id;
}

// A row's part text names a picture only as one to five decimal digits, taken as they stand.
// Any other text loads nothing, not even the file it would reach as a path (planted here), and
// the row only beeps.
class MalformedRow : public testing_support::WindowTest,
                     public testing::WithParamInterface<const char*> {};

TEST_P(MalformedRow, LoadsNoPictureAndBeeps) {
    const QString row = QString::fromUtf8(GetParam());
    const bookmarks::IdDigits digits = bookmarks::scan_id(row);
    const QString texts[] = {digits.head, digits.chest, digits.legs};
    for (catalogue::Part part : catalogue::parts) {
        const QString path = catalogue::picture_path(
            settings::read_program_profile(catalogue::directory_key(part)),
            QLatin1String(catalogue::letter(part)) + texts[catalogue::index(part)]);
        std::error_code ignored;
        std::filesystem::create_directories(QFileInfo(path).path().toStdString(), ignored);
        QFile::copy(program.picture_path(catalogue::letter(part)[0], 1), path);
        ASSERT_FALSE(catalogue::load_part(path).isNull()) << path.toStdString();
    }
    QFile out(program.file("\\bookmark.dat"));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("[Bookmarks]\r\nCounter=1\r\nbookmark_1=" + row.toUtf8() + "\r\n");
    out.close();
    Vrendis2001& w = window();
    show_window();
    w.mnuopen2->trigger();
    const QString before = w.StatusBar2->panel_text(1);
    layouts::ListBox* list = w.bokmarken_list;
    ASSERT_EQ(list->text(0), row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->row_rect(0).center());
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_EQ(w.StatusBar2->panel_text(1), before);
    EXPECT_EQ(w.Text2->text() + w.Text3->text() + w.Text4->text(), "h1c1l1");
    EXPECT_TRUE(shows(w.image_head, 'h', 1));
    EXPECT_TRUE(shows(w.image_chest, 'c', 1));
    EXPECT_TRUE(shows(w.image_legs, 'l', 1));
}

INSTANTIATE_TEST_SUITE_P(BookmarkPanel, MalformedRow,
                         testing::Values("h../../xc1l1", "h1x2c1l1", "h123456c1l1", "h+1c1l1",
                                         "h 1c1l1", "h1c1 l1", "h1c-1l1", "h1c1l", "h1c\\..\\2l1",
                                         "h1c1l\xD9\xA1", "h1c1.0l1"));

// The list's selection and the figure on show never part: every change of the selected row by
// the user shows that row's bookmark, and nothing else moves the selection.
struct SelectionCase {
    const char* name;
    // What the user does, from the panel open with no row selected and the focus elsewhere.
    std::vector<std::pair<const char*, int>> steps;
    int selected;  // the row selected after, -1 for none
    const char* shown;
    int rows;
    int beeps;
};

void PrintTo(const SelectionCase& test, std::ostream* out) {
    *out << test.name;
}

class ListSelection : public testing_support::WindowTest,
                      public testing::WithParamInterface<SelectionCase> {
protected:
    void SetUp() override {
        QFile out(program.file("\\bookmark.dat"));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(
            "[Bookmarks]\r\nCounter=4\r\nbookmark_1=h2c2l2\r\nbookmark_2=h3c3l3\r\n"
            "bookmark_3=h4c1l4\r\nbookmark_4=h1c2l3\r\n");
        out.close();
        show_window();
        window().mnuopen2->trigger();
    }
    QPoint row_point(int row) { return window().bokmarken_list->row_rect(row).center(); }
};

TEST_P(ListSelection, ShowsTheSelectedRowAndOnlyIt) {
    const SelectionCase& test = GetParam();
    Vrendis2001& w = window();
    layouts::ListBox* list = w.bokmarken_list;
    QWidget* rows = list->viewport();
    for (const auto& [step, value] : test.steps) {
        const std::string what = step;
        if (what == "click") {
            QTest::mouseClick(rows, Qt::LeftButton, Qt::NoModifier, row_point(value));
        } else if (what == "drag") {
            // Pressed on the row selected, released on row `value`.
            QTest::mousePress(rows, Qt::LeftButton, Qt::NoModifier,
                              row_point(list->selected_row()));
            QMouseEvent move(QEvent::MouseMove, row_point(value),
                             rows->mapToGlobal(row_point(value)), Qt::NoButton, Qt::LeftButton,
                             Qt::NoModifier);
            QApplication::sendEvent(rows, &move);
            QTest::mouseRelease(rows, Qt::LeftButton, Qt::NoModifier, row_point(value));
        } else if (what == "key") {
            QTest::keyClick(list, Qt::Key(value));
        } else if (what == "focus") {
            list->setFocus(Qt::TabFocusReason);
        } else if (what == "new figure") {
            w.Label5->clicked();
        }
    }
    EXPECT_EQ(list->selected_row(), test.selected);
    EXPECT_EQ(main_window::shown_id(w), test.shown);
    if (test.selected >= 0) {
        EXPECT_EQ(list->text(test.selected), test.shown);
    }
    EXPECT_EQ(list->count(), test.rows);
    EXPECT_EQ(std::size_t(test.rows), settings::read_bookmarks().size());
    EXPECT_EQ(dialogs.beeps, test.beeps);
}

const std::pair<const char*, int> focus{"focus", 0};
const std::pair<const char*, int> new_figure{"new figure", 0};
std::pair<const char*, int> click(int row) {
    return {"click", row};
}
std::pair<const char*, int> key(Qt::Key key) {
    return {"key", key};
}

const SelectionCase selection_cases[] = {
    {"Click", {click(1)}, 1, "h3c3l3", 4, 0},
    {"ClickAgain", {click(1), new_figure, click(1)}, 1, "h3c3l3", 4, 0},
    {"FocusShowsNothing", {focus}, -1, "h1c1l1", 4, 0},
    {"FocusThenDown", {focus, key(Qt::Key_Down)}, 0, "h2c2l2", 4, 0},
    {"Drag", {click(1), {"drag", 3}}, 3, "h1c2l3", 4, 0},
    {"Home", {click(2), key(Qt::Key_Home)}, 0, "h2c2l2", 4, 0},
    {"End", {click(1), key(Qt::Key_End)}, 3, "h1c2l3", 4, 0},
    {"PageDown", {click(1), key(Qt::Key_PageDown)}, 3, "h1c2l3", 4, 0},
    {"PageUp", {click(2), key(Qt::Key_PageUp)}, 0, "h2c2l2", 4, 0},
    {"NoTypeAhead", {click(1), key(Qt::Key_H), key(Qt::Key_X)}, 1, "h3c3l3", 4, 0},
    {"Delete", {click(1), key(Qt::Key_Delete)}, -1, "h3c3l3", 3, 0},
    {"DeleteTwice", {click(1), key(Qt::Key_Delete), key(Qt::Key_Delete)}, -1, "h3c3l3", 3, 1},
    {"DeleteThenDown", {click(1), key(Qt::Key_Delete), key(Qt::Key_Down)}, 1, "h4c1l4", 3, 0},
    {"DeleteThenUp", {click(1), key(Qt::Key_Delete), key(Qt::Key_Up)}, 0, "h2c2l2", 3, 0},
    {"DeleteLastThenDown", {click(3), key(Qt::Key_Delete), key(Qt::Key_Down)}, -1, "h1c2l3", 3, 1},
    {"DeleteLastThenUp", {click(3), key(Qt::Key_Delete), key(Qt::Key_Up)}, 2, "h4c1l4", 3, 0},
};

INSTANTIATE_TEST_SUITE_P(BookmarkPanel, ListSelection, testing::ValuesIn(selection_cases),
                         [](const auto& info) { return std::string(info.param.name); });
