#include "figure/generator.h"

#include <array>
#include <cmath>
#include <optional>

#include "catalogue/catalogue.h"
#include "platform/dialogs.h"
#include "platform/random_source.h"
#include "settings/program_profile.h"
#include "window/verbs.h"

namespace functions {
namespace {

using catalogue::Part;
using main_window::PartControls;

// What the generator adds to the part table: the modes that change this part alone, and the
// part's bit of the typed-ID error mask.
struct PartModes {
    std::int16_t single_mode;             // this part alone, main window
    std::int16_t fullscreen_single_mode;  // this part alone, full-screen window
    int error_bit;
};

// The bits of the typed-ID error mask.
constexpr int head_error = 4;
constexpr int chest_error = 8;
constexpr int legs_error = 16;

constexpr PartModes modes[] = {
    {NEW_HEAD, FULLSCREEN_HEAD, head_error},
    {NEW_CHEST, FULLSCREEN_CHEST, chest_error},
    {NEW_LEGS, FULLSCREEN_LEGS, legs_error},
};

const PartModes& modes_of(Part part) {
    return modes[catalogue::index(part)];
}

const QString empty_title = QStringLiteral("Vrendomaten - Fyll i ett ID");
const QString empty_message = QStringLiteral("Du har glömt all fylla i ett eller flera ID nummer.");
const QString error_title = QStringLiteral("Vrendomaten - Fel ID");

QString error_message(int mask) {
    switch (mask) {
        case head_error:
            return QStringLiteral("ID nummret för huvudet är för högt eller felaktigt.");
        case chest_error:
            return QStringLiteral("ID nummret för bröstet är för högt eller felaktigt.");
        case legs_error:
            return QStringLiteral("ID nummret för benet är för högt eller felaktigt.");
        case head_error | chest_error:
            return QStringLiteral(
                "ID nummret för huvudet och bröstet är för högt eller felaktigt.");
        case head_error | legs_error:
            return QStringLiteral("ID nummret för huvudet och benet är för högt eller felaktigt.");
        case chest_error | legs_error:
            return QStringLiteral("ID nummret för bröstet och benet är för högt eller felaktigt.");
        case head_error | chest_error | legs_error:
            return QStringLiteral(
                "ID nummret för bröstet, benet och huvudet är för högt eller felaktigt.");
    }
    return {};
}

std::optional<double> number_value(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// A typed number names a part only when it is a whole number of at least 1; "007" is 7.
bool names_no_part(const QString& text) {
    const std::optional<double> value = number_value(text);
    return !value || *value < 1 || *value != std::floor(*value);
}

// The ID part changes only with its picture, so the ID on show always names what is shown.
void paint_main(Vrendis2001& window, Part part, const catalogue::Catalogue& catalogue,
                std::int16_t number) {
    main_window::show_part(window, part, catalogue.picture_path(part, number),
                           catalogue::part_id(part, number));
}

void paint_fullscreen(Vrendis2001& window, Part part, const catalogue::Catalogue& catalogue,
                      std::int16_t number) {
    if (!window.fullscreen)
        return;
    (window.fullscreen->*main_window::controls_of(part).fullscreen_picture)
        ->load_picture(catalogue.picture_path(part, number));
}

// Checks the typed numbers before any part changes. False when a message box was shown and the
// call ends.
bool accept_typed_id(Vrendis2001& window) {
    for (const PartControls& controls : main_window::part_controls) {
        if ((window.*controls.typed_box)->text().isEmpty()) {
            platform::dialogs().message_box(empty_message, empty_title,
                                            platform::MessageIcon::Information);
            return false;
        }
    }
    std::array<QString, 3> typed, counts;
    for (const PartControls& controls : main_window::part_controls) {
        const std::size_t at = catalogue::index(controls.part);
        typed[at] = (window.*controls.typed_box)->text();
        counts[at] = settings::read_program_profile(catalogue::count_key(controls.part));
    }
    const int mask = typed_id_errors(typed, counts);
    if (mask > 0) {
        platform::dialogs().message_box(error_message(mask), error_title,
                                        platform::MessageIcon::Error);
        return false;
    }
    window.editid->setVisible(false);
    window.bookmarks->setVisible(true);
    return true;
}

enum class Next { go_on, end_call };

// Paints one unlocked part as the mode asks. end_call when the mode changes this part alone.
Next paint_part(Vrendis2001& window, Part part, const catalogue::Catalogue& catalogue,
                std::int16_t mode) {
    const QString& count = catalogue.count_of(part);
    if (mode == modes_of(part).fullscreen_single_mode) {
        if (const auto number = catalogue::draw(count))
            paint_fullscreen(window, part, catalogue, *number);
        return Next::end_call;
    }
    if (mode == FULLSCREEN_STEP) {
        if (const auto number = catalogue::draw(count))
            paint_fullscreen(window, part, catalogue, *number);
        return Next::go_on;
    }
    if (mode == modes_of(part).single_mode) {
        if (const auto number = catalogue::draw(count))
            paint_main(window, part, catalogue, *number);
        main_window::show_id(window);
        return Next::end_call;
    }
    if (mode == TYPED_ID) {
        const PartControls& controls = main_window::controls_of(part);
        if (const auto number = typed_number((window.*controls.typed_box)->text()))
            paint_main(window, part, catalogue, *number);
        return Next::go_on;
    }
    if (mode == NEW_FIGURE || mode == SLIDESHOW_STEP) {
        if (const auto number = catalogue::draw(count))
            paint_main(window, part, catalogue, *number);
    }
    return Next::go_on;
}

}  // namespace

bool exceeds(const QString& text, const QString& count_text) {
    const std::optional<double> value = number_value(text);
    const std::optional<double> count = number_value(count_text);
    if (!value || !count)
        return true;
    return *value > std::trunc(*count);
}

int typed_id_errors(const std::array<QString, 3>& typed, const std::array<QString, 3>& counts) {
    int mask = 0;
    for (Part part : catalogue::parts) {
        const std::size_t at = catalogue::index(part);
        if (exceeds(typed[at], counts[at]) || names_no_part(typed[at]))
            mask += modes_of(part).error_bit;
    }
    return mask;
}

// A count beyond 16 bits may have let through a number no part can have.
std::optional<std::int16_t> typed_number(const QString& text) {
    const std::optional<double> value = number_value(text);
    if (!value || names_no_part(text) || *value > catalogue::largest_count)
        return std::nullopt;
    return static_cast<std::int16_t>(*value);
}

void generate_figure(Vrendis2001& window, std::int16_t mode) {
    // While the slideshow runs only its own tick paints.
    if (mode != SLIDESHOW_STEP && main_window::slideshow_running(window))
        return;

    // With every part locked nothing changes, not even the splash.
    if (main_window::all_locked(window))
        return;

    main_window::close_splash(window);

    // The counts and folders as the profile has them now, for this call only.
    const catalogue::Catalogue catalogue = catalogue::Catalogue::read();

    // A typed ID is checked whole before any part changes.
    if (mode == TYPED_ID && !accept_typed_id(window))
        return;

    platform::random_source().reseed();

    // Head, chest, legs, in that order; a locked part keeps its picture.
    for (Part part : catalogue::parts) {
        if (main_window::locked(window, part))
            continue;
        if (paint_part(window, part, catalogue, mode) == Next::end_call)
            return;
    }

    // The status bar shows the ID; the full-screen view's tick leaves the main window alone.
    if (mode == FULLSCREEN_STEP)
        return;
    main_window::show_id(window);
}

}  // namespace functions
