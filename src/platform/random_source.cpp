#include "platform/random_source.h"

#include <chrono>
#include <cmath>

namespace platform {

ClockRandomSource::ClockRandomSource() {
    reseed();
}

void ClockRandomSource::reseed() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    engine_.seed(static_cast<std::mt19937::result_type>(now ^ (now >> 32)));
}

float ClockRandomSource::next() {
    // 24 random bits scaled by 2^-24: every value is exact in a float and the largest is
    // 1 - 2^-24, so the result never rounds up to 1 (a float uniform_real_distribution can).
    const std::uint32_t bits = engine_() >> 8;
    return std::ldexp(static_cast<float>(bits), -24);
}

namespace {
RandomSource*& installed_source() {
    static RandomSource* source = nullptr;
    return source;
}
}  // namespace

RandomSource& random_source() {
    static ClockRandomSource clock_source;
    RandomSource* source = installed_source();
    return source ? *source : clock_source;
}

void set_random_source(RandomSource* source) {
    installed_source() = source;
}

}  // namespace platform
