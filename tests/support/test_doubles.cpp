#include "support/test_doubles.h"

namespace testing_support {

ScriptedRandom::ScriptedRandom(std::vector<float> values) {
    script(std::move(values));
    platform::set_random_source(this);
}

ScriptedRandom::~ScriptedRandom() {
    platform::set_random_source(nullptr);
}

void ScriptedRandom::script(std::vector<float> values) {
    values_.assign(values.begin(), values.end());
}

float ScriptedRandom::next() {
    ++draws;
    if (!values_.empty()) {
        last_ = values_.front();
        values_.pop_front();
    }
    return last_;
}

CapturedDialogs::CapturedDialogs() {
    platform::set_dialogs(this);
}

CapturedDialogs::~CapturedDialogs() {
    platform::set_dialogs(nullptr);
}

void CapturedDialogs::message_box(const QString& text, const QString& title,
                                  platform::MessageIcon icon) {
    boxes.push_back({text, title, icon});
}

FakeScreen::FakeScreen(QRect geometry) : geometry(geometry) {
    platform::set_screen_metrics(this);
}

FakeScreen::~FakeScreen() {
    platform::set_screen_metrics(nullptr);
}

}  // namespace testing_support
