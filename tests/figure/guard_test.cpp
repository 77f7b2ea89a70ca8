// Nothing happens while the main window's slideshow runs or while all three parts are locked:
// one parameterised test over every command that guards itself so.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/program_fixture.h"

namespace {

using layouts::visible;
using testing_support::WindowTest;

struct Command {
    const char* name;
    std::function<void(Vrendis2001&)> run;
    // Does nothing while the slideshow runs (the others answer a running slideshow themselves).
    bool waits_for_the_slideshow = true;
    // Closes the splash panel before it finds every part locked.
    bool closes_splash_when_all_locked = false;
    // Acts on the open full-screen view.
    bool needs_view = false;
};

void PrintTo(const Command& command, std::ostream* out) {
    *out << command.name;
}

// Everything a command could change.
struct State {
    QString id, status, pictures, splash, markers, view, slideshow;
    int reseeds = 0;
    std::size_t boxes = 0;
    bool operator==(const State&) const = default;
};

void PrintTo(const State& state, std::ostream* out) {
    *out << (state.id + " | " + state.status + " | " + state.pictures + " | " + state.splash +
             " | " + state.markers + " | " + state.view + " | " + state.slideshow)
                .toStdString()
         << " | reseeds " << state.reseeds << " | boxes " << state.boxes;
}

QString shown(std::initializer_list<const QWidget*> controls) {
    QString flags;
    for (const QWidget* control : controls) flags += visible(control) ? '1' : '0';
    return flags;
}

class Guard : public WindowTest, public ::testing::WithParamInterface<Command> {
protected:
    void SetUp() override {
        Vrendis2001& w = window();
        // Any draw from here on would pick a part other than the first figure's.
        random.script({0.9f});
        for (layouts::TextBox* box : {w.Text5, w.Text6, w.Text7}) box->setText("2");
        w.bokmarken_list->add_item("h2c2l2");
        w.bokmarken_list->set_current_row(0);
        for (QWidget* splash :
             std::initializer_list<QWidget*>{w.vrendis_splash, w.Check1, w.Label35})
            splash->setVisible(true);
        if (GetParam().needs_view)
            w.create_fullscreen();
    }

    State state() {
        Vrendis2001& w = window();
        State now;
        now.id = w.Text2->text() + w.Text3->text() + w.Text4->text();
        now.status = w.StatusBar2->panel_text(1);
        for (const layouts::Image* part : {w.image_head, w.image_chest, w.image_legs})
            now.pictures += part->picture_path() + ";";
        now.splash = shown({w.vrendis_splash, w.Check1, w.Label35});
        now.markers = shown({w.Image17, w.Image16, w.Image15});
        if (w.fullscreen) {
            for (const layouts::Image* part :
                 {w.fullscreen->image_head, w.fullscreen->image_chest, w.fullscreen->image_legs})
                now.view += part->picture_path() + ";";
        } else {
            now.view = "closed";
        }
        now.slideshow = QString::number(w.Slideshow_Clock->enabled()) + w.Image11->picture_path() +
                        w.Text1->text() + QString::number(w.Text1->isEnabled());
        now.reseeds = random.reseeds;
        now.boxes = dialogs.boxes.size();
        return now;
    }

    void lock_all() {
        for (layouts::Image* mark : {window().bock1, window().bock2, window().bock3})
            mark->setVisible(true);
    }
};

TEST_P(Guard, NothingWhileTheSlideshowRuns) {
    if (!GetParam().waits_for_the_slideshow)
        GTEST_SKIP() << "answers a running slideshow itself";
    window().Slideshow_Clock->set_enabled(true);
    const State before = state();
    GetParam().run(window());
    EXPECT_EQ(state(), before);
}

TEST_P(Guard, NothingWithEveryPartLocked) {
    lock_all();
    State expected = state();
    GetParam().run(window());
    if (GetParam().closes_splash_when_all_locked)
        expected.splash = "000";
    EXPECT_EQ(state(), expected);
}

// Locking every part while the slideshow runs neither stops it nor lets any command through.
TEST_P(Guard, NothingWithEveryPartLockedWhileTheSlideshowRuns) {
    lock_all();
    window().Slideshow_Clock->set_enabled(true);
    const State before = state();
    GetParam().run(window());
    EXPECT_EQ(state(), before);
}

void click(layouts::Control* control) {
    emit control->clicked();
}
void hover(layouts::Control* control) {
    emit control->mouse_move(Qt::NoButton, QPoint(1, 1));
}

const Command commands[] = {
    {"Label5", [](Vrendis2001& w) { click(w.Label5); }},
    {"Image14", [](Vrendis2001& w) { click(w.Image14); }},
    {"Image5", [](Vrendis2001& w) { click(w.Image5); }},
    {"Image18", [](Vrendis2001& w) { click(w.Image18); }},
    {"image_head", [](Vrendis2001& w) { click(w.image_head); }},
    {"image_chest", [](Vrendis2001& w) { click(w.image_chest); }},
    {"image_legs", [](Vrendis2001& w) { click(w.image_legs); }},
    {"Image13_typed_id", [](Vrendis2001& w) { click(w.Image13); }},
    {"mnucreatevrendis", [](Vrendis2001& w) { w.mnucreatevrendis->trigger(); }, true, true},
    {"bookmark_row", [](Vrendis2001& w) { emit w.bokmarken_list->row_chosen(); }, true, true},
    {"mnuname",
     [](Vrendis2001& w) {
         static_cast<testing_support::CapturedDialogs&>(platform::dialogs()).text_answers = {
             "Anna"};
         w.mnuname->trigger();
     }},
    {"Slideshow_Clock", [](Vrendis2001& w) { emit w.Slideshow_Clock->tick(); }, false},
    {"Image19_start_stop", [](Vrendis2001& w) { click(w.Image19); }, false},
    {"mnustartslideshow", [](Vrendis2001& w) { w.mnustartslideshow->trigger(); }, false},
    {"Image20_fullscreen", [](Vrendis2001& w) { click(w.Image20); }, false},
    {"mnufullscreen", [](Vrendis2001& w) { w.mnufullscreen->trigger(); }, false},
    {"view_Slideshow_Clock", [](Vrendis2001& w) { emit w.fullscreen->Slideshow_Clock->tick(); },
     true, false, true},
    {"view_image_head", [](Vrendis2001& w) { click(w.fullscreen->image_head); }, true, false, true},
    {"view_image_chest", [](Vrendis2001& w) { click(w.fullscreen->image_chest); }, true, false,
     true},
    {"view_image_legs", [](Vrendis2001& w) { click(w.fullscreen->image_legs); }, true, false, true},
    {"Image18_hover", [](Vrendis2001& w) { hover(w.Image18); }},
    {"Image19_hover", [](Vrendis2001& w) { hover(w.Image19); }, false},
    {"Image20_hover", [](Vrendis2001& w) { hover(w.Image20); }, false},
};

INSTANTIATE_TEST_SUITE_P(Commands, Guard, ::testing::ValuesIn(commands),
                         [](const ::testing::TestParamInfo<Command>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
