// libFuzzer target for the bookmark restore: any bytes as "\bookmark.dat". The one-pass restore
// must list, in number order, every bookmark that reading "bookmark_" + number one key at a time
// finds, whatever the counter says (a counter missing, damaged or too low hides none), and each
// with that very ID; the digit scan of every listed row must give back the three numbers of a
// well-formed ID.
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

// The ID stored under the number, read as every other key is: empty when there is none.
QString read_one(std::int64_t number) {
    settings::set_profile_file(bookmark_path().toStdString());
    settings::set_profile_section("Bookmarks");
    settings::set_profile_key("bookmark_" + std::to_string(number));
    return QString::fromStdString(settings::read_profile());
}

// Numbers this small are all read one by one, so that a bookmark the restore misses shows.
constexpr std::int64_t walked = 40;

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
    std::size_t small = 0;  // listed rows numbered up to walked
    for (std::size_t i = 0; i < listed.size(); ++i) {
        check(listed[i].number >= 1, "a number below 1");
        check(!listed[i].id.isEmpty(), "an empty row");
        check(i == 0 || listed[i - 1].number < listed[i].number, "rows out of number order");
        check(read_one(listed[i].number) == listed[i].id, "a row the key-by-key read differs from");
        if (listed[i].number <= walked)
            ++small;
    }
    std::size_t found = 0;
    for (std::int64_t n = 1; n <= walked; ++n) found += read_one(n).isEmpty() ? 0 : 1;
    check(found == small, "a bookmark the key-by-key read finds is not listed");

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
