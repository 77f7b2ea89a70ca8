// libFuzzer target for the bookmark restore: any bytes as "\bookmark.dat". The one-pass restore
// must list exactly what reading "bookmark_1" up to "Counter" one key at a time finds (for
// counters small enough to walk), in number order, and the digit scan of every listed row must
// give back the three numbers of a well-formed ID.
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bookmarks/bookmark_panel.h"
#include "platform/paths.h"
#include "settings/bookmark_store.h"
#include "settings/profile_store.h"

namespace {

QByteArray input_bytes;

void check(bool ok, const char* what) {
    if (ok)
        return;
    std::fprintf(stderr, "bookmarks_fuzz: %s\nfile %s\n", what,
                 input_bytes.toPercentEncoding(" =[];\"'").constData());
    std::abort();
}

QString& bookmark_path() {
    static QString path;
    return path;
}

// Bookmarks as reading every number up to the counter finds them.
std::vector<settings::Bookmark> read_one_by_one(std::int64_t counter) {
    std::vector<settings::Bookmark> found;
    settings::set_profile_file(bookmark_path().toStdString());
    settings::set_profile_section("Bookmarks");
    for (std::int64_t n = 1; n <= counter; ++n) {
        settings::set_profile_key("bookmark_" + std::to_string(n));
        const std::string value = settings::read_profile();
        if (!value.empty())
            found.push_back({n, QString::fromStdString(value)});
    }
    return found;
}

std::optional<std::int64_t> stored_counter() {
    settings::set_profile_file(bookmark_path().toStdString());
    settings::set_profile_section("Bookmarks");
    settings::set_profile_key("Counter");
    bool ok = false;
    const qint64 value = QString::fromStdString(settings::read_profile()).trimmed().toLongLong(&ok);
    if (!ok || value < 0)
        return std::nullopt;
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A program directory of our own, in memory where there is a RAM disk.
    static QTemporaryDir directory(QFile::exists("/dev/shm") ? "/dev/shm/bookmarks_fuzz-XXXXXX"
                                                             : QString());
    if (!directory.isValid())
        std::abort();
    platform::set_program_directory(directory.path());
    bookmark_path() = platform::program_path("\\bookmark.dat");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    input_bytes = QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        QFile file(bookmark_path());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(input_bytes) != input_bytes.size())
            std::abort();
    }

    const std::vector<settings::Bookmark> listed = settings::read_bookmarks();
    const std::optional<std::int64_t> counter = stored_counter();
    check(counter || listed.empty(), "bookmarks listed without a counter");
    for (std::size_t i = 0; i < listed.size(); ++i) {
        check(listed[i].number >= 1 && listed[i].number <= *counter, "a number outside 1..Counter");
        check(!listed[i].id.isEmpty(), "an empty row");
        check(i == 0 || listed[i - 1].number < listed[i].number, "rows out of number order");
    }
    if (counter && *counter <= 40) {
        const auto expected = read_one_by_one(*counter);
        check(expected.size() == listed.size(), "the restore and the key-by-key read differ");
        for (std::size_t i = 0; i < listed.size(); ++i)
            check(expected[i].number == listed[i].number && expected[i].id == listed[i].id,
                  "the restore and the key-by-key read differ");
    }

    static const QRegularExpression well_formed(QStringLiteral("^h(\\d+)c(\\d+)l(\\d+)$"));
    for (const settings::Bookmark& row : listed) {
        const bookmarks::IdDigits digits = bookmarks::scan_id(row.id);
        check(digits.head.size() + digits.chest.size() + digits.legs.size() <= row.id.size(),
              "the scan made up characters");
        const QRegularExpressionMatch match = well_formed.match(row.id);
        if (match.hasMatch())
            check(digits.head == match.captured(1) && digits.chest == match.captured(2) &&
                      digits.legs == match.captured(3),
                  "a well-formed ID scanned wrongly");
    }
    return 0;
}
