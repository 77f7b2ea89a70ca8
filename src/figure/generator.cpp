#include "figure/generator.h"

#include <array>
#include <cmath>
#include <numeric>
#include <optional>
#include <vector>

#include "layouts/fullscreen.h"
#include "layouts/vrendis2001.h"
#include "platform/dialogs.h"
#include "platform/paths.h"
#include "platform/random_source.h"
#include "settings/profile_keys.h"
#include "settings/profile_store.h"
#include "settings/shuffle.h"

namespace functions {
namespace {

using layouts::Image;
using layouts::TextBox;

// Everything the generator knows about one part kind, in the order head, chest, legs.
struct PartKind {
    const char* letter;
    const char* count_key;
    const char* directory_key;
    Image* Vrendis2001::*picture;
    Image* Fullscreen::*fullscreen_picture;
    TextBox* Vrendis2001::*holder;
    TextBox* Vrendis2001::*typed_box;
    Image* Vrendis2001::*lock_mark;
    std::int16_t single_mode;             // this part alone, main window
    std::int16_t fullscreen_single_mode;  // this part alone, full-screen window
    int error_bit;                        // of the typed-ID error mask
};

namespace keys = settings::keys;

constexpr PartKind kinds[] = {
    {"h", keys::head_count, keys::head_directory, &Vrendis2001::image_head, &Fullscreen::image_head,
     &Vrendis2001::Text2, &Vrendis2001::Text5, &Vrendis2001::bock1, NEW_HEAD, FULLSCREEN_HEAD, 4},
    {"c", keys::chest_count, keys::chest_directory, &Vrendis2001::image_chest,
     &Fullscreen::image_chest, &Vrendis2001::Text3, &Vrendis2001::Text6, &Vrendis2001::bock2,
     NEW_CHEST, FULLSCREEN_CHEST, 8},
    {"l", keys::legs_count, keys::legs_directory, &Vrendis2001::image_legs, &Fullscreen::image_legs,
     &Vrendis2001::Text4, &Vrendis2001::Text7, &Vrendis2001::bock3, NEW_LEGS, FULLSCREEN_LEGS, 16},
};
constexpr int kind_count = 3;

const QString id_prefix = QStringLiteral("  Vrendis ID:  ");
const QString empty_title = QStringLiteral("Vrendomaten - Fyll i ett ID");
const QString empty_message = QStringLiteral("Du har glömt all fylla i ett eller flera ID nummer.");
const QString error_title = QStringLiteral("Vrendomaten - Fel ID");

QString error_message(int mask) {
    switch (mask) {
        case 4:
            return QStringLiteral("ID nummret för huvudet är för högt eller felaktigt.");
        case 8:
            return QStringLiteral("ID nummret för bröstet är för högt eller felaktigt.");
        case 16:
            return QStringLiteral("ID nummret för benet är för högt eller felaktigt.");
        case 12:
            return QStringLiteral(
                "ID nummret för huvudet och bröstet är för högt eller felaktigt.");
        case 20:
            return QStringLiteral("ID nummret för huvudet och benet är för högt eller felaktigt.");
        case 24:
            return QStringLiteral("ID nummret för bröstet och benet är för högt eller felaktigt.");
        case 28:
            return QStringLiteral(
                "ID nummret för bröstet, benet och huvudet är för högt eller felaktigt.");
    }
    return {};
}

// The three counts and directories of the program profile, as read, for one call.
struct Catalogue {
    QString count[kind_count];
    QString directory[kind_count];
};

QString read_key(const char* key) {
    settings::set_profile_key(key);
    return QString::fromStdString(settings::read_profile());
}

void open_program_profile() {
    settings::set_profile_file(platform::program_path(keys::program_profile).toStdString());
    settings::set_profile_section(keys::program_section);
}

Catalogue read_catalogue() {
    Catalogue catalogue;
    open_program_profile();
    for (int k = 0; k < kind_count; ++k) catalogue.count[k] = read_key(kinds[k].count_key);
    for (int k = 0; k < kind_count; ++k) catalogue.directory[k] = read_key(kinds[k].directory_key);
    return catalogue;
}

std::optional<double> number_value(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// A count the candidate list can be built from: a whole number from 1 to 32767. Any other
// count leaves its part as it is.
std::optional<std::int16_t> part_count(const QString& count_text) {
    const std::optional<double> value = number_value(count_text);
    if (!value || *value != std::floor(*value) || *value < 1 || *value > 32767)
        return std::nullopt;
    return static_cast<std::int16_t>(*value);
}

// A typed number names a part only when it is a whole number of at least 1; "007" is 7.
bool names_no_part(const QString& text) {
    const std::optional<double> value = number_value(text);
    return !value || *value < 1 || *value != std::floor(*value);
}

// A random part number: the first entry of the shuffled list 1..count.
std::optional<std::int16_t> draw(const QString& count_text) {
    const std::optional<std::int16_t> count = part_count(count_text);
    if (!count)
        return std::nullopt;
    std::vector<std::int16_t> candidates(static_cast<std::size_t>(*count));
    std::iota(candidates.begin(), candidates.end(), std::int16_t{1});
    settings::shuffle_numbers(candidates);
    return candidates.front();
}

QString picture_path(const QString& directory, const PartKind& kind, std::int16_t number) {
    return platform::program_path(directory + QLatin1String(kind.letter) + QString::number(number) +
                                  QStringLiteral(".jpg"));
}

bool locked(const Vrendis2001& window, const PartKind& kind) {
    return layouts::visible(window.*kind.lock_mark);
}

bool all_locked(const Vrendis2001& window) {
    return locked(window, kinds[0]) && locked(window, kinds[1]) && locked(window, kinds[2]);
}

void close_splash(Vrendis2001& window) {
    window.Check1->setVisible(false);
    window.vrendis_splash->setVisible(false);
    window.Label35->setVisible(false);
}

void write_status_text(Vrendis2001& window) {
    window.StatusBar2->set_panel_text(
        1, id_prefix + window.Text2->text() + window.Text3->text() + window.Text4->text());
}

// The ID part changes only with its picture, so the ID on show always names what is shown.
void paint_main(Vrendis2001& window, const PartKind& kind, const QString& directory,
                std::int16_t number) {
    if ((window.*kind.picture)->load_picture(picture_path(directory, kind, number)))
        (window.*kind.holder)->setText(QLatin1String(kind.letter) + QString::number(number));
}

void paint_fullscreen(Vrendis2001& window, const PartKind& kind, const QString& directory,
                      std::int16_t number) {
    if (!window.fullscreen)
        return;
    (window.fullscreen->*kind.fullscreen_picture)
        ->load_picture(picture_path(directory, kind, number));
}

// Step 5: the typed numbers. False when a message box was shown and the call ends.
bool accept_typed_id(Vrendis2001& window) {
    for (const PartKind& kind : kinds) {
        if ((window.*kind.typed_box)->text().isEmpty()) {
            platform::dialogs().message_box(empty_message, empty_title,
                                            platform::MessageIcon::Information);
            return false;
        }
    }
    std::array<QString, kind_count> typed, counts;
    for (int k = 0; k < kind_count; ++k) {
        typed[k] = (window.*kinds[k].typed_box)->text();
        counts[k] = read_key(kinds[k].count_key);
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

// Steps 7 to 9 for one unlocked part.
Next paint_part(Vrendis2001& window, const PartKind& kind, const QString& count,
                const QString& directory, std::int16_t mode) {
    if (mode == kind.fullscreen_single_mode) {
        if (const auto number = draw(count))
            paint_fullscreen(window, kind, directory, *number);
        return Next::end_call;
    }
    if (mode == FULLSCREEN_STEP) {
        if (const auto number = draw(count))
            paint_fullscreen(window, kind, directory, *number);
        return Next::go_on;
    }
    if (mode == kind.single_mode) {
        if (const auto number = draw(count))
            paint_main(window, kind, directory, *number);
        write_status_text(window);
        return Next::end_call;
    }
    if (mode == TYPED_ID) {
        if (const auto number = typed_number((window.*kind.typed_box)->text()))
            paint_main(window, kind, directory, *number);
        return Next::go_on;
    }
    if (mode == NEW_FIGURE || mode == SLIDESHOW_STEP) {
        if (const auto number = draw(count))
            paint_main(window, kind, directory, *number);
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
    for (int k = 0; k < kind_count; ++k) {
        if (exceeds(typed[k], counts[k]) || names_no_part(typed[k]))
            mask += kinds[k].error_bit;
    }
    return mask;
}

// A count beyond 16 bits may have let through a number no part can have.
std::optional<std::int16_t> typed_number(const QString& text) {
    const std::optional<double> value = number_value(text);
    if (!value || names_no_part(text) || *value > 32767)
        return std::nullopt;
    return static_cast<std::int16_t>(*value);
}

void generate_figure(Vrendis2001& window, std::int16_t mode) {
    // 1. Slideshow guard: while the slideshow runs only its own tick paints.
    if (mode != SLIDESHOW_STEP && window.Slideshow_Clock->enabled())
        return;

    // 2. All-locked guard.
    if (all_locked(window))
        return;

    // 3. Close the splash panel.
    close_splash(window);

    // 4. Catalogue settings, for this call only.
    const Catalogue catalogue = read_catalogue();

    // 5. Typed-ID validation.
    if (mode == TYPED_ID && !accept_typed_id(window))
        return;

    // 6. Reseed the random source.
    platform::random_source().reseed();

    // 7 to 9. Head, chest, legs.
    for (int k = 0; k < kind_count; ++k) {
        if (locked(window, kinds[k]))
            continue;
        if (paint_part(window, kinds[k], catalogue.count[k], catalogue.directory[k], mode) ==
            Next::end_call)
            return;
    }

    // 10. Status text.
    if (mode == FULLSCREEN_STEP)
        return;
    write_status_text(window);
}

}  // namespace functions
