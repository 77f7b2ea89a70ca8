#include <optional>

#include "bookmarks/bookmark_panel.h"
#include "catalogue/name.h"
#include "keeping/handlers.h"
#include "platform/dialogs.h"
#include "window/verbs.h"

namespace keeping {
namespace {

void beep() {
    platform::dialogs().beep();
}

// The catalogue's counts; nothing when one of them is no count.
std::optional<catalogue::PartNumbers> counts() {
    const catalogue::Catalogue read = catalogue::Catalogue::read();
    catalogue::PartNumbers counts{};
    for (catalogue::Part part : catalogue::parts) {
        const std::optional<std::int16_t> count = catalogue::count_value(read.count_of(part));
        if (!count)
            return std::nullopt;
        counts[catalogue::index(part)] = *count;
    }
    return counts;
}

}  // namespace

void mnuname_Click(Vrendis2001& window) {
    if (main_window::slideshow_running(window) || main_window::all_locked(window)) {
        beep();
        return;
    }
    // A name of nothing but blanks gives no figure: the dialog stays for another.
    const std::optional<QString> name =
        platform::dialogs().ask_text(QStringLiteral("Vrendomaten - Vrendis för ett namn"),
                                     QStringLiteral("Samma namn ger alltid samma vrendis.\n&Namn:"),
                                     QStringLiteral("Visa"), [](const QString& text) {
                                         const bool named = !text.trimmed().isEmpty();
                                         if (!named)
                                             beep();
                                         return named;
                                     });
    if (!name)
        return;
    const std::optional<catalogue::PartNumbers> counted = counts();
    if (!counted) {
        beep();
        return;
    }
    bookmarks::show_bookmark(window,
                             catalogue::figure_id(*catalogue::figure_for_name(*name, *counted)));
}

}  // namespace keeping
