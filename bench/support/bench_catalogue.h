#pragma once

#include <QString>
#include <QTemporaryDir>
#include <vector>

namespace bench_support {

// The catalogue the benchmarks run on: the built program's demo catalogue when it has one,
// otherwise eight figure-sized pictures of each part in a temporary program directory. The
// program directory points at it while it lives.
class Catalogue {
public:
    Catalogue();

    // The picture files of head, chest and legs, in that order.
    const std::vector<std::vector<QString>>& parts() const { return parts_; }

private:
    QString part(const char* kind, int number) const;
    void write_part(const QString& name, int height, int seed);

    QTemporaryDir temporary_;
    QString directory_;
    std::vector<std::vector<QString>> parts_;
};

// One catalogue for the whole program run.
Catalogue& catalogue();

}  // namespace bench_support
