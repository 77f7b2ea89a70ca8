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
#include "support/mounts.h"
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

// A save that fails says so and leaves whatever stood there before exactly as it was, with no
// temporary file beside it. The full disks give out during the picture's last bytes.
TEST_F(Keeping, AFailedSaveSaysSoAndKeepsTheOldFile) {
    Vrendis2001& w = window();
    QTemporaryDir folder;
    dialogs.save_answer = folder.filePath("whole.png");
    w.mnusavepicture->trigger();
    const qint64 size = QFileInfo(folder.filePath("whole.png")).size();
    ASSERT_GT(size, 0);
    const QByteArray old_picture = "an older picture";
    auto expect_failure = [&](const QString& path, const char* why) {
        SCOPED_TRACE(why);
        const QDir beside = QFileInfo(path).dir();
        const QStringList before = beside.entryList(QDir::Files | QDir::Hidden);
        dialogs.boxes.clear();
        dialogs.save_answer = path;
        w.mnusavepicture->trigger();
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_EQ(dialogs.boxes[0].text, QStringLiteral("Filen %1 går inte att skriva.").arg(path));
        EXPECT_EQ(dialogs.boxes[0].title, "Vrendomaten - Spara bild");
        EXPECT_EQ(dialogs.boxes[0].icon, platform::MessageIcon::Error);
        EXPECT_EQ(beside.entryList(QDir::Files | QDir::Hidden), before);
        QFile in(path);
        if (in.open(QIODevice::ReadOnly)) {
            EXPECT_EQ(in.readAll(), old_picture);
        }
    };
    auto put_old_picture = [&](const QString& path) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(old_picture);
    };

    expect_failure(folder.filePath("gone/bild.png"), "a folder that is not there");

    // No file may grow to the picture's size.
    const QString kept = folder.filePath("kept.png");
    put_old_picture(kept);
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit before = limit;
    limit.rlim_cur = rlim_t(size - 1);
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    expect_failure(kept, "a file size limit");
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, old_handler);

    // A disk with room for the old picture and all but the last page of the new one.
    using testing_support::SmallDisk;
    SmallDisk disk(SmallDisk::room_for(old_picture.size()) + SmallDisk::room_for(size) -
                   SmallDisk::room_for(1));
    if (disk.mounted()) {
        put_old_picture(disk.file("bild.png"));
        expect_failure(disk.file("bild.png"), "a full disk");
    }

    // Root writes into read-only folders; the full disks above stand for them then.
    if (geteuid() != 0) {
        const QString locked = folder.filePath("locked");
        ASSERT_TRUE(QDir().mkdir(locked));
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
        expect_failure(locked + "/bild.png", "a folder that cannot be written");
    }
    if (!disk.mounted())
        GTEST_SKIP() << "the full disk needs root to mount a tmpfs";
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

// A name's figure is painted as a bookmark row paints one: locked parts stay, the typed boxes
// are never written, and the history keeps it. A name of blanks beeps and the dialog stays; the
// slideshow and three locks make the entry beep before any dialog.
TEST_F(Keeping, ANameShowsItsFigureAsABookmarkRowDoes) {
    Vrendis2001& w = window();
    random.script(draws_for({{1, heads}, {2, chests}, {1, legs}}));
    w.Label5->clicked();
    w.Text5->setText("9");
    w.bock2->setVisible(true);

    // " ANNA " with 4, 3 and 5 parts is h3c1l1 (the command line's case works it out).
    dialogs.text_answers = {" \t", " ANNA "};
    w.mnuname->trigger();
    ASSERT_EQ(dialogs.text_dialogs.size(), 1u);
    EXPECT_EQ(dialogs.text_dialogs[0].title, "Vrendomaten - Vrendis för ett namn");
    EXPECT_EQ(dialogs.text_dialogs[0].accept_caption, "Visa");
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_EQ(shown(), "h3c2l1");
    EXPECT_TRUE(shows(w.image_head, 'h', 3));
    EXPECT_TRUE(shows(w.image_chest, 'c', 2));
    EXPECT_EQ(w.Text5->text(), "9");
    w.mnuback->trigger();
    EXPECT_EQ(shown(), "h1c2l1");

    w.bock1->setVisible(true);
    w.bock3->setVisible(true);
    w.mnuname->trigger();
    w.bock1->setVisible(false);
    w.Slideshow_Clock->set_enabled(true);
    w.mnuname->trigger();
    w.Slideshow_Clock->set_enabled(false);
    EXPECT_EQ(dialogs.text_dialogs.size(), 1u);
    EXPECT_EQ(dialogs.beeps, 3);
}

// The bookmark list as a series of sheets, written in the background: one question names the
// files of the series that stand there already, "Nej" writes nothing, "Ja" writes them all and
// tells how many. Without bookmarks the entry beeps.
TEST_F(Keeping, TheBookmarkSheetsAreWrittenAfterOneQuestion) {
    Vrendis2001& w = window();
    w.mnusavesheet->trigger();
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_TRUE(dialogs.save_dialogs.empty());

    QString file = "[Bookmarks]\r\nCounter=501\r\n";
    for (int i = 1; i <= 501; ++i)
        file += QStringLiteral("bookmark_%1=h%2c%3l%4\r\n")
                    .arg(i)
                    .arg(i % heads + 1)
                    .arg(i % chests + 1)
                    .arg(i % legs + 1);
    QFile out(program.file("\\bookmark.dat"));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(file.toUtf8());
    out.close();
    bookmarks::restore_bookmark_list(w);

    const QTemporaryDir folder;
    QFile second(folder.filePath("ark-2.png"));
    ASSERT_TRUE(second.open(QIODevice::WriteOnly));
    second.close();
    dialogs.save_answer = folder.filePath("ark");
    w.mnusavesheet->trigger();
    ASSERT_EQ(dialogs.save_dialogs.size(), 1u);
    EXPECT_TRUE(dialogs.save_dialogs[0].suggested_path.endsWith("/bokmarken.png"));
    EXPECT_EQ(dialogs.save_dialogs[0].default_suffix, "png");
    EXPECT_EQ(dialogs.save_dialogs[0].replacing, platform::Replacing::caller_asks);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text,
              folder.filePath("ark-2.png") + " finns redan. Vill du ersätta den?");
    EXPECT_FALSE(QFile::exists(folder.filePath("ark.png")));

    dialogs.question_answer = true;
    w.mnusavesheet->trigger();
    while (dialogs.boxes.size() < 3) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EXPECT_EQ(dialogs.boxes[2].text, "2 filer sparades.");
    EXPECT_EQ(dialogs.boxes[2].title, "Vrendomaten - Spara bokmärken");
    EXPECT_EQ(QImageReader(folder.filePath("ark.png")).size(), QSize(914, 8 + 84 * 225));
    EXPECT_EQ(QImageReader(folder.filePath("ark-2.png")).size(), QSize(159, 233));
}
