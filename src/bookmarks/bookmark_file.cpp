#include "bookmarks/bookmark_file.h"

#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <limits>
#include <memory>
#include <numeric>
#include <optional>
#include <string>
#include <string_view>

#include "layouts/event_hook.h"
#include "layouts/list_rows.h"
#include "layouts/vrendis2001.h"
#include "platform/dialogs.h"
#include "platform/paths.h"
#include "settings/profile_keys.h"
#include "settings/profile_store.h"
#include "settings/text_codec.h"

namespace bookmarks {
namespace {

namespace keys = settings::keys;

const QString message_title = QStringLiteral("Vrendomaten - Bokmärken");

void open_bookmark_file() {
    settings::set_profile_file(platform::program_path(keys::bookmark_file).toStdString());
    settings::set_profile_section(keys::bookmark_section);
    settings::set_profile_key(keys::bookmark_counter);
}

std::string bookmark_key(std::int64_t number) {
    return keys::bookmark_prefix + std::to_string(number);
}

bool is_ascii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char ascii_lower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool ascii_equal_ignoring_case(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return ascii_lower(x) == ascii_lower(y);
           });
}

// Whether a key is the counter, its name matched as the store matches names.
bool is_counter_key(std::string_view key) {
    if (is_ascii(key))
        return ascii_equal_ignoring_case(key, keys::bookmark_counter);
    // Decoded as the store decodes names: QString::fromStdString would drop a leading U+FEFF
    // and take a key the store never answers for as the counter.
    return settings::from_utf8(key.data(), qsizetype(key.size()))
               .compare(QLatin1String(keys::bookmark_counter), Qt::CaseInsensitive) == 0;
}

// A counter as the file holds it: a whole number of at least 0.
std::optional<std::int64_t> counter_value(std::string_view text) {
    bool ok = false;
    const qint64 value =
        QString::fromUtf8(text.data(), qsizetype(text.size())).trimmed().toLongLong(&ok);
    if (!ok || value < 0)
        return std::nullopt;
    return value;
}

// The number of a key "bookmark_" + decimal number, written as the add writes it (no sign, no
// leading zeros), the prefix in any case.
std::optional<std::int64_t> bookmark_number(std::string_view key) {
    const std::string_view prefix = keys::bookmark_prefix;
    if (key.size() <= prefix.size() || key.size() > prefix.size() + 18 ||
        key[prefix.size()] == '0' ||
        !ascii_equal_ignoring_case(key.substr(0, prefix.size()), prefix))
        return std::nullopt;
    std::int64_t number = 0;
    for (char digit : key.substr(prefix.size())) {
        if (digit < '0' || digit > '9')
            return std::nullopt;
        number = number * 10 + (digit - '0');
    }
    return number;
}

// A bookmark ID as the list shows it.
void append_row(layouts::ListRows& rows, std::string_view id, std::int64_t number) {
    if (is_ascii(id))
        rows.append(QLatin1StringView(id.data(), qsizetype(id.size())), number);
    else
        rows.append(QStringView(QString::fromUtf8(id.data(), qsizetype(id.size()))), number);
}

// The bookmark section as it stands, read in one pass: the counter, the highest bookmark number
// and, when asked for, the bookmarks with their IDs.
struct StoredSection {
    std::optional<std::int64_t> counter;
    std::int64_t highest = 0;

    // The last number given out: the larger of the counter and the highest bookmark number
    // present, so that a counter lost or edited down never leads to an overwrite.
    std::int64_t last_number() const { return std::max(counter.value_or(0), highest); }
};

// The stored bookmarks in number order: of a number written twice the first counts, and one
// without an ID is no bookmark. A file as the program writes it is in that order already.
layouts::ListRows in_number_order(layouts::ListRows found, bool ordered) {
    if (ordered)
        return found;
    std::vector<qsizetype> order(std::size_t(found.size()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](qsizetype a, qsizetype b) { return found.data(a) < found.data(b); });
    layouts::ListRows sorted;
    for (std::size_t at = 0; at < order.size(); ++at) {
        const qsizetype row = order[at];
        const bool duplicate = at > 0 && found.data(order[at - 1]) == found.data(row);
        if (!duplicate && !found.text(row).isEmpty())
            sorted.append(found.text(row), found.data(row));
    }
    return sorted;
}

// One pass over the section instead of a read per number: the same bookmarks as reading keys 1
// to the last number in turn, without a walk through every number of a counter edited up to
// billions. Bookmarks go to rows when given.
StoredSection read_section(const settings::SectionPass& pass, layouts::ListRows* rows) {
    StoredSection stored;
    bool counter_seen = false;
    layouts::ListRows found;
    // Whether the numbers rise and every bookmark has an ID, as the add writes them.
    bool ordered = true;
    pass([&](std::string_view key, std::string_view value) {
        if (is_counter_key(key)) {
            // The first one counts, as for every key.
            if (!counter_seen)
                stored.counter = counter_value(value);
            counter_seen = true;
            return;
        }
        const auto number = bookmark_number(key);
        if (!number)
            return;
        ordered = ordered && *number > stored.highest && !value.empty();
        stored.highest = std::max(stored.highest, *number);
        if (rows)
            append_row(found, value, *number);
    });
    if (rows)
        *rows = in_number_order(std::move(found), ordered);
    return stored;
}

layouts::ListRows stored_rows() {
    open_bookmark_file();
    layouts::ListRows rows;
    read_section(settings::visit_profile_section, &rows);
    return rows;
}

}  // namespace

std::vector<Bookmark> read_bookmarks() {
    const layouts::ListRows rows = stored_rows();
    std::vector<Bookmark> found;
    found.reserve(std::size_t(rows.size()));
    for (qsizetype row = 0; row < rows.size(); ++row)
        found.push_back({rows.data(row), rows.text(row).toString()});
    return found;
}

Bookmark store_bookmark(const QString& id) {
    open_bookmark_file();
    std::int64_t number = 0;
    // The number, the counter and the bookmark in one rewrite of the file.
    const bool stored = settings::update_profile_section([&](const settings::SectionPass& pass) {
        // 1 for the first bookmark; after a damaged counter, one above the highest bookmark.
        const std::int64_t last = read_section(pass, nullptr).last_number();
        if (last >= std::numeric_limits<std::int64_t>::max() / 10)
            return settings::ProfileValues{};
        number = last + 1;
        return settings::ProfileValues{{keys::bookmark_counter, std::to_string(number)},
                                       {bookmark_key(number), id.toStdString()}};
    });
    return {number, stored && number > 0 ? id : QString()};
}

bool delete_bookmark(std::int64_t number) {
    open_bookmark_file();
    settings::set_profile_key(bookmark_key(number));
    return settings::delete_profile_key();
}

namespace {

// A waiting restore is a timer of the list, started by the window's first paint.
const QString waiting_restore = QStringLiteral("waiting_restore");

QTimer* restore_waiting(Vrendis2001& window) {
    return window.bokmarken_list->findChild<QTimer*>(waiting_restore, Qt::FindDirectChildrenOnly);
}

}  // namespace

void restore_bookmark_list(Vrendis2001& window) {
    if (QTimer* waiting = restore_waiting(window)) {
        waiting->setObjectName(QString());
        waiting->stop();
        waiting->deleteLater();
    }
    window.bokmarken_list->set_rows(stored_rows());
}

void restore_bookmark_list_after_first_paint(Vrendis2001& window) {
    QPointer<QTimer> waiting = new QTimer(window.bokmarken_list);
    waiting->setObjectName(waiting_restore);
    waiting->setSingleShot(true);
    QObject::connect(waiting, &QTimer::timeout, &window,
                     [&window] { finish_bookmark_restore(window); });
    // After the paint, once its events are handled: the first figure is on screen by then.
    auto hook = std::make_shared<layouts::EventHook*>(nullptr);
    *hook = new layouts::EventHook(&window, [hook, waiting](QEvent* event) {
        if (event->type() != QEvent::Paint)
            return;
        (*hook)->remove();
        if (waiting)
            waiting->start(0);
    });
}

void finish_bookmark_restore(Vrendis2001& window) {
    if (restore_waiting(window))
        restore_bookmark_list(window);
}

void add_current_figure(Vrendis2001& window) {
    const QString head = window.Text2->text();
    const QString chest = window.Text3->text();
    const QString legs = window.Text4->text();
    // No figure shown yet: nothing worth keeping, and the user hears so.
    if (head.isEmpty() || chest.isEmpty() || legs.isEmpty()) {
        platform::dialogs().beep();
        return;
    }
    finish_bookmark_restore(window);
    const QString id = head + chest + legs;
    const Bookmark stored = store_bookmark(id);
    if (stored.id != id) {
        platform::dialogs().message_box(QStringLiteral("Bokmärket kunde inte sparas."),
                                        message_title, platform::MessageIcon::Error);
        return;
    }
    window.bokmarken_list->add_item(stored.id, stored.number);
}

void delete_listed_bookmark(Vrendis2001& window, std::int64_t number) {
    layouts::ListBox* list = window.bokmarken_list;
    int row = 0;
    while (row < list->count() && list->item_data(row) != number) ++row;
    if (row == list->count())
        return;
    if (!delete_bookmark(number)) {
        platform::dialogs().message_box(QStringLiteral("Bokmärket kunde inte raderas."),
                                        message_title, platform::MessageIcon::Error);
        return;
    }
    list->remove_item(row);
}

}  // namespace bookmarks
