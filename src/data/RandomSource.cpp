#include "data/RandomSource.h"

#include <algorithm>
#include <chrono>
#include <random>

namespace lumora {
namespace {

class ClockSeededRandom final : public RandomSource {
 public:
  ClockSeededRandom()
      : engine_(static_cast<std::uint32_t>(
            std::chrono::steady_clock::now().time_since_epoch().count())) {}

  // 24 random bits: every value is an exact float below 1.
  double next() override { return static_cast<double>(engine_() >> 8) / (1u << 24); }

 private:
  std::mt19937 engine_;
};

}  // namespace

int drawZeroTo(RandomSource& random, int n) {
  const double r = std::clamp(random.next(), 0.0, 1.0);
  return std::min(static_cast<int>(r * n), n - 1);
}

int drawOneTo(RandomSource& random, int n) { return drawZeroTo(random, n) + 1; }

std::unique_ptr<RandomSource> makeClockSeededRandom() {
  return std::make_unique<ClockSeededRandom>();
}

}  // namespace lumora
