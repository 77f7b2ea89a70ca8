#include "settings/profile_store.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QThread>
#include <map>

#include "platform/file_writer.h"
#include "platform/paths.h"
#include "settings/profile_file.h"
#include "settings/profile_keys.h"
#include "settings/text_codec.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace settings {

namespace {

// Profiles are a few hundred bytes; anything past this is not one of ours.
constexpr qint64 size_limit = qint64(256) << 20;
// Our locks are held for milliseconds; one older than this is left by a hung program (a crashed
// one is noticed at once by its process id).
constexpr int stale_lock_ms = 10'000;
constexpr int lock_wait_ms = stale_lock_ms + 1'000;
// File times tick coarsely (a few ms on Linux): a file changed this recently may change again
// with the same time stamp, so its parsed copy is checked against the bytes until it is older.
constexpr qint64 racy_ns = 50'000'000;

struct Current {
    QString file, section, key;
};

// The program profile's user copy holds what the user changed, read over the installed profile;
// any other file's copy is the user's whole file.
platform::UserCopy user_copy(const QString& path) {
    const QLatin1String profile(keys::program_profile);
    return QFileInfo(path).fileName() == profile.sliced(1)  // past the backslash
               ? platform::UserCopy::over_program_file
               : platform::UserCopy::instead_of_program_file;
}

Current& current() {
    static Current state;
    return state;
}

// What tells one version of a file from the next.
struct Stamp {
    bool regular = false;
    qint64 size = 0, modified_ns = 0, changed_ns = 0;
    quint64 device = 0, inode = 0;
    bool operator==(const Stamp&) const = default;
};

std::optional<Stamp> stamp_of(const QString& path) {
    Stamp stamp;
#ifdef Q_OS_UNIX
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    stamp.regular = S_ISREG(st.st_mode);
    stamp.size = st.st_size;
    stamp.modified_ns = qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    stamp.changed_ns = qint64(st.st_ctim.tv_sec) * 1'000'000'000 + st.st_ctim.tv_nsec;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
#else
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    stamp.regular = info.isFile();
    stamp.size = info.size();
    stamp.modified_ns = info.lastModified().toMSecsSinceEpoch() * 1'000'000;
    stamp.changed_ns = info.metadataChangeTime().toMSecsSinceEpoch() * 1'000'000;
#endif
    return stamp;
}

QString text_of(const std::string& utf8) {
    return from_utf8(utf8.data(), qsizetype(utf8.size()));
}

qint64 now_ns() {
    return QDateTime::currentMSecsSinceEpoch() * 1'000'000;
}

// The bytes of a regular file of sane size, or nothing.
std::optional<QByteArray> read_bytes(const QString& path, const Stamp& stamp) {
    if (!stamp.regular || stamp.size > size_limit)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.size() > size_limit)
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || bytes.size() > size_limit)
        return std::nullopt;
    return bytes;
}

// Parsed copies of the files read lately, reused while the file is unchanged.
struct Cached {
    Stamp stamp;
    qint64 read_at_ns = 0;  // taken before the stamp
    std::shared_ptr<const ProfileFile> file;
    bool trusted() const {
        return std::max(stamp.modified_ns, stamp.changed_ns) < read_at_ns - racy_ns;
    }
};

QHash<QString, Cached>& cache() {
    static QHash<QString, Cached> files;
    return files;
}

long& looks() {
    static long count = 0;
    return count;
}

std::shared_ptr<const ProfileFile> parsed(const QString& path) {
    ++looks();
    auto& files = cache();
    const qint64 now = now_ns();
    const auto stamp = stamp_of(path);
    const auto cached = files.constFind(path);
    if (stamp && cached != files.cend() && cached->stamp == *stamp && cached->trusted())
        return cached->file;

    const auto bytes = stamp ? read_bytes(path, *stamp) : std::nullopt;
    if (!bytes) {
        files.remove(path);
        return nullptr;
    }
    // A recent file read again: keep its index when the bytes are the same.
    auto file = (cached != files.cend() && cached->file->bytes() == *bytes)
                    ? cached->file
                    : std::make_shared<const ProfileFile>(*bytes);
    if (files.size() >= 8 && !files.contains(path))
        files.clear();
    files.insert(path, Cached{*stamp, now, file});
    return file;
}

// Writes change(the bytes of source) to path, crash-safely: source is path itself, or the file
// a new copy starts from. A missing file reads as empty and is created only when the change
// gives it bytes.
template <class Change>
bool rewrite(const QString& path, const QString& source, Change change) {
    QByteArray old;
    const auto stamp = stamp_of(source);
    if (stamp) {
        // An existing file we cannot read is never replaced.
        auto bytes = read_bytes(source, *stamp);
        if (!bytes)
            return false;
        old = std::move(*bytes);
    }
    const QByteArray updated = change(ProfileFile(old));
    if (updated == old)
        return true;

    return platform::write_file(path, updated);
}

// The inter-process locks this process holds, counted so that nested holders do not lock again.
struct HeldLock {
    std::unique_ptr<QLockFile> lock;
    int depth = 0;
};

std::map<QString, HeldLock>& held_locks() {
    static std::map<QString, HeldLock> locks;
    return locks;
}

QString lock_key(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

bool take_lock(const QString& key) {
    auto& locks = held_locks();
    if (auto held = locks.find(key); held != locks.end()) {
        ++held->second.depth;
        return true;
    }
    auto lock = std::make_unique<QLockFile>(key + ".lock");
    lock->setStaleLockTime(stale_lock_ms);
    // Our own short waits: QLockFile::tryLock(timeout) sleeps 100 ms, then 200, 400, ... and
    // starves behind a program that takes the lock again and again.
    const QDeadlineTimer deadline(lock_wait_ms);
    for (int sleep_ms = 1; !lock->tryLock(0); sleep_ms = std::min(2 * sleep_ms, 16)) {
        if (lock->error() != QLockFile::LockFailedError || deadline.hasExpired())
            return false;
        QThread::msleep(sleep_ms);
    }
    locks[key] = HeldLock{std::move(lock), 1};
    return true;
}

void release_lock(const QString& key) {
    auto& locks = held_locks();
    if (auto held = locks.find(key); held != locks.end() && --held->second.depth == 0)
        locks.erase(held);
}

}  // namespace

void set_profile_file(const std::string& path) {
    current().file = text_of(path);
}

void set_profile_section(const std::string& section) {
    current().section = text_of(section);
}

void set_profile_key(const std::string& key) {
    current().key = text_of(key);
}

namespace {

// The current file as it reads now: each file it is read from, the first that holds a key first.
std::vector<std::shared_ptr<const ProfileFile>> files_read() {
    std::vector<std::shared_ptr<const ProfileFile>> files;
    if (current().file.isEmpty())
        return files;
    for (const QString& path : platform::files_to_read(current().file, user_copy(current().file))) {
        if (auto file = parsed(path))
            files.push_back(std::move(file));
    }
    return files;
}

std::string value_in(const std::vector<std::shared_ptr<const ProfileFile>>& files,
                     const QString& section, const QString& key) {
    for (const auto& file : files) {
        if (const auto value = file->held_value(section, key))
            return value->toStdString();
    }
    return {};
}

}  // namespace

std::string read_profile() {
    return value_in(files_read(), current().section, current().key);
}

std::vector<std::string> read_profile_keys(const std::vector<std::string>& keys) {
    const auto files = files_read();
    std::vector<std::string> values;
    values.reserve(keys.size());
    for (const std::string& key : keys)
        values.push_back(value_in(files, current().section, text_of(key)));
    return values;
}

long profile_file_looks() {
    return looks();
}

namespace {

// Runs a change of the current file under its inter-process lock and forgets its parsed copy.
template <class Change>
bool rewrite_current(Change change) {
    const Current now = current();
    if (now.file.isEmpty())
        return false;
    const QString path = platform::file_to_write(now.file);
    const QString key = lock_key(path);
    // Without the lock (an unwritable directory) the write is tried all the same: it fails
    // there too, or it is the best there is.
    const bool locked = take_lock(key);
    // The file read first: the one written, or the program's file a new copy starts from.
    const QString source = platform::files_to_read(now.file, user_copy(now.file)).front();
    const bool written =
        rewrite(path, source, [&](const ProfileFile& file) { return change(file, now); });
    cache().remove(path);
    if (locked)
        release_lock(key);
    return written;
}

}  // namespace

bool write_profile(const std::string& value) {
    const QString text = text_of(value);
    // A name that would not read back as itself is never written.
    if (!ProfileFile::can_write(current().section, current().key))
        return false;
    return rewrite_current([&](const ProfileFile& file, const Current& now) {
        return file.with_value(now.section, now.key, text);
    });
}

bool delete_profile_key() {
    return rewrite_current([](const ProfileFile& file, const Current& now) {
        return file.without_key(now.section, now.key);
    });
}

namespace {

// A visitor of ProfileFile's for one of the store's.
ProfileFile::EntryVisitor in_utf8(const SectionVisitor& visit) {
    return [&visit](QByteArrayView key, QByteArrayView value) {
        visit(std::string_view(key.data(), std::size_t(key.size())),
              std::string_view(value.data(), std::size_t(value.size())));
    };
}

// The values as texts, or nothing when a name would not read back as itself.
std::optional<std::vector<std::pair<QString, QString>>> writable(const ProfileValues& values) {
    std::vector<std::pair<QString, QString>> texts;
    for (const auto& [key, value] : values) {
        texts.emplace_back(text_of(key), text_of(value));
        if (!ProfileFile::can_write(current().section, texts.back().first))
            return std::nullopt;
    }
    return texts;
}

}  // namespace

bool write_profile_values(const ProfileValues& values) {
    const auto texts = writable(values);
    if (!texts)
        return false;
    return rewrite_current([&](const ProfileFile& file, const Current& now) {
        return file.with_values(now.section, *texts);
    });
}

bool update_profile_section(const std::function<ProfileValues(const SectionPass& pass)>& choose) {
    bool chosen_writable = true;
    const bool written = rewrite_current([&](const ProfileFile& file, const Current& now) {
        const auto texts = writable(choose(
            [&](const SectionVisitor& visit) { file.visit_entries(now.section, in_utf8(visit)); }));
        chosen_writable = texts.has_value();
        return texts ? file.with_values(now.section, *texts) : file.bytes();
    });
    return written && chosen_writable;
}

void visit_profile_section(const SectionVisitor& visit) {
    const Current& now = current();
    if (now.file.isEmpty())
        return;
    // A file read over another: its keys first, so that the first of a name is the one a read
    // finds.
    for (const QString& path : platform::files_to_read(now.file, user_copy(now.file))) {
        if (const auto file = parsed(path))
            file->visit_entries(now.section, in_utf8(visit));
    }
}

std::vector<std::pair<std::string, std::string>> read_profile_section() {
    std::vector<std::pair<std::string, std::string>> section;
    visit_profile_section(
        [&](std::string_view key, std::string_view value) { section.emplace_back(key, value); });
    return section;
}

struct ProfileLock::State {
    QString key;
    bool locked = false;
};

ProfileLock::ProfileLock() : state_(std::make_unique<State>()) {
    if (current().file.isEmpty())
        return;
    state_->key = lock_key(platform::file_to_write(current().file));
    state_->locked = take_lock(state_->key);
}

ProfileLock::~ProfileLock() {
    if (state_->locked)
        release_lock(state_->key);
}

bool ProfileLock::locked() const {
    return state_->locked;
}

}  // namespace settings
