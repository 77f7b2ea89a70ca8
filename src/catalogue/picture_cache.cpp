#include "catalogue/picture_cache.h"

#include <sys/stat.h>

#include <QFile>

#include "catalogue/decode.h"

namespace catalogue {

PictureCache::PictureCache(qsizetype capacity_bytes) : capacity_(capacity_bytes) {}

bool PictureCache::stamp_of(const QString& path, Stamp& stamp) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    constexpr long long ns = 1'000'000'000;
    stamp = {static_cast<long long>(st.st_dev), static_cast<long long>(st.st_ino),
             static_cast<long long>(st.st_size), st.st_mtim.tv_sec * ns + st.st_mtim.tv_nsec,
             st.st_ctim.tv_sec * ns + st.st_ctim.tv_nsec};
    return true;
}

QImage PictureCache::load(const QString& path) {
    // Stamped before reading: a file changing while it is decoded is read again next time.
    Stamp stamp;
    const bool exists = stamp_of(path, stamp);
    {
        std::lock_guard lock(mutex_);
        const auto cached = entries_.find(path);
        if (cached != entries_.end()) {
            if (exists && cached->stamp == stamp) {
                recency_.splice(recency_.begin(), recency_, cached->place);
                return cached->picture;
            }
            forget(cached);
        }
    }
    if (!exists)
        return {};
    QImage picture = decode_picture(path);
    if (picture.isNull())
        return {};
    std::lock_guard lock(mutex_);
    ++decodes_;
    // Another thread may have decoded it meanwhile; the newer copy takes its place.
    if (const auto twin = entries_.find(path); twin != entries_.end())
        forget(twin);
    recency_.push_front(path);
    entries_.insert(path, {picture, stamp, recency_.begin()});
    held_ += picture.sizeInBytes();
    trim();
    return picture;
}

void PictureCache::forget(QHash<QString, Entry>::iterator entry) {
    held_ -= entry->picture.sizeInBytes();
    recency_.erase(entry->place);
    entries_.erase(entry);
}

void PictureCache::trim() {
    while (held_ > capacity_ && !recency_.empty()) forget(entries_.find(recency_.back()));
}

void PictureCache::set_capacity(qsizetype bytes) {
    std::lock_guard lock(mutex_);
    capacity_ = bytes;
    trim();
}

void PictureCache::clear() {
    std::lock_guard lock(mutex_);
    entries_.clear();
    recency_.clear();
    held_ = 0;
}

long PictureCache::decodes() const {
    std::lock_guard lock(mutex_);
    return decodes_;
}

qsizetype PictureCache::held_bytes() const {
    std::lock_guard lock(mutex_);
    return held_;
}

PictureCache& picture_cache() {
    static PictureCache cache(picture_cache_capacity);
    return cache;
}

}  // namespace catalogue
