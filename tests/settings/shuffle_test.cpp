#include "settings/shuffle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "support/test_doubles.h"

namespace {

using testing_support::ScriptedRandom;

std::vector<std::int16_t> one_to(int n) {
    std::vector<std::int16_t> numbers(n);
    std::iota(numbers.begin(), numbers.end(), std::int16_t{1});
    return numbers;
}

constexpr float largest_below_one = 0x1.fffffep-1f;

TEST(Shuffle, SingleEntryStaysAndDrawsNothing) {
    ScriptedRandom random({0.9f});
    auto numbers = one_to(1);
    settings::shuffle_numbers(numbers);
    EXPECT_EQ(numbers, one_to(1));
    EXPECT_EQ(random.draws, 0);

    std::vector<std::int16_t> empty;
    settings::shuffle_numbers(empty);
    EXPECT_EQ(random.draws, 0);
}

TEST(Shuffle, TwoEntriesSwapAtOneHalf) {
    ScriptedRandom random;
    auto numbers = one_to(2);
    random.script({0.49999997f});
    settings::shuffle_numbers(numbers);
    EXPECT_EQ(numbers, (std::vector<std::int16_t>{1, 2}));

    random.script({0.5f});
    settings::shuffle_numbers(numbers);
    EXPECT_EQ(numbers, (std::vector<std::int16_t>{2, 1}));
    EXPECT_EQ(random.draws, 2);
}

TEST(Shuffle, ZeroKeepsOrderAndDrawsOncePerStep) {
    ScriptedRandom random({0.0f});
    auto numbers = one_to(100);
    settings::shuffle_numbers(numbers);
    EXPECT_EQ(numbers, one_to(100));
    EXPECT_EQ(random.draws, 99);
}

TEST(Shuffle, JustBelowOneRotatesTheLastEntryToTheFront) {
    ScriptedRandom random({largest_below_one});
    auto numbers = one_to(4);
    settings::shuffle_numbers(numbers);
    EXPECT_EQ(numbers, (std::vector<std::int16_t>{4, 1, 2, 3}));
}

TEST(Shuffle, LargestArrayWithLargestDrawStaysInBounds) {
    // In single precision 32767 * (1 - 2^-24) + 1 rounds up to 32768, one past the end.
    ScriptedRandom random({largest_below_one});
    auto numbers = one_to(32767);
    settings::shuffle_numbers(numbers);
    EXPECT_EQ(numbers.front(), 32767);
    EXPECT_EQ(numbers[1], 1);
}

TEST(Shuffle, AlwaysAPermutationWithTheDefaultSource) {
    platform::random_source().reseed();
    for (int n : {2, 3, 17, 1000, 32767}) {
        auto numbers = one_to(n);
        settings::shuffle_numbers(numbers);
        auto sorted = numbers;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, one_to(n)) << "n = " << n;
    }
}

TEST(Shuffle, DefaultSourceNeverReachesOne) {
    auto& random = platform::random_source();
    random.reseed();
    float largest = 0.0f;
    for (int i = 0; i < 200000; ++i) largest = std::max(largest, random.next());
    EXPECT_LT(largest, 1.0f);
    EXPECT_GT(largest, 0.99f);
}

}  // namespace
