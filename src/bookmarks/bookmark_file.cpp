#include "bookmarks/bookmark_file.h"

#include <QListWidget>
#include <algorithm>
#include <limits>
#include <optional>
#include <string>
#include <unordered_set>

#include "layouts/vrendis2001.h"
#include "platform/dialogs.h"
#include "platform/paths.h"
#include "settings/profile_keys.h"
#include "settings/profile_store.h"

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

// A counter as the file holds it: a whole number of at least 0.
std::optional<std::int64_t> counter_value(const std::string& text) {
    bool ok = false;
    const qint64 value = QString::fromStdString(text).trimmed().toLongLong(&ok);
    if (!ok || value < 0)
        return std::nullopt;
    return value;
}

// The number of a key "bookmark_" + decimal number, written as the add writes it (no sign, no
// leading zeros), the prefix in any case as the store matches names.
std::optional<std::int64_t> bookmark_number(const std::string& key) {
    const std::size_t prefix = std::char_traits<char>::length(keys::bookmark_prefix);
    if (key.size() <= prefix || key.size() > prefix + 18 || key[prefix] == '0')
        return std::nullopt;
    if (QString::fromStdString(key.substr(0, prefix))
            .compare(QLatin1String(keys::bookmark_prefix), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    std::int64_t number = 0;
    for (std::size_t i = prefix; i < key.size(); ++i) {
        if (key[i] < '0' || key[i] > '9')
            return std::nullopt;
        number = number * 10 + (key[i] - '0');
    }
    return number;
}

void append_row(QListWidget* list, const QString& id, std::int64_t number) {
    auto* row = new QListWidgetItem(id);
    row->setData(Qt::UserRole, QVariant::fromValue<qint64>(number));
    list->addItem(row);
}

}  // namespace

namespace {

// The bookmark section as it stands: the counter and every numbered bookmark key, values empty
// or not, the first of duplicates counting.
struct StoredSection {
    std::optional<std::int64_t> counter;
    std::vector<Bookmark> bookmarks;

    // The last number given out: the larger of the counter and the highest bookmark number
    // present, so that a counter lost or edited down never leads to an overwrite.
    std::int64_t last_number() const {
        std::int64_t last = counter.value_or(0);
        for (const Bookmark& bookmark : bookmarks) last = std::max(last, bookmark.number);
        return last;
    }
};

StoredSection read_section() {
    // One pass over the section instead of a read per number: the same bookmarks as reading
    // keys 1 to the last number in turn, without a walk through every number of a counter
    // edited up to billions.
    const auto section = settings::read_profile_section();
    StoredSection stored;
    bool counter_seen = false;
    stored.bookmarks.reserve(section.size());
    std::unordered_set<std::int64_t> numbers;
    numbers.reserve(section.size());
    for (const auto& [key, value] : section) {
        if (QString::fromStdString(key).compare(QLatin1String(keys::bookmark_counter),
                                                Qt::CaseInsensitive) == 0) {
            // The first one counts, as for every key.
            if (!counter_seen)
                stored.counter = counter_value(value);
            counter_seen = true;
            continue;
        }
        const auto number = bookmark_number(key);
        if (number && numbers.insert(*number).second)
            stored.bookmarks.push_back({*number, QString::fromStdString(value)});
    }
    return stored;
}

}  // namespace

std::vector<Bookmark> read_bookmarks() {
    open_bookmark_file();
    // Every number from 1 to the last one given out is listed; by that rule, every bookmark
    // present, whatever the counter says.
    std::vector<Bookmark> found = read_section().bookmarks;
    std::erase_if(found, [](const Bookmark& b) { return b.id.isEmpty(); });
    std::sort(found.begin(), found.end(),
              [](const Bookmark& a, const Bookmark& b) { return a.number < b.number; });
    return found;
}

Bookmark store_bookmark(const QString& id) {
    open_bookmark_file();
    settings::ProfileLock lock;
    // 1 for the first bookmark; after a damaged counter, one above the highest bookmark.
    const std::int64_t last = read_section().last_number();
    if (last >= std::numeric_limits<std::int64_t>::max() / 10)
        return {};
    const std::int64_t number = last + 1;
    settings::write_profile(std::to_string(number));
    settings::set_profile_key(bookmark_key(number));
    const bool stored = settings::write_profile(id.toStdString());
    return {number, stored ? id : QString()};
}

bool delete_bookmark(std::int64_t number) {
    open_bookmark_file();
    settings::set_profile_key(bookmark_key(number));
    return settings::delete_profile_key();
}

void restore_bookmark_list(Vrendis2001& window) {
    QListWidget* list = window.bokmarken_list;
    list->clear();
    const std::vector<Bookmark> stored = read_bookmarks();
    // All rows in one insertion, then their numbers: a row at a time costs the view a
    // notification each.
    QStringList ids;
    ids.reserve(qsizetype(stored.size()));
    for (const Bookmark& bookmark : stored) ids.append(bookmark.id);
    list->addItems(ids);
    for (int row = 0; row < list->count(); ++row)
        list->item(row)->setData(Qt::UserRole, QVariant::fromValue<qint64>(stored[row].number));
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
    const QString id = head + chest + legs;
    const Bookmark stored = store_bookmark(id);
    if (stored.id != id) {
        platform::dialogs().message_box(QStringLiteral("Bokmärket kunde inte sparas."),
                                        message_title, platform::MessageIcon::Error);
        return;
    }
    append_row(window.bokmarken_list, stored.id, stored.number);
}

void delete_listed_bookmark(Vrendis2001& window, std::int64_t number) {
    QListWidget* list = window.bokmarken_list;
    QListWidgetItem* row = nullptr;
    for (int at = 0; at < list->count() && !row; ++at) {
        bool numbered = false;
        if (list->item(at)->data(Qt::UserRole).toLongLong(&numbered) == number && numbered)
            row = list->item(at);
    }
    if (!row)
        return;
    if (!delete_bookmark(number)) {
        platform::dialogs().message_box(QStringLiteral("Bokmärket kunde inte raderas."),
                                        message_title, platform::MessageIcon::Error);
        return;
    }
    delete row;
}

}  // namespace bookmarks
