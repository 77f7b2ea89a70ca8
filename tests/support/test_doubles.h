#pragma once

#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "platform/dialogs.h"
#include "platform/random_source.h"
#include "platform/screen_metrics.h"

namespace testing_support {

// A random source that returns scripted values, then repeats the last one (0 when none).
// Installed for its lifetime.
class ScriptedRandom final : public platform::RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> values = {});
    ~ScriptedRandom() override;
    void script(std::vector<float> values);
    void reseed() override { ++reseeds; }
    float next() override;

    int reseeds = 0;
    int draws = 0;

private:
    std::deque<float> values_;
    float last_ = 0.0f;
};

// Records message boxes and beeps instead of showing them. Installed for its lifetime.
class CapturedDialogs final : public platform::Dialogs {
public:
    struct Box {
        QString text;
        QString title;
        platform::MessageIcon icon;
        bool window_modal = false;
    };

    CapturedDialogs();
    ~CapturedDialogs() override;
    void message_box(const QString& text, const QString& title,
                     platform::MessageIcon icon) override;
    void window_modal_box(QWidget&, const QString& text, const QString& title,
                          platform::MessageIcon icon) override {
        boxes.push_back({text, title, icon, true});
    }
    void beep() override { ++beeps; }
    // Answers with question_answer, recording the question as a box.
    bool question(const QString& text, const QString& title) override;
    // Answers with save_answer, as if the user chose that file (empty: cancelled).
    QString save_file_name(const QString& title, const QString& suggested_path,
                           const QString& filter, const QString& default_suffix,
                           platform::Replacing replacing) override;
    // Offers the texts of text_answers in turn, as if typed and "accept_caption" pressed after
    // each, until one is acceptable; cancelled when none is left.
    std::optional<QString> ask_text(
        const QString& title, const QString& label, const QString& accept_caption,
        const std::function<bool(const QString& text)>& acceptable) override;

    std::vector<Box> boxes;
    int beeps = 0;
    struct SaveDialog {
        QString title;
        QString suggested_path;
        QString filter;
        QString default_suffix;
        platform::Replacing replacing;
    };
    std::vector<SaveDialog> save_dialogs;
    QString save_answer;
    bool question_answer = false;
    struct TextDialog {
        QString title;
        QString label;
        QString accept_caption;
    };
    std::vector<TextDialog> text_dialogs;
    std::deque<QString> text_answers;
    // Answers with open_answer, as if the user chose that file (empty: cancelled).
    QString open_file_name(const QString& title, const QString& folder,
                           const QString& filter) override;
    struct OpenDialog {
        QString title;
        QString folder;
        QString filter;
    };
    std::vector<OpenDialog> open_dialogs;
    QString open_answer;
};

// Pretends that every widget stands on a screen of the given geometry. Installed for its
// lifetime.
class FakeScreen final : public platform::ScreenMetrics {
public:
    explicit FakeScreen(QRect geometry);
    ~FakeScreen() override;
    QRect screen_geometry(const QWidget&) override { return geometry; }

    QRect geometry;
};

}  // namespace testing_support
