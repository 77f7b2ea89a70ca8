#include "support/test_doubles.h"

namespace testing_support {

CapturedDialogs::CapturedDialogs() {
    platform::set_dialogs(this);
}

CapturedDialogs::~CapturedDialogs() {
    platform::set_dialogs(nullptr);
}

QString CapturedDialogs::save_file_name(const QString& title, const QString& suggested_path,
                                        const QString& filter, const QString& default_suffix) {
    save_dialogs.push_back({title, suggested_path, filter, default_suffix});
    return save_answer;
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
