#pragma once

#include <QHash>
#include <QImage>
#include <QString>
#include <list>
#include <mutex>

// Decoded part pictures, kept so that a figure shown again costs no decoding. Every use checks
// the file first (size, modification and change times to the nanosecond, device and inode): a
// picture replaced on disk is decoded anew the next time it is asked for, and a file removed
// fails to load, exactly as without the cache. The least recently used pictures leave first
// once the decoded pixels pass the capacity.
namespace catalogue {

class PictureCache {
public:
    explicit PictureCache(qsizetype capacity_bytes);

    // The picture of the file (see decode_picture); a null image when it is missing, no picture
    // or a damaged JPEG.
    QImage load(const QString& path);

    void set_capacity(qsizetype bytes);
    void clear();

    // For tests and benchmarks: how many files were decoded, and the pixels held.
    long decodes() const;
    qsizetype held_bytes() const;

private:
    struct Stamp {
        long long device = 0, inode = 0, size = 0, modified_ns = 0, changed_ns = 0;
        bool operator==(const Stamp&) const = default;
    };
    struct Entry {
        QImage picture;
        Stamp stamp;
        std::list<QString>::iterator place;  // in recency_
    };
    static bool stamp_of(const QString& path, Stamp& stamp);
    void forget(QHash<QString, Entry>::iterator entry);
    void trim();

    mutable std::mutex mutex_;
    QHash<QString, Entry> entries_;
    std::list<QString> recency_;  // most recently used first
    qsizetype capacity_;
    qsizetype held_ = 0;
    long decodes_ = 0;
};

// The cache every part picture of the program is loaded through: 64 MB, room for about 500
// parts of the standard sizes.
inline constexpr qsizetype picture_cache_capacity = 64 * 1024 * 1024;
PictureCache& picture_cache();

}  // namespace catalogue
