#pragma once

#include <cstdint>

// The question categories: the codes quizCategory holds and the values each one asks.
namespace lumora::category {

constexpr std::int16_t kSinoNumber = 1;
constexpr std::int16_t kNativeNumber = 2;
constexpr std::int16_t kMonth = 3;
constexpr std::int16_t kDay = 4;
constexpr std::int16_t kMonthAndDay = 5;
constexpr std::int16_t kWeekday = 6;
constexpr std::int16_t kHardSound = 7;
constexpr std::int16_t kClockTime = 8;
constexpr std::int16_t kOrdinal = 9;

constexpr bool isKnown(int code) { return code >= kSinoNumber && code <= kOrdinal; }

// The values asked run from 1 to these counts, and so do the numbered recordings.
constexpr int kNumberCount = 100;  // sino-Korean and native numbers
constexpr int kMonthCount = 12;
constexpr int kDayCount = 31;
constexpr int kWeekdayCount = 7;
constexpr int kHourCount = 12;
constexpr int kOrdinalCount = 10;

}  // namespace lumora::category
