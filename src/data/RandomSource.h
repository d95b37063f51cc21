#pragma once

#include <memory>

namespace lumora {

// Uniform random numbers in [0, 1), behind an interface so that tests can script them.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual double next() = 0;
};

// A draw of 1..n: Int(r * n) + 1.
int drawOneTo(RandomSource& random, int n);

// A draw of 0..n-1: Int(r * n).
int drawZeroTo(RandomSource& random, int n);

// Single-precision numbers from a generator seeded once from the clock.
std::unique_ptr<RandomSource> makeClockSeededRandom();

}  // namespace lumora
