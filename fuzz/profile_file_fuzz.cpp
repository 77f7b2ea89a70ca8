// libFuzzer target for the private-profile engine: arbitrary file bytes, names and values.
// Checks that the indexed read and the plain scan agree, that a written value reads back as
// written (less NUL, CR and LF, capped), and that a write changes nothing else: no byte outside
// the one line, no other key's value.
#include <fuzzer/FuzzedDataProvider.h>

#include <QString>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "settings/profile_file.h"
#include "settings/text_codec.h"

namespace {

using settings::ProfileFile;

// What the failing input was about, printed with the failure.
QString context;

void check(bool ok, const char* what) {
    if (ok)
        return;
    std::fprintf(stderr, "profile_file_fuzz: %s\n%s\n", what, qPrintable(context));
    std::abort();
}

QString shown(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toPercentEncoding(" =[];\"'"));
}

// How a name is matched: no NUL, CR or LF, no blanks around it, case folded.
QString folded(QString name) {
    name.remove(QChar(0)).remove(QChar('\r')).remove(QChar('\n'));
    auto blank = [](QChar c) { return c == ' ' || c == '\t' || c == '\v' || c == '\r'; };
    while (!name.isEmpty() && blank(name.front())) name.remove(0, 1);
    while (!name.isEmpty() && blank(name.back())) name.chop(1);
    return name.toCaseFolded();
}

QString text(const std::string& utf8) {
    return settings::from_utf8(utf8.data(), qsizetype(utf8.size()));
}

QString as_read(QString value) {
    value.remove(QChar(0)).remove(QChar('\r')).remove(QChar('\n'));
    qsizetype at = 0;
    for (int n = 0; n < ProfileFile::max_read_length && at < value.size(); ++n)
        at += value[at].isHighSurrogate() ? 2 : 1;  // from UTF-8: pairs are whole
    return value.left(at);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const QString section = text(input.ConsumeRandomLengthString(12));
    const QString key = text(input.ConsumeRandomLengthString(12));
    const QString value = text(input.ConsumeRandomLengthString(400));
    const QString other_section = text(input.ConsumeRandomLengthString(12));
    const QString other_key = text(input.ConsumeRandomLengthString(12));
    const QByteArray before = QByteArray::fromStdString(input.ConsumeRemainingBytesAsString());

    const ProfileFile file(before);
    const QByteArray after = file.with_value(section, key, value);
    context =
        QString("section %1, key %2, value %3\nother section %4, key %5\nbefore %6\nafter  %7")
            .arg(shown(section.toUtf8()), shown(key.toUtf8()), shown(value.toUtf8()),
                 shown(other_section.toUtf8()), shown(other_key.toUtf8()), shown(before),
                 shown(after));
    const QString other_before = file.value(other_section, other_key);
    check(other_before == file.value_by_scan(other_section, other_key), "index and scan differ");
    check(file.value(section, key) == file.value_by_scan(section, key), "index and scan differ");

    if (!ProfileFile::can_write(section, key)) {
        check(after == before, "unwritable names changed the file");
        return 0;
    }
    const ProfileFile written(after);
    check(written.value(section, key) == as_read(value), "value does not read back");
    check(written.value_by_scan(section, key) == as_read(value), "value does not read back");
    if (folded(other_section) != folded(section) || folded(other_key) != folded(key)) {
        check(written.value(other_section, other_key) == other_before, "another key changed");
        check(written.value_by_scan(other_section, other_key) == other_before,
              "another key changed");
    }

    // Outside what changed, the bytes are the old ones; what was taken out lies within one line.
    qsizetype prefix = 0;
    const qsizetype shorter = std::min(before.size(), after.size());
    while (prefix < shorter && before[prefix] == after[prefix]) ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    const QByteArray removed = before.mid(prefix, before.size() - suffix - prefix);
    check(!removed.contains('\n'), "a write changed more than one line");
    check(!after.startsWith("\xEF\xBB\xBF") || before.startsWith("\xEF\xBB\xBF"),
          "a byte-order mark appeared");
    return 0;
}
