#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <set>

#include "bookmarks/bookmark_list.h"
#include "figure/generator.h"
#include "settings/bookmark_store.h"
#include "settings/profile_store.h"
#include "support/program_fixture.h"

using platform::MessageIcon;

namespace {

class BookmarkFile : public testing_support::WindowTest {
protected:
    QString path() const { return program.file("\\bookmark.dat"); }

    void put(const QByteArray& bytes) {
        QFile out(path());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(out.write(bytes), bytes.size());
    }
    QByteArray contents() const {
        QFile in(path());
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    // The list as rows of ID and bookmark number.
    std::vector<std::pair<QString, qint64>> rows() {
        std::vector<std::pair<QString, qint64>> all;
        layouts::ListBox* list = window().bokmarken_list;
        for (int row = 0; row < list->count(); ++row)
            all.emplace_back(list->text(row), list->item_data(row));
        return all;
    }
    using Rows = std::vector<std::pair<QString, qint64>>;

    void restore() { bookmarks::restore_bookmark_list(window()); }
};

}  // namespace

TEST_F(BookmarkFile, NoFileRestoresNothingAndCreatesNothing) {
    window().bokmarken_list->add_item("old");
    restore();
    EXPECT_EQ(window().bokmarken_list->count(), 0);
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(BookmarkFile, RestoresInNumberOrderSkippingGapsAndStrays) {
    // As the old program wrote it, with a hand edit or two.
    put("[Bookmarks]\r\nCounter=5\r\nbookmark_3=h3c3l3\r\nbookmark_1=h12c3l7\r\n"
        "bookmark_4=\r\nBOOKMARK_5=h5c1l2\r\nbookmark_05=h9c9l9\r\nbookmark_6=h6c6l6\r\n"
        "bookmark_1=h1c1l1\r\n[Other]\r\nbookmark_2=h2c2l2\r\n");
    restore();
    EXPECT_EQ(rows(), (Rows{{"h12c3l7", 1}, {"h3c3l3", 3}, {"h5c1l2", 5}, {"h6c6l6", 6}}));

    put("[Bookmarks]\r\nCounter=1\r\nbookmark_1=h1c2l3\r\n");
    restore();
    EXPECT_EQ(rows(), (Rows{{"h1c2l3", 1}}));

    // Hand-edited IDs come back exactly, in UTF-8 or Windows-1252 alike.
    put("[Bookmarks]\r\nbookmark_1=h\xC3\xB6\xE2\x82\xAC c1\r\nbookmark_2=h\xF6\x80 c2\r\n");
    restore();
    EXPECT_EQ(rows(), (Rows{{"hö€ c1", 1}, {"hö€ c2", 2}}));
}

TEST_F(BookmarkFile, ADamagedCounterNeitherHidesNorOverwritesBookmarks) {
    // A byte-order mark within the file belongs to the key: that is no counter either.
    for (const QByteArray counter :
         {"", "Counter=\r\n", "Counter=tre\r\n", "Counter=-2\r\n", "Counter=1\r\n",
          "\xEF\xBB\xBF"
          "Counter=3\r\n"}) {
        const QByteArray before =
            "[Bookmarks]\r\n" + counter + "bookmark_1=h1c1l1\r\n" + "bookmark_3=h3c3l3\r\n";
        put(before);
        restore();
        EXPECT_EQ(rows(), (Rows{{"h1c1l1", 1}, {"h3c3l3", 3}})) << counter.constData();
        // The next number is one above the highest bookmark; the others stay as they were.
        EXPECT_EQ(settings::store_bookmark("h2c2l2").number, 4) << counter.constData();
        restore();
        EXPECT_EQ(rows(), (Rows{{"h1c1l1", 1}, {"h3c3l3", 3}, {"h2c2l2", 4}}));
        EXPECT_TRUE(contents().contains("bookmark_1=h1c1l1\r\nbookmark_3=h3c3l3\r\n"));
    }
    // A counter edited far beyond the keys costs no walk through every number.
    put("[Bookmarks]\r\nCounter=999999999999999\r\nbookmark_2=h2c2l2\r\n");
    restore();
    EXPECT_EQ(rows(), (Rows{{"h2c2l2", 2}}));
}

TEST_F(BookmarkFile, AddStoresTheShownIdInTheOldFormat) {
    Vrendis2001& w = window();
    w.mnubokmark->trigger();
    w.mnubookmark_add->trigger();
    EXPECT_EQ(contents(), "[Bookmarks]\r\nCounter=2\r\nbookmark_1=h1c1l1\r\nbookmark_2=h1c1l1\r\n");
    EXPECT_EQ(rows(), (Rows{{"h1c1l1", 1}, {"h1c1l1", 2}}));
    // A locked part is stored as shown.
    w.bock1->setVisible(true);
    random.script(testing_support::draws_for({{3, 3}, {5, 5}}));
    functions::generate_figure(w, functions::NEW_FIGURE);
    w.mnubokmark->trigger();
    restore();
    EXPECT_EQ(rows(), (Rows{{"h1c1l1", 1}, {"h1c1l1", 2}, {"h1c3l5", 3}}));
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(BookmarkFile, AddAfterCounterNineStoresBookmarkTen) {
    put("[Bookmarks]\nCounter=9\nbookmark_9=h4c3l2\n");
    restore();
    window().mnubokmark->trigger();
    EXPECT_EQ(contents(), "[Bookmarks]\nCounter=10\nbookmark_9=h4c3l2\nbookmark_10=h1c1l1\r\n");
    EXPECT_EQ(rows(), (Rows{{"h4c3l2", 9}, {"h1c1l1", 10}}));

    // A counter that is no number starts again at 1.
    put("[Bookmarks]\r\nCounter=x\r\n");
    EXPECT_EQ(settings::store_bookmark("h2c2l2").number, 1);
}

TEST_F(BookmarkFile, NothingIsStoredBeforeTheFirstFigure) {
    program.set_profile_value("Visa_splash", "1");
    window().mnubokmark->trigger();
    EXPECT_FALSE(QFile::exists(path()));
    EXPECT_EQ(window().bokmarken_list->count(), 0);
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(dialogs.beeps, 1);
}

TEST_F(BookmarkFile, TheSplashOverAShownFigureDoesNotStopTheSave) {
    Vrendis2001& w = window();
    w.mnusplash->trigger();
    ASSERT_TRUE(layouts::visible(w.vrendis_splash));
    w.mnubokmark->trigger();
    EXPECT_EQ(rows(), (Rows{{"h1c1l1", 1}}));
    EXPECT_EQ(dialogs.beeps, 0);
}

TEST_F(BookmarkFile, ABookmarkTheFileDidNotTakeIsReportedNotListed) {
    ASSERT_TRUE(QDir(program.path()).mkdir("bookmark.dat"));
    window().mnubokmark->trigger();
    EXPECT_EQ(window().bokmarken_list->count(), 0);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "Vrendomaten - Bokmärken");
    EXPECT_EQ(dialogs.boxes[0].text, "Bokmärket kunde inte sparas.");
    EXPECT_EQ(dialogs.boxes[0].icon, MessageIcon::Error);
}

TEST_F(BookmarkFile, DeleteRemovesTheRowUnderThePointerAndNeverReusesItsNumber) {
    Vrendis2001& w = window();
    put("[Bookmarks]\r\nCounter=3\r\nbookmark_1=h1c1l1\r\nbookmark_2=h2c2l2\r\n"
        "bookmark_3=h1c1l1\r\n");
    restore();
    show_window();
    w.mnuopen2->trigger();
    layouts::ListBox* list = w.bokmarken_list;
    // No right press: nothing happens.
    w.mnubookmark_delete->trigger();
    EXPECT_EQ(list->count(), 3);

    // The same ID twice: the row pressed goes, by its own number.
    list->set_current_row(0);
    QTest::mouseClick(list->viewport(), Qt::RightButton, Qt::NoModifier,
                      list->row_rect(2).center());
    w.mnubookmarks->hide();
    w.mnubookmark_delete->trigger();
    EXPECT_EQ(rows(), (Rows{{"h1c1l1", 1}, {"h2c2l2", 2}}));
    EXPECT_EQ(contents(), "[Bookmarks]\r\nCounter=3\r\nbookmark_1=h1c1l1\r\nbookmark_2=h2c2l2\r\n");
    // The entry acts once per right press.
    w.mnubookmark_delete->trigger();
    EXPECT_EQ(list->count(), 2);

    w.mnubokmark->trigger();
    restore();
    EXPECT_EQ(rows(), (Rows{{"h1c1l1", 1}, {"h2c2l2", 2}, {"h1c1l1", 4}}));
    EXPECT_TRUE(dialogs.boxes.empty());
}

// At start the list fills once the window has painted; whatever needs it sooner fills it first.
class FirstUse : public BookmarkFile, public testing::WithParamInterface<const char*> {};

TEST_P(FirstUse, FindsTheStoredBookmarks) {
    put("[Bookmarks]\r\nCounter=2\r\nbookmark_1=h1c2l3\r\nbookmark_2=h2c2l2\r\n");
    Vrendis2001& w = window();
    EXPECT_EQ(rows(), Rows{});
    const std::string use = GetParam();
    Rows expected = {{"h1c2l3", 1}, {"h2c2l2", 2}};
    if (use == "paint") {
        show_window();
        QCoreApplication::processEvents();
    } else if (use == "panel") {
        w.mnuopen2->trigger();
    } else {
        w.mnubokmark->trigger();
        expected.emplace_back("h1c1l1", 3);
    }
    EXPECT_EQ(rows(), expected);
    // Once only: a later paint or opening lists nothing twice.
    show_window();
    w.mnuopen2->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(rows(), expected);
}

INSTANTIATE_TEST_SUITE_P(BookmarkFile, FirstUse, testing::Values("paint", "panel", "add"));

TEST_F(BookmarkFile, TwoProgramsAddingAtOnceLoseNothing) {
    QProcess first, second;
    first.start(BOOKMARK_ADDER, {program.path(), "1", "500"});
    second.start(BOOKMARK_ADDER, {program.path(), "2", "500"});
    ASSERT_TRUE(first.waitForFinished(240'000));
    ASSERT_TRUE(second.waitForFinished(240'000));
    EXPECT_EQ(first.exitCode(), 0);
    EXPECT_EQ(second.exitCode(), 0);

    std::set<QString> expected;
    for (int i = 1; i <= 500; ++i) {
        expected.insert(QStringLiteral("h%1c1l%1").arg(i));
        expected.insert(QStringLiteral("h%1c2l%1").arg(i));
    }
    const std::vector<settings::Bookmark> stored = settings::read_bookmarks();
    std::set<qint64> numbers;
    std::set<QString> ids;
    for (const auto& bookmark : stored) {
        numbers.insert(bookmark.number);
        ids.insert(bookmark.id);
    }
    EXPECT_EQ(stored.size(), 1000u);
    EXPECT_EQ(numbers.size(), 1000u);
    EXPECT_EQ(ids, expected);
    settings::set_profile_key("Counter");
    EXPECT_EQ(settings::read_profile(), "1000");
}
