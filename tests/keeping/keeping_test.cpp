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

#include "bookmarks/bookmark_file.h"
#include "catalogue/catalogue.h"
#include "keeping/picture.h"
#include "support/program_fixture.h"
#include "window/verbs.h"

using layouts::visible;
using testing_support::draws_for;
using testing_support::WindowTest;

namespace {

using testing_support::chests;
using testing_support::heads;
using testing_support::legs;

enum class Command { figure, head, chest, legs, bookmark, fullscreen, save, copy, back, forward };
enum class Guard { none, slideshow, all_locked, no_figure, history_end };

struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    Command command;
    Guard guard;
};

// Everything a key of this kind could change.
struct Snapshot {
    QStringList texts;
    int bookmarks;
    bool view_open;
    std::size_t save_dialogs, boxes;
    QString clipboard;
    bool operator==(const Snapshot&) const = default;
};

class Keys : public WindowTest, public ::testing::WithParamInterface<KeyCase> {
protected:
    void SetUp() override {
        // Before any figure: the splash is shown at start and no figure is drawn.
        if (GetParam().guard == Guard::no_figure)
            program.set_profile_value("Visa_splash", "1");
        QGuiApplication::clipboard()->clear();
        show_window();
    }
    void TearDown() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A key as the user types it: to the control with the focus.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &window(), key, modifiers);
    }
    QString shown() { return main_window::shown_id(window()); }
    Snapshot snapshot() {
        Vrendis2001& w = window();
        QStringList texts = {w.StatusBar2->panel_text(1)};
        for (layouts::TextBox* box : {w.Text2, w.Text3, w.Text4, w.Text5, w.Text6, w.Text7})
            texts << box->text();
        for (layouts::Image* part : {w.image_head, w.image_chest, w.image_legs})
            texts << part->picture_path();
        texts << QString::number(visible(w.vrendis_splash));
        return {texts,
                w.bokmarken_list->count(),
                !w.fullscreen.isNull(),
                dialogs.save_dialogs.size(),
                dialogs.boxes.size(),
                QGuiApplication::clipboard()->text()};
    }
    // A second figure, h2c2l2, after the first one (h1c1l1) shown at start.
    void show_second_figure() {
        random.script(draws_for({{2, heads}, {2, chests}, {2, legs}}));
        window().Label5->clicked();
        ASSERT_EQ(shown(), "h2c2l2");
    }
};

const Qt::KeyboardModifiers none = Qt::NoModifier;
const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
const Qt::KeyboardModifiers alt = Qt::AltModifier;
const Qt::KeyboardModifiers ctrl_shift = Qt::ControlModifier | Qt::ShiftModifier;

KeyCase key_cases[] = {
    {"Space", Qt::Key_Space, none, Command::figure, Guard::none},
    {"Space_Slideshow", Qt::Key_Space, none, Command::figure, Guard::slideshow},
    {"Space_AllLocked", Qt::Key_Space, none, Command::figure, Guard::all_locked},
    {"Key1", Qt::Key_1, none, Command::head, Guard::none},
    {"Key1_Slideshow", Qt::Key_1, none, Command::head, Guard::slideshow},
    {"Key1_AllLocked", Qt::Key_1, none, Command::head, Guard::all_locked},
    {"Key2", Qt::Key_2, none, Command::chest, Guard::none},
    {"Key2_Slideshow", Qt::Key_2, none, Command::chest, Guard::slideshow},
    {"Key3", Qt::Key_3, none, Command::legs, Guard::none},
    {"Key3_AllLocked", Qt::Key_3, none, Command::legs, Guard::all_locked},
    {"B", Qt::Key_B, none, Command::bookmark, Guard::none},
    {"B_NoFigure", Qt::Key_B, none, Command::bookmark, Guard::no_figure},
    {"F11", Qt::Key_F11, none, Command::fullscreen, Guard::none},
    {"F11_AllLocked", Qt::Key_F11, none, Command::fullscreen, Guard::all_locked},
    {"CtrlS", Qt::Key_S, ctrl, Command::save, Guard::none},
    {"CtrlS_NoFigure", Qt::Key_S, ctrl, Command::save, Guard::no_figure},
    {"CtrlC", Qt::Key_C, ctrl, Command::copy, Guard::none},
    {"CtrlC_NoFigure", Qt::Key_C, ctrl, Command::copy, Guard::no_figure},
    {"AltLeft", Qt::Key_Left, alt, Command::back, Guard::none},
    {"AltLeft_AtStart", Qt::Key_Left, alt, Command::back, Guard::history_end},
    {"AltLeft_Slideshow", Qt::Key_Left, alt, Command::back, Guard::slideshow},
    {"CtrlZ", Qt::Key_Z, ctrl, Command::back, Guard::none},
    {"CtrlZ_AllLocked", Qt::Key_Z, ctrl, Command::back, Guard::all_locked},
    {"AltRight", Qt::Key_Right, alt, Command::forward, Guard::none},
    {"AltRight_AtEnd", Qt::Key_Right, alt, Command::forward, Guard::history_end},
    {"CtrlShiftZ", Qt::Key_Z, ctrl_shift, Command::forward, Guard::none},
    {"CtrlShiftZ_Slideshow", Qt::Key_Z, ctrl_shift, Command::forward, Guard::slideshow},
};

}  // namespace

// Each key does its command; where the command cannot do its work, it beeps and nothing
// changes: no picture, ID, typed box, bookmark, view, dialog or clipboard.
TEST_P(Keys, ActOrBeepAndChangeNothing) {
    const KeyCase& key = GetParam();
    Vrendis2001& w = window();
    ASSERT_EQ(QApplication::focusWidget(), w.Command4);

    if (key.command == Command::back || key.command == Command::forward) {
        if (key.guard != Guard::history_end)
            show_second_figure();
        if (key.command == Command::forward && key.guard != Guard::history_end)
            w.mnuback->trigger();
    }
    switch (key.guard) {
        case Guard::slideshow:
            w.Slideshow_Clock->set_enabled(true);
            break;
        case Guard::all_locked:
            for (layouts::Image* mark : {w.bock1, w.bock2, w.bock3}) mark->setVisible(true);
            break;
        default:
            break;
    }
    const QTemporaryDir pictures;
    dialogs.save_answer = pictures.filePath("bild");
    random.script(draws_for({{2, heads}, {3, chests}, {4, legs}}));
    const Snapshot before = snapshot();
    const int beeps = dialogs.beeps;

    press(key.key, key.modifiers);

    if (key.guard != Guard::none) {
        EXPECT_EQ(dialogs.beeps, beeps + 1);
        EXPECT_TRUE(snapshot() == before);
        return;
    }
    EXPECT_EQ(dialogs.beeps, beeps);
    switch (key.command) {
        case Command::figure:
            EXPECT_EQ(shown(), "h2c3l4");
            break;
        case Command::head:
            EXPECT_EQ(shown(), "h2c1l1");
            break;
        case Command::chest:
            EXPECT_EQ(shown(), "h1c2l1");
            break;
        case Command::legs:
            EXPECT_EQ(shown(), "h1c1l2");
            break;
        case Command::bookmark:
            ASSERT_EQ(w.bokmarken_list->count(), before.bookmarks + 1);
            EXPECT_EQ(w.bokmarken_list->item(before.bookmarks)->text(), "h1c1l1");
            break;
        case Command::fullscreen:
            ASSERT_FALSE(w.fullscreen.isNull());
            ASSERT_TRUE(QTest::qWaitForWindowActive(w.fullscreen));
            QTest::keyClick(w.fullscreen, Qt::Key_F11);
            EXPECT_TRUE(w.fullscreen.isNull());
            break;
        case Command::save: {
            ASSERT_EQ(dialogs.save_dialogs.size(), 1u);
            EXPECT_EQ(dialogs.save_dialogs[0].title, "Spara bild");
            EXPECT_EQ(dialogs.save_dialogs[0].suggested_path,
                      QDir(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation))
                          .filePath("h1c1l1.png"));
            EXPECT_EQ(QImageReader(pictures.filePath("bild.png")).format(), "png");
            // The folder chosen is offered next time.
            press(key.key, key.modifiers);
            ASSERT_EQ(dialogs.save_dialogs.size(), 2u);
            EXPECT_EQ(dialogs.save_dialogs[1].suggested_path, pictures.filePath("h1c1l1.png"));
            break;
        }
        case Command::copy:
            EXPECT_EQ(QGuiApplication::clipboard()->text(), "h1c1l1");
            EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat("image/png"));
            break;
        case Command::back:
        case Command::forward: {
            const char* expected = key.command == Command::back ? "h1c1l1" : "h2c2l2";
            EXPECT_EQ(shown(), expected);
            EXPECT_EQ(w.StatusBar2->panel_text(1), QString("  Vrendis ID:  ") + expected);
            EXPECT_TRUE(shows(w.image_head, 'h', key.command == Command::back ? 1 : 2));
            // Stepping adds no entry: the other way leads straight back.
            (key.command == Command::back ? w.mnuforward : w.mnuback)->trigger();
            EXPECT_EQ(shown(), key.command == Command::back ? "h2c2l2" : "h1c1l1");
            EXPECT_EQ(dialogs.beeps, beeps);
            break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Keeping, Keys, ::testing::ValuesIn(key_cases),
                         [](const auto& info) { return std::string(info.param.name); });

namespace {

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
// written, and a figure whose pictures are gone is passed over.
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
    QListWidget* list = w.bokmarken_list;
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
    EXPECT_EQ(list->item(1)->text(), "h4c1l4");
    std::vector<QString> ids;
    for (const bookmarks::Bookmark& kept : bookmarks::read_bookmarks()) ids.push_back(kept.id);
    EXPECT_EQ(ids, (std::vector<QString>{"h2c2l2", "h4c1l4"}));
}
