#include "settings/profile_file.h"

#include <algorithm>
#include <cstring>

#include "settings/text_codec.h"

// The format, as the old Windows program's files have it:
// - A line ends at CR LF, at LF or at CR alone, as Windows reads them. Lines are parsed on
//   their bytes: every character that matters (blanks [ ] ; = " ') is ASCII, and no byte of a
//   UTF-8 or Windows-1252 multi-byte character is.
// - Blanks are space, tab and vertical tab.
// - After leading blanks: ";" starts a comment; "[" up to the first "]" is a section header
//   (its name trimmed, the rest of the line ignored; without a "]" the name runs to the end of
//   the line, as Windows reads it); otherwise a line with "=" is a key line (name before the
//   first "=", value after it, both trimmed); anything else is kept and ignored.
// - A rewritten line that was the file's last, unterminated one is ended with CR LF, as Windows
//   ends every line it writes.
// - Lines before the first section belong to none. Of duplicate sections and duplicate keys in
//   a section only the first counts.
// - Names match case-insensitively (Unicode case folding).
// - A line that is valid UTF-8 is UTF-8, any other line Windows-1252. A UTF-8 byte-order mark
//   at the start is skipped.
namespace settings {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\v';
}

bool is_blank(QChar c) {
    return c.unicode() < 0x80 && is_blank(char(c.unicode()));
}

QString decode(const char* data, qsizetype size, bool utf8) {
    return utf8 ? from_utf8(data, size) : from_windows_1252(data, size);
}

// A name as the caller gave it, the way the file would hold it: no NUL, CR or LF, no blanks
// around it.
QString clean(QString text) {
    text.remove(QChar(0)).remove(QChar('\r')).remove(QChar('\n'));
    qsizetype begin = 0, end = text.size();
    while (begin < end && is_blank(text[begin])) ++begin;
    while (end > begin && is_blank(text[end - 1])) --end;
    return text.mid(begin, end - begin);
}

QString folded(const QString& name) {
    // A name of printable ASCII without blanks at its ends, as every name the program asks for
    // is, needs no cleaning, and folding only lowers its capitals: a figure asks for several.
    const bool plain = !name.isEmpty() && !is_blank(name.front()) && !is_blank(name.back()) &&
                       std::all_of(name.cbegin(), name.cend(), [](QChar c) {
                           return c.unicode() >= 0x20 && c.unicode() < 0x7F;
                       });
    if (!plain)
        return clean(name).toCaseFolded();
    QString lowered = name;
    for (QChar& c : lowered) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    return lowered;
}

// A value in quotes when it would not read back as itself otherwise: blanks around it are
// trimmed on reading, and so is one pair of matching quotes.
QString quoted_if_needed(QString value) {
    value.remove(QChar(0)).remove(QChar('\r')).remove(QChar('\n'));
    if (value.isEmpty())
        return value;
    const QChar first = value.front(), last = value.back();
    const bool in_quotes = value.size() >= 2 && first == last && (first == '"' || first == '\'');
    if (in_quotes || is_blank(first) || is_blank(last))
        return '"' + value + '"';
    return value;
}

// At most max_read_length code points, never half a surrogate pair.
QString capped(QString text) {
    qsizetype at = 0;
    for (qsizetype count = 0; at < text.size() && count < ProfileFile::max_read_length; ++count)
        at += (text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate())
                  ? 2
                  : 1;
    text.truncate(at);
    return text;
}

bool is_ascii(const QByteArray& bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

// A line for a Windows-1252 file is written in Windows-1252 when it can be and would read back
// as such; otherwise (a character Windows-1252 lacks, or bytes that happen to be valid UTF-8)
// in UTF-8, which this reader reads back exactly and which changes no other line.
QByteArray encoded(const QString& line, bool windows_1252) {
    if (windows_1252) {
        auto bytes = to_windows_1252(line);
        if (bytes && (is_ascii(*bytes) || !is_utf8(bytes->constData(), bytes->size())))
            return *bytes;
    }
    return line.toUtf8();
}

}  // namespace

struct ProfileFile::Line {
    enum Kind { Other, Comment, Section, Key } kind = Other;
    qsizetype begin = 0, end = 0, next = 0;    // content [begin, end); the next line starts at next
    qsizetype name_begin = 0, name_end = 0;    // trimmed section or key name
    qsizetype value_begin = 0, value_end = 0;  // trimmed value, quotes still on
    bool utf8 = true;
    bool terminated() const { return next > end; }
};

// Where a key is, or where it would go.
struct ProfileFile::Place {
    std::optional<Line> key;     // the key's line
    std::optional<Line> anchor;  // the section's last key line, or its header
};

ProfileFile::ProfileFile(QByteArray bytes) : bytes_(std::move(bytes)) {
    if (bytes_.startsWith("\xEF\xBB\xBF"))
        first_line_ = 3;
}

ProfileFile::Line ProfileFile::line_at(qsizetype begin) const {
    const char* d = bytes_.constData();
    const qsizetype size = bytes_.size();
    Line line;
    line.begin = begin;
    const auto* lf = static_cast<const char*>(std::memchr(d + begin, '\n', size - begin));
    const qsizetype lf_at = lf ? lf - d : size;
    const auto* cr = static_cast<const char*>(std::memchr(d + begin, '\r', lf_at - begin));
    line.end = cr ? cr - d : lf_at;
    line.next = std::min(size, line.end + ((cr && cr + 1 == lf) ? 2 : 1));
    line.utf8 = is_utf8(d + begin, line.end - begin);

    auto trim = [&](qsizetype from, qsizetype to, qsizetype& out_begin, qsizetype& out_end) {
        while (from < to && is_blank(d[from])) ++from;
        while (to > from && is_blank(d[to - 1])) --to;
        out_begin = from;
        out_end = to;
    };
    qsizetype first = begin;
    while (first < line.end && is_blank(d[first])) ++first;
    if (first == line.end)
        return line;
    if (d[first] == ';') {
        line.kind = Line::Comment;
        return line;
    }
    if (d[first] == '[') {
        const auto* close = static_cast<const char*>(std::memchr(d + first, ']', line.end - first));
        line.kind = Line::Section;
        trim(first + 1, close ? close - d : line.end, line.name_begin, line.name_end);
        return line;
    }
    if (const auto* equals =
            static_cast<const char*>(std::memchr(d + first, '=', line.end - first))) {
        line.kind = Line::Key;
        trim(first, equals - d, line.name_begin, line.name_end);
        trim(equals - d + 1, line.end, line.value_begin, line.value_end);
    }
    return line;
}

QString ProfileFile::name_of(const Line& line) const {
    return decode(bytes_.constData() + line.name_begin, line.name_end - line.name_begin, line.utf8);
}

namespace {

// A value's bytes as they read: without one pair of matching quotes, up to a NUL.
QByteArrayView unquoted(const char* d, qsizetype begin, qsizetype end) {
    if (end - begin >= 2 && (d[begin] == '"' || d[begin] == '\'') && d[end - 1] == d[begin]) {
        ++begin;
        --end;
    }
    // The old program got a C string: it ends at a NUL.
    if (const void* nul = std::memchr(d + begin, 0, end - begin))
        end = static_cast<const char*>(nul) - d;
    return QByteArrayView(d + begin, end - begin);
}

}  // namespace

QString ProfileFile::value_of(const Line& line) const {
    const QByteArrayView value = unquoted(bytes_.constData(), line.value_begin, line.value_end);
    return capped(decode(value.data(), value.size(), line.utf8));
}

// value_of() in UTF-8, for a line that is UTF-8: the same characters, capped alike.
QByteArrayView ProfileFile::utf8_value_of(const Line& line) const {
    const QByteArrayView value = unquoted(bytes_.constData(), line.value_begin, line.value_end);
    qsizetype characters = 0;
    for (qsizetype at = 0; at < value.size(); ++at) {
        // A character starts at every byte that does not continue one.
        if ((static_cast<unsigned char>(value[at]) & 0xC0) != 0x80 &&
            ++characters > max_read_length)
            return value.first(at);
    }
    return value;
}

// Whether the line's name, case-folded, is folded_name. An ASCII name, the usual case, is
// compared on its bytes: folding only lowers its letters.
bool ProfileFile::name_is(const Line& line, const QString& folded_name) const {
    const char* name = bytes_.constData() + line.name_begin;
    const qsizetype size = line.name_end - line.name_begin;
    for (qsizetype i = 0; i < size; ++i)
        if (static_cast<unsigned char>(name[i]) >= 0x80)
            return name_of(line).toCaseFolded() == folded_name;
    if (size != folded_name.size())
        return false;
    for (qsizetype i = 0; i < size; ++i) {
        const char c = name[i];
        const char lower = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
        if (folded_name[i].unicode() != char16_t(lower))
            return false;
    }
    return true;
}

ProfileFile::Place ProfileFile::find(const QString& section, const QString& key) const {
    Place place;
    for (qsizetype at = first_line_; at < bytes_.size();) {
        const Line line = line_at(at);
        if (line.kind == Line::Section) {
            if (place.anchor)
                break;  // the end of the first matching section
            if (name_is(line, section))
                place.anchor = line;
        } else if (line.kind == Line::Key && place.anchor) {
            if (name_is(line, key)) {
                place.key = line;
                break;
            }
            place.anchor = line;
        }
        at = line.next;
    }
    return place;
}

void ProfileFile::build_index() const {
    sections_.emplace();
    qsizetype current = -1;
    for (qsizetype at = first_line_; at < bytes_.size();) {
        const Line line = line_at(at);
        if (line.kind == Line::Section) {
            const QString name = name_of(line).toCaseFolded();
            current = -1;
            if (!sections_->contains(name)) {
                current = qsizetype(keys_.size());
                sections_->insert(name, current);
                keys_.emplace_back();
            }
        } else if (line.kind == Line::Key && current >= 0) {
            auto& keys = keys_[current];
            const QString name = name_of(line).toCaseFolded();
            if (!keys.contains(name))
                keys.insert(name, line.begin);
        }
        at = line.next;
    }
}

QString ProfileFile::value(const QString& section, const QString& key) const {
    return held_value(section, key).value_or(QString());
}

std::optional<QString> ProfileFile::held_value(const QString& section, const QString& key) const {
    if (bytes_.size() > index_limit) {
        const Place place = find(folded(section), folded(key));
        return place.key ? std::optional(value_of(*place.key)) : std::nullopt;
    }
    if (!sections_)
        build_index();
    const auto s = sections_->constFind(folded(section));
    if (s == sections_->cend())
        return std::nullopt;
    const auto& keys = keys_[*s];
    const auto k = keys.constFind(folded(key));
    if (k == keys.cend())
        return std::nullopt;
    return value_of(line_at(*k));
}

QString ProfileFile::value_by_scan(const QString& section, const QString& key) const {
    const Place place = find(folded(section), folded(key));
    return place.key ? value_of(*place.key) : QString();
}

bool ProfileFile::can_write(const QString& section_name, const QString& key_name) {
    const QString key = clean(key_name);
    return !clean(section_name).contains(']') && !key.contains('=') && !key.startsWith(';') &&
           !key.startsWith('[');
}

QByteArray ProfileFile::with_value(const QString& section, const QString& key,
                                   const QString& value) const {
    return with_values(section, {{key, value}});
}

QByteArray ProfileFile::with_values(const QString& section,
                                    const std::vector<std::pair<QString, QString>>& values) const {
    // Each change found on the bytes as the one before left them, all made in one copy with
    // room for every line a change may add.
    qsizetype room = 0;
    for (const auto& [key, value] : values)
        room += 3 * (section.size() + key.size() + value.size()) + 16;
    QByteArray out;
    out.reserve(bytes_.size() + room);
    out.append(bytes_);
    for (const auto& [key, value] : values)
        if (const auto change = ProfileFile(out).change_for(section, key, value))
            out.replace(change->at, change->length, change->bytes);
    return out;
}

std::optional<ProfileFile::Change> ProfileFile::change_for(const QString& section_name,
                                                           const QString& key_name,
                                                           const QString& value_text) const {
    if (!can_write(section_name, key_name))
        return std::nullopt;
    const QString section = clean(section_name), key = clean(key_name);
    const QString value = quoted_if_needed(value_text);
    // Only a line beyond ASCII depends on how the file is encoded.
    const auto encode = [this](const QString& line) {
        const bool ascii =
            std::all_of(line.begin(), line.end(), [](QChar c) { return c.unicode() < 0x80; });
        return encoded(line, !ascii && !is_utf8(bytes_.constData(), bytes_.size()));
    };

    const Place place = find(section.toCaseFolded(), key.toCaseFolded());
    if (place.key) {
        // In place, keeping the file's spelling of the key and the line's own line end.
        const Line& line = *place.key;
        QByteArray rewritten = encode(name_of(line) + '=' + value);
        if (!line.terminated())
            rewritten += "\r\n";
        return Change{line.begin, line.end - line.begin, rewritten};
    }
    if (place.anchor) {
        QByteArray added = encode(key + '=' + value) + "\r\n";
        if (!place.anchor->terminated())
            added.prepend("\r\n");
        return Change{place.anchor->next, 0, added};
    }
    QByteArray added;
    if (bytes_.size() > first_line_ && !bytes_.endsWith('\n'))
        added += "\r\n";
    added += encode('[' + section + ']') + "\r\n";
    added += encode(key + '=' + value) + "\r\n";
    return Change{bytes_.size(), 0, added};
}

QByteArray ProfileFile::without_key(const QString& section, const QString& key) const {
    QByteArray out = bytes_;
    // A key written twice by hand: every copy goes, or the next one would surface.
    for (;;) {
        const Place place = ProfileFile(out).find(folded(section), folded(key));
        if (!place.key)
            return out;
        out.remove(place.key->begin, place.key->next - place.key->begin);
    }
}

void ProfileFile::visit_entries(const QString& section_name, const EntryVisitor& visit) const {
    const QString section = folded(section_name);
    bool inside = false;
    for (qsizetype at = first_line_; at < bytes_.size();) {
        const Line line = line_at(at);
        if (line.kind == Line::Section) {
            if (inside)
                break;  // only the first matching section counts
            inside = name_is(line, section);
        } else if (line.kind == Line::Key && inside) {
            if (line.utf8) {
                visit(QByteArrayView(bytes_.constData() + line.name_begin,
                                     line.name_end - line.name_begin),
                      utf8_value_of(line));
            } else {
                visit(name_of(line).toUtf8(), value_of(line).toUtf8());
            }
        }
        at = line.next;
    }
}

}  // namespace settings
