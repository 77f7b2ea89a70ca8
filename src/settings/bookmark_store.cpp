#include "settings/bookmark_store.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <optional>
#include <string>

#include "platform/paths.h"
#include "settings/profile_keys.h"
#include "settings/profile_store.h"
#include "settings/text_codec.h"

namespace settings {
namespace {

void open_bookmark_file() {
    set_profile_file(platform::program_path(keys::bookmark_file).toStdString());
    set_profile_section(keys::bookmark_section);
    set_profile_key(keys::bookmark_counter);
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
    return from_utf8(key.data(), qsizetype(key.size()))
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

// Bookmarks in file order, their IDs side by side in one run of bytes: a pass hands out views
// that last only as long as the pass.
class FoundBookmarks {
public:
    void add(std::int64_t number, std::string_view id) {
        ids_.append(id);
        ends_.push_back(ids_.size());
        numbers_.push_back(number);
    }
    std::size_t size() const { return numbers_.size(); }
    std::int64_t number(std::size_t at) const { return numbers_[at]; }
    std::string_view id(std::size_t at) const {
        const std::size_t begin = at == 0 ? 0 : ends_[at - 1];
        return std::string_view(ids_).substr(begin, ends_[at] - begin);
    }

private:
    std::string ids_;
    std::vector<std::size_t> ends_;
    std::vector<std::int64_t> numbers_;
};

// The bookmark section as it stands, read in one pass: the counter, the highest bookmark number
// and, when asked for, the bookmarks with their IDs.
struct StoredSection {
    std::optional<std::int64_t> counter;
    std::int64_t highest = 0;
    // Whether the numbers rise and every bookmark has an ID, as the add writes them.
    bool ordered = true;

    // The last number given out: the larger of the counter and the highest bookmark number
    // present, so that a counter lost or edited down never leads to an overwrite.
    std::int64_t last_number() const { return std::max(counter.value_or(0), highest); }
};

// One pass over the section instead of a read per number: the same bookmarks as reading keys 1
// to the last number in turn. Bookmarks go to found when given.
StoredSection read_section(const SectionPass& pass, FoundBookmarks* found) {
    StoredSection stored;
    bool counter_seen = false;
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
        stored.ordered = stored.ordered && *number > stored.highest && !value.empty();
        stored.highest = std::max(stored.highest, *number);
        if (found)
            found->add(*number, value);
    });
    return stored;
}

// The stored bookmarks in number order: of a number written twice the first counts, and one
// without an ID is no bookmark. A file as the program writes it is in that order already.
void visit_in_number_order(const FoundBookmarks& found, bool ordered,
                           const BookmarkVisitor& visit) {
    if (ordered) {
        for (std::size_t at = 0; at < found.size(); ++at) visit(found.number(at), found.id(at));
        return;
    }
    std::vector<std::size_t> order(found.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return found.number(a) < found.number(b);
    });
    for (std::size_t at = 0; at < order.size(); ++at) {
        const std::size_t row = order[at];
        const bool duplicate = at > 0 && found.number(order[at - 1]) == found.number(row);
        if (!duplicate && !found.id(row).empty())
            visit(found.number(row), found.id(row));
    }
}

}  // namespace

void visit_bookmarks(const BookmarkVisitor& visit) {
    open_bookmark_file();
    FoundBookmarks found;
    const StoredSection stored = read_section(visit_profile_section, &found);
    visit_in_number_order(found, stored.ordered, visit);
}

std::vector<Bookmark> read_bookmarks() {
    std::vector<Bookmark> bookmarks;
    visit_bookmarks([&bookmarks](std::int64_t number, std::string_view id) {
        bookmarks.push_back({number, QString::fromUtf8(id.data(), qsizetype(id.size()))});
    });
    return bookmarks;
}

Bookmark store_bookmark(const QString& id) {
    open_bookmark_file();
    std::int64_t number = 0;
    // The number, the counter and the bookmark in one rewrite of the file.
    const bool stored = update_profile_section([&](const SectionPass& pass) {
        // 1 for the first bookmark; after a damaged counter, one above the highest bookmark.
        const std::int64_t last = read_section(pass, nullptr).last_number();
        if (last >= std::numeric_limits<std::int64_t>::max() / 10)
            return ProfileValues{};
        number = last + 1;
        return ProfileValues{{keys::bookmark_counter, std::to_string(number)},
                             {bookmark_key(number), id.toStdString()}};
    });
    return {number, stored && number > 0 ? id : QString()};
}

bool delete_bookmark(std::int64_t number) {
    open_bookmark_file();
    set_profile_key(bookmark_key(number));
    return delete_profile_key();
}

}  // namespace settings
