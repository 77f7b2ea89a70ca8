#include "figure/create_new.h"

#include <QString>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <optional>
#include <vector>

#include "layouts/vrendis2001.h"
#include "platform/paths.h"
#include "platform/random_source.h"
#include "settings/profile_keys.h"
#include "settings/profile_store.h"
#include "settings/shuffle.h"

namespace figure {
namespace {

namespace keys = settings::keys;
using layouts::Image;
using layouts::TextBox;

struct Part {
    const char* letter;
    Image* Vrendis2001::*lock_mark;
    Image* Vrendis2001::*picture;
    TextBox* Vrendis2001::*holder;
};

// Head, chest, legs, in this order.
constexpr Part parts[] = {
    {"h", &Vrendis2001::bock1, &Vrendis2001::image_head, &Vrendis2001::Text2},
    {"c", &Vrendis2001::bock2, &Vrendis2001::image_chest, &Vrendis2001::Text3},
    {"l", &Vrendis2001::bock3, &Vrendis2001::image_legs, &Vrendis2001::Text4},
};

QString read_key(const char* key) {
    settings::set_profile_key(key);
    return QString::fromStdString(settings::read_profile());
}

// The common range: a whole number from 1 to 32767, or none, which leaves every part as it is.
std::optional<std::int16_t> range_of(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value != std::floor(value) || value < 1 || value > 32767)
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

}  // namespace

void mnucreatevrendis_Click(Vrendis2001& window) {
    // 1. Nothing while the slideshow runs.
    if (window.Slideshow_Clock->enabled())
        return;

    // 2. Close the splash panel.
    window.Check1->setVisible(false);
    window.vrendis_splash->setVisible(false);
    window.Label35->setVisible(false);

    // 3. All three parts locked.
    if (layouts::visible(window.bock1) && layouts::visible(window.bock2) &&
        layouts::visible(window.bock3))
        return;

    // 4. The common range and the three picture folders.
    settings::set_profile_file(platform::program_path(keys::program_profile).toStdString());
    settings::set_profile_section(keys::program_section);
    const QString range_text = read_key(keys::common_count);
    const QString folders[] = {read_key(keys::head_directory), read_key(keys::chest_directory),
                               read_key(keys::legs_directory)};

    // 5.
    platform::random_source().reseed();

    // 6, 7. The number table 1..n.
    std::vector<std::int16_t> numbers;
    if (const std::optional<std::int16_t> range = range_of(range_text)) {
        numbers.resize(static_cast<std::size_t>(*range));
        std::iota(numbers.begin(), numbers.end(), std::int16_t{1});
    }

    // 8 to 10. Each unlocked part takes the first entry of a fresh shuffle of the same table.
    for (std::size_t k = 0; k < std::size(parts); ++k) {
        const Part& part = parts[k];
        if (layouts::visible(window.*part.lock_mark) || numbers.empty())
            continue;
        settings::shuffle_numbers(numbers);
        const QString number = QString::number(numbers.front());
        const QString path = platform::program_path(folders[k] + QLatin1String(part.letter) +
                                                    number + QStringLiteral(".jpg"));
        // The ID part changes only with its picture, so the ID on show names what is shown.
        if ((window.*part.picture)->load_picture(path))
            (window.*part.holder)->setText(QLatin1String(part.letter) + number);
    }

    // 11. The ID bar.
    window.StatusBar2->set_panel_text(1, QStringLiteral("  Vrendis ID:  ") + window.Text2->text() +
                                             window.Text3->text() + window.Text4->text());
}

}  // namespace figure
