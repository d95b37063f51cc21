#pragma once

#include <array>
#include <cstdint>

#include "data/RandomSource.h"

// The weighted choice among the ticked categories: each category owns a band of the numbers
// 1..756, as wide as the number of different questions it has.
namespace lumora {

constexpr int kBandTotal = 756;

// The category code whose band holds t (1..756); 0 outside the bands.
std::int16_t categoryOfBand(int t);

// One of the ticked categories (element c - 1 for category c), drawn by the bands until the
// draw falls in a ticked one; 0 when none is ticked.
std::int16_t chooseCategoryCode(const std::array<bool, 9>& ticked, RandomSource& random);

}  // namespace lumora
