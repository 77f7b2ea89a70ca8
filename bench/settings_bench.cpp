#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <numeric>
#include <string>
#include <vector>

#include "platform/random_source.h"
#include "settings/profile_file.h"
#include "settings/profile_store.h"
#include "settings/shuffle.h"

namespace {

void BM_ShuffleNumbers(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    std::vector<std::int16_t> numbers(count);
    for (auto _ : state) {
        std::iota(numbers.begin(), numbers.end(), std::int16_t{1});
        settings::shuffle_numbers(numbers);
        benchmark::DoNotOptimize(numbers.data());
    }
}
BENCHMARK(BM_ShuffleNumbers)->Arg(32767);

// A profile of count keys in one section, made current in the store; returns the key names.
std::vector<std::string> make_profile(const QTemporaryDir& dir, int count) {
    std::vector<std::string> keys;
    QByteArray bytes = "[Vrendomaten]\r\n";
    for (int i = 1; i <= count; ++i) {
        char line[64];
        std::snprintf(line, sizeof line, "bookmark_%06d=h%dc%dl%d\r\n", i, i % 40, i % 30, i % 20);
        bytes += line;
        keys.push_back(std::string(line, 16));
    }
    const QString path = dir.filePath("vrendisar.ini");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort();
    file.close();
    settings::set_profile_file(path.toStdString());
    settings::set_profile_section("Vrendomaten");
    return keys;
}

// Every key of the file, read through the store: linear in the number of keys. The file is
// parsed before timing starts, once it is old enough for its parsed copy to be trusted (a
// file changed in the last 50 ms is compared with its bytes at every read).
void BM_ReadEveryKey(benchmark::State& state) {
    QTemporaryDir dir;
    const auto keys = make_profile(dir, static_cast<int>(state.range(0)));
    QThread::msleep(100);
    settings::set_profile_key(keys.front());
    settings::read_profile();
    for (auto _ : state) {
        for (const auto& key : keys) {
            settings::set_profile_key(key);
            benchmark::DoNotOptimize(settings::read_profile());
        }
    }
    state.SetItemsProcessed(state.iterations() * qint64(keys.size()));
}
BENCHMARK(BM_ReadEveryKey)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// What the first read of a changed file costs: reading it is the file system's, this is ours.
void BM_ParseAndIndex(benchmark::State& state) {
    QTemporaryDir dir;
    make_profile(dir, static_cast<int>(state.range(0)));
    QFile file(dir.filePath("vrendisar.ini"));
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    const QByteArray bytes = file.readAll();
    for (auto _ : state) {
        const settings::ProfileFile parsed(bytes);
        benchmark::DoNotOptimize(parsed.value("Vrendomaten", "bookmark_000001"));
    }
}
BENCHMARK(BM_ParseAndIndex)->Arg(100'000)->Unit(benchmark::kMillisecond);

// One key rewritten in a file of 100,000 keys: read, rewrite, save under the lock.
void BM_WriteOneKey(benchmark::State& state) {
    QTemporaryDir dir;
    make_profile(dir, static_cast<int>(state.range(0)));
    settings::set_profile_key("bookmark_050000");
    int value = 0;
    for (auto _ : state) settings::write_profile("h1c1l" + std::to_string(++value % 10));
}
BENCHMARK(BM_WriteOneKey)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
