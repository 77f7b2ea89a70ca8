#pragma once

#include <cstdint>
#include <span>

namespace settings {

// Puts the entries into a random order in place (forward Fisher-Yates), drawing one value from
// platform::random_source() per step. The entries are numbered from 1: numbers[0] is entry 1
// and the last is entry hi = numbers.size(). Callers pass 1 to 32767 entries; an empty array
// is left alone and draws nothing.
void shuffle_numbers(std::span<std::int16_t> numbers);

}  // namespace settings
