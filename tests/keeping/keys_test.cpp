#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QImageReader>
#include <QMimeData>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

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
    // Starts with the splash and no figure, the command being allowed there all the same.
    bool at_splash = false;
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
        if (GetParam().guard == Guard::no_figure || GetParam().at_splash)
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
    {"Space_AtSplash", Qt::Key_Space, none, Command::figure, Guard::none, true},
    {"Key1", Qt::Key_1, none, Command::head, Guard::none},
    {"Key1_NoFigure", Qt::Key_1, none, Command::head, Guard::no_figure},
    {"Key1_Slideshow", Qt::Key_1, none, Command::head, Guard::slideshow},
    {"Key1_AllLocked", Qt::Key_1, none, Command::head, Guard::all_locked},
    {"Key2", Qt::Key_2, none, Command::chest, Guard::none},
    {"Key2_Slideshow", Qt::Key_2, none, Command::chest, Guard::slideshow},
    {"Key2_NoFigure", Qt::Key_2, none, Command::chest, Guard::no_figure},
    {"Key3", Qt::Key_3, none, Command::legs, Guard::none},
    {"Key3_AllLocked", Qt::Key_3, none, Command::legs, Guard::all_locked},
    {"Key3_NoFigure", Qt::Key_3, none, Command::legs, Guard::no_figure},
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
            EXPECT_FALSE(visible(w.vrendis_splash));
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
            EXPECT_EQ(w.bokmarken_list->text(before.bookmarks), "h1c1l1");
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
