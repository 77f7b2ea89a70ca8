#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QMimeData>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "bookmarks/bookmark_list.h"
#include "catalogue/catalogue.h"
#include "keeping/picture.h"
#include "settings/bookmark_store.h"
#include "support/program_fixture.h"
#include "window/verbs.h"

using testing_support::draws_for;
using testing_support::WindowTest;

namespace {

using testing_support::chests;
using testing_support::heads;
using testing_support::legs;

class Keeping : public WindowTest {
protected:
    // Pictures the size of real figure parts.
    Keeping() : WindowTest(285) {}
    void SetUp() override { show_window(); }

    // The figure as composed from the decoded files of its parts.
    QImage from_files(int head, int chest, int legs) {
        return catalogue::compose(catalogue::load_part(program.picture_path('h', head)),
                                  catalogue::load_part(program.picture_path('c', chest)),
                                  catalogue::load_part(program.picture_path('l', legs)));
    }
    QString shown() { return main_window::shown_id(window()); }
};

QImage rgb(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

TEST_F(Keeping, SavedAndCopiedPicturesAreTheShownPartsStackedWithoutOverlap) {
    Vrendis2001& w = window();
    random.script(draws_for({{3, heads}, {2, chests}, {5, legs}}));
    w.Label5->clicked();
    ASSERT_EQ(shown(), "h3c2l5");
    const QImage expected = from_files(3, 2, 5);
    ASSERT_EQ(expected.size(), QSize(285, 405));
    // Band by band, what the window shows.
    const QImage* shown_parts[] = {&w.image_head->picture(), &w.image_chest->picture(),
                                   &w.image_legs->picture()};
    int top = 0;
    for (std::size_t band = 0; band < 3; ++band) {
        const QImage& part = *shown_parts[band];
        EXPECT_EQ(rgb(expected.copy(0, top, part.width(), part.height())), rgb(part));
        top += catalogue::band_height[band];
    }

    const QTemporaryDir folder;
    const std::pair<QString, QString> names[] = {
        {"a.png", "a.png"}, {"b.PNG", "b.PNG"}, {"c.gif", "c.gif.png"}, {"d", "d.png"}};
    for (const auto& [chosen, saved] : names) {
        dialogs.save_answer = folder.filePath(chosen);
        w.mnusavepicture->trigger();
        QImageReader reader(folder.filePath(saved));
        EXPECT_EQ(reader.format(), "png") << saved.toStdString();
        EXPECT_EQ(rgb(reader.read()), rgb(expected)) << saved.toStdString();
    }
    for (const char* chosen : {"e.jpg", "f.JPEG"}) {
        dialogs.save_answer = folder.filePath(chosen);
        w.mnusavepicture->trigger();
        QImageReader reader(folder.filePath(chosen));
        EXPECT_EQ(reader.format(), "jpeg") << chosen;
        EXPECT_EQ(reader.size(), expected.size());
    }
    EXPECT_TRUE(dialogs.boxes.empty());

    w.mnucopypicture->trigger();
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->text(), "h3c2l5");
    EXPECT_EQ(rgb(QImage::fromData(copied->data("image/png"), "PNG")), rgb(expected));
}

// The history paints as a bookmark row does: locked parts stay, the typed boxes are never
// written, and a figure whose pictures are gone is passed over. What lies ahead stays until a
// figure other than the one on show appears.
TEST_F(Keeping, HistoryPassesOverMissingPicturesAndKeepsLockedParts) {
    Vrendis2001& w = window();
    for (auto [head, chest, leg] : {std::tuple{2, 2, 2}, {3, 3, 3}, {4, 1, 4}}) {
        random.script(draws_for({{head, heads}, {chest, chests}, {leg, legs}}));
        w.Label5->clicked();
    }
    ASSERT_EQ(shown(), "h4c1l4");
    w.Text5->setText("9");
    program.remove_picture('l', 3);

    w.bock2->setVisible(true);
    w.mnuback->trigger();
    EXPECT_EQ(shown(), "h2c1l2");
    EXPECT_TRUE(shows(w.image_legs, 'l', 2));
    EXPECT_TRUE(shows(w.image_chest, 'c', 1));
    EXPECT_EQ(w.Text5->text(), "9");
    // A click on the locked chest writes the same ID again: no new figure, nothing dropped.
    w.image_chest->clicked();
    w.mnuback->trigger();
    EXPECT_EQ(shown(), "h1c1l1");
    EXPECT_EQ(dialogs.beeps, 0);
    w.mnuback->trigger();
    EXPECT_EQ(dialogs.beeps, 1);

    // Forward passes over h3c3l3 as well; the locked chest kept, nothing was remembered.
    w.mnuforward->trigger();
    w.mnuforward->trigger();
    EXPECT_EQ(shown(), "h4c1l4");
    w.mnuforward->trigger();
    EXPECT_EQ(dialogs.beeps, 2);
}

TEST_F(Keeping, AFailedSaveSaysSoAndLeavesNoFile) {
    Vrendis2001& w = window();
    QTemporaryDir folder;
    const QByteArray old_picture = "an older picture";
    auto expect_failure = [&](const QString& path, const char* why) {
        SCOPED_TRACE(why);
        dialogs.boxes.clear();
        dialogs.save_answer = path;
        w.mnusavepicture->trigger();
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_EQ(dialogs.boxes[0].text, "Bilden kunde inte sparas.");
        EXPECT_EQ(dialogs.boxes[0].title, "Vrendomaten - Spara bild");
        EXPECT_EQ(dialogs.boxes[0].icon, platform::MessageIcon::Error);
    };

    expect_failure(folder.filePath("gone/bild.png"), "a folder that is not there");

    // A full disk: no file may grow beyond a few bytes. The old picture stays whole and no
    // temporary file is left beside it.
    const QString kept = folder.filePath("kept.png");
    {
        QFile out(kept);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(old_picture);
    }
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit before = limit;
    limit.rlim_cur = 64;
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    expect_failure(kept, "a full disk");
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, old_handler);
    QFile in(kept);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    EXPECT_EQ(in.readAll(), old_picture);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"kept.png"});

    // Root writes into read-only folders; the full disk above stands for them then.
    if (geteuid() != 0) {
        const QString locked = folder.filePath("locked");
        ASSERT_TRUE(QDir().mkdir(locked));
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
        expect_failure(locked + "/bild.png", "a folder that cannot be written");
        EXPECT_TRUE(QDir(locked).isEmpty());
    }
}

// Typing keys stay with a text box; the window's keys act from the bookmark list and after a
// click outside the text box.
TEST_F(Keeping, TextBoxesKeepTheirKeysUntilAClickElsewhere) {
    Vrendis2001& w = window();
    w.editid->setVisible(true);
    w.Text5->setFocus();
    w.Text5->clear();
    QTest::keyClick(w.Text5, Qt::Key_1);
    QTest::keyClick(w.Text5, Qt::Key_Space);
    EXPECT_EQ(w.Text5->text(), "1");
    EXPECT_EQ(shown(), "h1c1l1");
    // Ctrl+S acts anywhere.
    dialogs.save_answer.clear();
    QTest::keyClick(w.Text5, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs.save_dialogs.size(), 1u);

    QTest::mouseClick(w.Picture1, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(QApplication::focusWidget(), w.Command4);
    random.script(draws_for(2, heads));
    QTest::keyClick(w.Command4, Qt::Key_1);
    EXPECT_EQ(shown(), "h2c1l1");

    w.mnuopen2->trigger();
    w.bokmarken_list->setFocus();
    random.script(draws_for(3, chests));
    QTest::keyClick(w.bokmarken_list, Qt::Key_2);
    EXPECT_EQ(shown(), "h2c3l1");
}

TEST_F(Keeping, BookmarkListKeysSelectShowAndDelete) {
    QFile out(program.file("\\bookmark.dat"));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(
        "[Bookmarks]\r\nCounter=3\r\nbookmark_1=h2c2l2\r\nbookmark_2=h3c3l3\r\n"
        "bookmark_3=h4c1l4\r\n");
    out.close();
    Vrendis2001& w = window();
    bookmarks::restore_bookmark_list(w);
    layouts::ListBox* list = w.bokmarken_list;
    w.mnuopen2->trigger();
    list->setFocus();

    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(shown(), "h2c2l2");
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(shown(), "h4c1l4");
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(dialogs.beeps, 1);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(shown(), "h3c3l3");
    w.Label5->clicked();
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(shown(), "h3c3l3");

    QTest::keyClick(list, Qt::Key_Delete);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->text(1), "h4c1l4");
    std::vector<QString> ids;
    for (const settings::Bookmark& kept : settings::read_bookmarks()) ids.push_back(kept.id);
    EXPECT_EQ(ids, (std::vector<QString>{"h2c2l2", "h4c1l4"}));
}
