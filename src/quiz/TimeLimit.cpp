#include "quiz/TimeLimit.h"

#include "data/Numbers.h"

namespace lumora {

std::optional<int> timeLimitMilliseconds(QStringView text) {
  const double milliseconds = roundHalfEven(leadingNumber(text) * 1000);
  if (milliseconds < 0 || milliseconds > kLongestTimeLimitSeconds * 1000.0) return std::nullopt;
  return static_cast<int>(milliseconds);
}

}  // namespace lumora
