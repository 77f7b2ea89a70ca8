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
    // 1. Nothing while the slideshow runs.
    if (main_window::slideshow_running(window))
        return;

    // 2. Close the splash panel.
    main_window::close_splash(window);

    // 3. All three parts locked.
    if (main_window::all_locked(window))
        return;

    // 4. The common range and the three picture folders.
    const QString range_text = settings::read_program_profile(settings::ProgramKey::common_count);
    QString folders[std::size(catalogue::parts)];
    for (Part part : catalogue::parts)
        folders[catalogue::index(part)] =
            settings::read_program_profile(catalogue::directory_key(part));

    // 5.
    platform::random_source().reseed();

    // 6, 7. The number table 1..n; a range that is no count leaves every part as it is.
    std::vector<std::int16_t> numbers;
    if (const std::optional<std::int16_t> range = catalogue::count_value(range_text)) {
        numbers.resize(static_cast<std::size_t>(*range));
        std::iota(numbers.begin(), numbers.end(), std::int16_t{1});
    }

    // 8 to 10. Each unlocked part takes the first entry of a fresh shuffle of the same table.
    for (Part part : catalogue::parts) {
        if (main_window::locked(window, part) || numbers.empty())
            continue;
        settings::shuffle_numbers(numbers);
        const QString id = catalogue::part_id(part, numbers.front());
        main_window::show_part(window, part,
                               catalogue::picture_path(folders[catalogue::index(part)], id), id);
    }

    // 11. The ID bar.
    main_window::show_id(window);
}

}  // namespace figure
