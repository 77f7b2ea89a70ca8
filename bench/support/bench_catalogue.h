#pragma once

#include <QString>
#include <QTemporaryDir>
#include <vector>

namespace bench_support {

// The catalogue the benchmarks run on, in a temporary program directory whose profile starts
// with a figure, not the splash: a copy of the built program with its demo catalogue when there
// is one, otherwise eight figure-sized pictures of each part. The program directory points at
// it while it lives.
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
