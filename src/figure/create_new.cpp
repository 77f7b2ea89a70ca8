#include "figure/create_new.h"

#include <QString>
#include <cstdint>
#include <numeric>
#include <optional>
#include <vector>

#include "catalogue/catalogue.h"
#include "platform/random_source.h"
#include "settings/program_profile.h"
#include "settings/shuffle.h"
#include "window/verbs.h"

namespace figure {

using catalogue::Part;

void mnucreatevrendis_Click(Vrendis2001& window) {
    // The slideshow owns the figure while it runs.
    if (main_window::slideshow_running(window))
        return;

    // The splash closes even when every part is locked and nothing else changes.
    main_window::close_splash(window);
    if (main_window::all_locked(window))
        return;

    // Every part draws from the one common range, not from its own count.
    const QString range_text = settings::read_program_profile(settings::ProgramKey::common_count);
    QString folders[std::size(catalogue::parts)];
    for (Part part : catalogue::parts)
        folders[catalogue::index(part)] =
            settings::read_program_profile(catalogue::directory_key(part));

    platform::random_source().reseed();

    // The numbers 1..n; a range that is no count leaves every part as it is.
    std::vector<std::int16_t> numbers;
    if (const std::optional<std::int16_t> range = catalogue::count_value(range_text)) {
        numbers.resize(static_cast<std::size_t>(*range));
        std::iota(numbers.begin(), numbers.end(), std::int16_t{1});
    }

    // Each unlocked part takes the first entry of a fresh shuffle of the same numbers.
    for (Part part : catalogue::parts) {
        if (main_window::locked(window, part) || numbers.empty())
            continue;
        settings::shuffle_numbers(numbers);
        const QString id = catalogue::part_id(part, numbers.front());
        main_window::show_part(window, part,
                               catalogue::picture_path(folders[catalogue::index(part)], id), id);
    }

    main_window::show_id(window);
}

}  // namespace figure
