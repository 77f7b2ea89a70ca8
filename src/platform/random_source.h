#pragma once

#include <random>

// The random source: uniform reals in [0, 1), reseeded from the clock by its callers.
namespace platform {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    // A value r with 0 <= r < 1, never 1.
    virtual float next() = 0;
};

// The default source: a standard engine, reseeded from the clock.
class ClockRandomSource final : public RandomSource {
public:
    ClockRandomSource();
    void reseed() override;
    float next() override;

private:
    std::mt19937 engine_;
};

// The source every caller uses. Tests install a scripted one; nullptr restores the default.
RandomSource& random_source();
void set_random_source(RandomSource* source);

}  // namespace platform
