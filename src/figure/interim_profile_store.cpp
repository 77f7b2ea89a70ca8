// A minimal profile store that lets the program run until the settings module's own engine is
// in the tree; src/figure/CMakeLists.txt leaves it out as soon as that engine is there.
// Private-profile rules kept: sections and keys case-insensitive, blanks around values
// trimmed, a missing file, section or key reads as empty.
#include <QByteArray>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QString>

#include "settings/profile_store.h"

namespace settings {
namespace {

struct Current {
    std::string file;
    std::string section;
    std::string key;
} current;

bool is_section_line(const QByteArray& line, QByteArray* name) {
    const QByteArray trimmed = line.trimmed();
    if (!trimmed.startsWith('[') || !trimmed.endsWith(']'))
        return false;
    *name = trimmed.mid(1, trimmed.size() - 2).trimmed();
    return true;
}

QList<QByteArray> read_lines() {
    QFile file(QString::fromStdString(current.file));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = file.readAll().split('\n');
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool same(const QByteArray& a, const std::string& b) {
    return a.compare(QByteArray::fromStdString(b), Qt::CaseInsensitive) == 0;
}

}  // namespace

void set_profile_file(const std::string& path) {
    current.file = path;
}
void set_profile_section(const std::string& section) {
    current.section = section;
}
void set_profile_key(const std::string& key) {
    current.key = key;
}

std::string read_profile() {
    bool in_section = false;
    for (const QByteArray& line : read_lines()) {
        QByteArray name;
        if (is_section_line(line, &name)) {
            in_section = same(name, current.section);
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!in_section || equals < 0)
            continue;
        if (same(line.left(equals).trimmed(), current.key))
            return line.mid(equals + 1).trimmed().left(254).toStdString();
    }
    return {};
}

void write_profile(const std::string& value) {
    QByteArray clean = QByteArray::fromStdString(value);
    clean.replace('\0', QByteArray()).replace('\r', QByteArray()).replace('\n', QByteArray());
    const QByteArray entry = QByteArray::fromStdString(current.key) + '=' + clean;
    QList<QByteArray> lines = read_lines();
    bool in_section = false;
    qsizetype section_end = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray name;
        if (is_section_line(lines[i], &name)) {
            if (in_section)
                break;
            in_section = same(name, current.section);
            if (in_section)
                section_end = i + 1;
            continue;
        }
        if (!in_section)
            continue;
        const qsizetype equals = lines[i].indexOf('=');
        if (equals >= 0 && same(lines[i].left(equals).trimmed(), current.key)) {
            lines[i] = entry;
            section_end = -2;
            break;
        }
        if (!lines[i].trimmed().isEmpty())
            section_end = i + 1;
    }
    if (section_end == -1) {
        lines.append('[' + QByteArray::fromStdString(current.section) + ']');
        lines.append(entry);
    } else if (section_end >= 0) {
        lines.insert(section_end, entry);
    }
    QSaveFile file(QString::fromStdString(current.file));
    if (!file.open(QIODevice::WriteOnly))
        return;
    for (const QByteArray& line : lines) file.write(line + "\r\n");
    file.commit();
}

struct ProfileLock::State {
    QLockFile lock;
    bool locked = false;
};

ProfileLock::ProfileLock()
    : state_(new State{QLockFile(QString::fromStdString(current.file) + ".lock")}) {
    state_->locked = state_->lock.tryLock(5000);
}

ProfileLock::~ProfileLock() = default;

bool ProfileLock::locked() const {
    return state_->locked;
}

}  // namespace settings
