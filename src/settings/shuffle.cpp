#include "settings/shuffle.h"

#include <cmath>
#include <utility>

#include "platform/random_source.h"

namespace settings {

void shuffle_numbers(std::span<std::int16_t> numbers) {
    const long hi = static_cast<long>(numbers.size());
    auto& random = platform::random_source();
    for (long i = 1; i <= hi - 1; ++i) {
        const float r = random.next();
        // Both terms are single precision; the product and the sum are not rounded back to
        // single precision, so even the largest float below 1 gives j <= hi.
        const double span_length = static_cast<float>(hi - i + 1);
        const double start = static_cast<float>(i);
        long j = static_cast<long>(std::floor(span_length * static_cast<double>(r) + start));
        if (j > hi)
            j = hi;  // only a source that breaks its promise of r < 1 gets here
        if (j < i)
            j = i;
        if (j != i)
            std::swap(numbers[i - 1], numbers[j - 1]);
    }
}

}  // namespace settings
