#pragma once

#include <QStringView>
#include <optional>

namespace lumora {

// The longest time a question may stay before the next one replaces it.
constexpr int kLongestTimeLimitSeconds = 3600;

// The time limit of a combo text in milliseconds: its leading number times 1000, rounded
// halves to even, so a text without a number gives 0 (a timer that never ticks). nullopt
// for a negative limit or one beyond kLongestTimeLimitSeconds.
std::optional<int> timeLimitMilliseconds(QStringView text);

}  // namespace lumora
