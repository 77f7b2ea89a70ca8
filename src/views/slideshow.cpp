#include <QString>
#include <algorithm>
#include <cmath>
#include <optional>

#include "figure/digit_filter.h"
#include "figure/generator.h"
#include "layouts/artwork.h"
#include "views/handlers.h"
#include "window/verbs.h"

namespace views {
namespace {

namespace artwork = layouts::artwork;

constexpr int longest_interval = 40000;
// An interval text above the largest one the start command takes is set to the fallback.
constexpr int largest_interval = 65530;
constexpr int fallback_interval = 65500;

// The numeric value of an interval text; none for an empty text or one that is no number.
std::optional<double> value_of(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The integer value of a number, rounded to the nearest (half to even).
int integer_of(double value) {
    return static_cast<int>(std::nearbyint(value));
}

void start_stop(Vrendis2001& window) {
    // A text that is no number (every digit deleted, something pasted) takes the slider's
    // value, so that what follows always has a number to work with.
    if (!value_of(window.Text1->text()))
        window.Text1->setText(QString::number(window.Slider1->value()));

    // An interval of 0 becomes 1; one above the largest takes the fallback.
    if (window.Text1->text() == QLatin1String("0"))
        window.Text1->setText(QStringLiteral("1"));
    const std::optional<double> value = value_of(window.Text1->text());
    if (!value || *value > largest_interval)
        window.Text1->setText(QString::number(fallback_interval));

    // With all three parts locked the command does nothing more.
    if (main_window::all_locked(window))
        return;

    main_window::close_splash(window);

    // The interval, read afresh at every start.
    window.Slideshow_Clock->set_interval(slideshow_interval(window));

    if (main_window::slideshow_running(window)) {
        main_window::stop_slideshow(window);
    } else {
        // The first figure comes one interval later.
        artwork::load(window.Image11, artwork::btn_stop_slideshow_on);
        window.Slideshow_Clock->set_enabled(true);
        window.Text1->setEnabled(false);
        window.Slider1->setEnabled(false);
        artwork::load(window.Image10, artwork::btn_skapa_off);
    }
}

}  // namespace

int slideshow_interval(const Vrendis2001& window) {
    const std::optional<double> value = value_of(window.Text1->text());
    if (!value)
        return window.Slider1->value();
    // The change handler keeps the text from 1 to 40000 and the start command below 65531;
    // a pasted fraction or negative number still gives a timer interval that ticks.
    return std::max(1, integer_of(std::min(*value, double(largest_interval))));
}

void Image19_Click(Vrendis2001& window) {
    start_stop(window);
}

void mnustartslideshow_Click(Vrendis2001& window) {
    start_stop(window);
}

void Slideshow_Clock_Timer(Vrendis2001& window) {
    functions::generate_figure(window, functions::SLIDESHOW_STEP);
}

void Text1_KeyPress(Vrendis2001&, int& key_ascii) {
    figure::accept_digit_key(key_ascii);
}

// Text and slider feed each other; each changes only when its value really changes, so the
// exchange ends as soon as both agree.
void Text1_Change(Vrendis2001& window) {
    const std::optional<double> value = value_of(window.Text1->text());
    // An empty text, or one that is no number, leaves the slider where it is.
    if (!value)
        return;
    if (*value > 0 && *value < longest_interval) {
        window.Slider1->setValue(integer_of(*value));
    } else if (*value >= longest_interval) {
        window.Slider1->setValue(longest_interval);
        window.Text1->setText(QString::number(longest_interval));
    } else {
        window.Slider1->setValue(1);
        window.Text1->setText(QStringLiteral("1"));
    }
}

void Slider1_Change(Vrendis2001& window) {
    window.Text1->setText(QString::number(window.Slider1->value()));
}

}  // namespace views
