#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

// One private-profile (INI) file, read the way GetPrivateProfileStringA read the old program's
// files and rewritten the way WritePrivateProfileStringA wrote them, except that a rewrite
// touches only the one line it must (or inserts one). The rules are spelled out in
// profile_file.cpp. The bytes are UTF-8, or Windows-1252 on lines that are not valid UTF-8.
namespace settings {

class ProfileFile {
public:
    // The old program read into a 255-character buffer: at most 254 characters (code points)
    // come back.
    static constexpr qsizetype max_read_length = 254;
    // Larger files are searched line by line at every read instead of indexed, so that a huge
    // file costs time, not gigabytes of index.
    static constexpr qsizetype index_limit = 8 << 20;

    explicit ProfileFile(QByteArray bytes = {});

    const QByteArray& bytes() const { return bytes_; }

    // The value of key in section, or the empty text. Case-insensitive names, blanks trimmed,
    // one pair of matching quotes removed, cut at a NUL, capped at max_read_length.
    QString value(const QString& section, const QString& key) const;
    // The same, or nothing when the file does not hold the key (an empty value is held).
    std::optional<QString> held_value(const QString& section, const QString& key) const;
    // The same answer found by a plain scan of the lines, without the index.
    QString value_by_scan(const QString& section, const QString& key) const;

    // The file's bytes with key in section set to value (NUL, CR and LF dropped). Unchanged
    // bytes when a name cannot be written so that it reads back (a "=" in a key, say).
    QByteArray with_value(const QString& section, const QString& key, const QString& value) const;
    // The same for several keys of section in turn, in one copy of the bytes.
    QByteArray with_values(const QString& section,
                           const std::vector<std::pair<QString, QString>>& values) const;
    // The file's bytes without the key's lines in section, line ends included.
    QByteArray without_key(const QString& section, const QString& key) const;

    // Calls visit(name, value) for the key lines of section in file order, the name as spelled
    // in the file and the value as value() reads it, both in UTF-8 and valid only during the
    // call; duplicates too (value() answers with the first). One pass, and no copy of a line
    // that is UTF-8 already: for a caller that wants a whole large section.
    using EntryVisitor = std::function<void(QByteArrayView name, QByteArrayView value)>;
    void visit_entries(const QString& section, const EntryVisitor& visit) const;
    // False for names that would not read back as themselves: a "]" in a section name; a "=" in
    // a key or a key that begins with ";" or "[".
    static bool can_write(const QString& section, const QString& key);

private:
    struct Line;
    struct Place;
    // Bytes at..at+length replaced by bytes.
    struct Change {
        qsizetype at, length;
        QByteArray bytes;
    };
    std::optional<Change> change_for(const QString& section, const QString& key,
                                     const QString& value) const;
    Line line_at(qsizetype begin) const;
    QString name_of(const Line& line) const;
    QString value_of(const Line& line) const;
    QByteArrayView utf8_value_of(const Line& line) const;
    bool name_is(const Line& line, const QString& folded_name) const;
    Place find(const QString& section, const QString& key) const;
    void build_index() const;

    QByteArray bytes_;
    qsizetype first_line_ = 0;  // past a UTF-8 byte-order mark
    // Folded section name -> its keys (folded name -> line start); first occurrences only.
    mutable std::optional<QHash<QString, qsizetype>> sections_;
    mutable std::vector<QHash<QString, qsizetype>> keys_;
};

}  // namespace settings
