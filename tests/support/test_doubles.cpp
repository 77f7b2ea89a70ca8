#include "support/test_doubles.h"

namespace testing_support {

CapturedDialogs::CapturedDialogs() {
    platform::set_dialogs(this);
}

CapturedDialogs::~CapturedDialogs() {
    platform::set_dialogs(nullptr);
}

bool CapturedDialogs::question(const QString& text, const QString& title) {
    boxes.push_back({text, title, platform::MessageIcon::Question});
    return question_answer;
}

QString CapturedDialogs::save_file_name(const QString& title, const QString& suggested_path,
                                        const QString& filter, const QString& default_suffix,
                                        platform::Replacing replacing) {
    save_dialogs.push_back({title, suggested_path, filter, default_suffix, replacing});
    return save_answer;
}

std::optional<QString> CapturedDialogs::ask_text(
    const QString& title, const QString& label, const QString& accept_caption,
    const std::function<bool(const QString& text)>& acceptable) {
    text_dialogs.push_back({title, label, accept_caption});
    while (!text_answers.empty()) {
        const QString text = text_answers.front();
        text_answers.pop_front();
        if (acceptable(text))
            return text;
    }
    return std::nullopt;
}

QString CapturedDialogs::open_file_name(const QString& title, const QString& folder,
                                        const QString& filter) {
    open_dialogs.push_back({title, folder, filter});
    return open_answer;
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
