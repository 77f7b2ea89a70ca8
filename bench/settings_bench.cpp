#include <benchmark/benchmark.h>

#include <numeric>
#include <vector>

#include "platform/random_source.h"
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

}  // namespace

BENCHMARK_MAIN();
