#include "quiz/CategoryBands.h"

#include <algorithm>
#include <numeric>

namespace lumora {
namespace {

// Widths of the bands of categories 1..9, in band order.
constexpr std::array<int, 9> kBandWidths = {100, 100, 12, 31, 360, 7, 64, 72, 10};
static_assert(std::accumulate(kBandWidths.begin(), kBandWidths.end(), 0) == kBandTotal);

}  // namespace

std::int16_t categoryOfBand(int t) {
  int bandEnd = 0;
  for (std::size_t band = 0; band < kBandWidths.size(); ++band) {
    bandEnd += kBandWidths[band];
    if (t >= 1 && t <= bandEnd) return static_cast<std::int16_t>(band + 1);
  }
  return 0;
}

std::int16_t chooseCategoryCode(const std::array<bool, 9>& ticked, RandomSource& random) {
  if (std::none_of(ticked.begin(), ticked.end(), [](bool on) { return on; })) return 0;
  for (;;) {
    const std::int16_t code = categoryOfBand(drawOneTo(random, kBandTotal));
    if (ticked[code - 1]) return code;
  }
}

}  // namespace lumora
