#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace lumora::contentgen {

// The value at the fraction (0 to 1) of the sorted values; 0 for none. 0.5 is the median.
inline double quantile(std::vector<double> values, double fraction) {
  if (values.empty()) return 0;
  const auto at = values.begin() + static_cast<std::ptrdiff_t>(
                                       fraction * static_cast<double>(values.size() - 1) + 0.5);
  std::nth_element(values.begin(), at, values.end());
  return *at;
}

inline double median(std::vector<double> values) { return quantile(std::move(values), 0.5); }

}  // namespace lumora::contentgen
