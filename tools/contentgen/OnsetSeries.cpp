#include "OnsetSeries.h"

#include <array>

namespace lumora::contentgen {
namespace {

constexpr char16_t kFirstSyllable = 0xAC00;  // 가
constexpr char16_t kLastSyllable = 0xD7A3;   // 힣
constexpr int kFinals = 28;
constexpr int kSyllablesPerInitial = 21 * kFinals;

// The 19 initial consonants in Unicode order: ㄱ ㄲ ㄴ ㄷ ㄸ ㄹ ㅁ ㅂ ㅃ ㅅ ㅆ ㅇ ㅈ ㅉ ㅊ ㅋ ㅌ ㅍ
// ㅎ.
constexpr std::array<OnsetSeries, 19> kSeriesOfInitial{
    OnsetSeries::Lax,       OnsetSeries::Tense,     OnsetSeries::None,      OnsetSeries::Lax,
    OnsetSeries::Tense,     OnsetSeries::None,      OnsetSeries::None,      OnsetSeries::Lax,
    OnsetSeries::Tense,     OnsetSeries::None,      OnsetSeries::None,      OnsetSeries::None,
    OnsetSeries::Lax,       OnsetSeries::Tense,     OnsetSeries::Aspirated, OnsetSeries::Aspirated,
    OnsetSeries::Aspirated, OnsetSeries::Aspirated, OnsetSeries::None};

}  // namespace

std::optional<SyllableShape> firstSyllableShape(const QString& hangul) {
  if (hangul.isEmpty()) return std::nullopt;
  const char16_t first = hangul.front().unicode();
  if (first < kFirstSyllable || first > kLastSyllable) return std::nullopt;
  const int index = first - kFirstSyllable;
  return SyllableShape{index / kSyllablesPerInitial, index % kFinals != 0};
}

OnsetSeries onsetSeries(const QString& hangul) {
  const auto shape = firstSyllableShape(hangul);
  return shape ? kSeriesOfInitial[static_cast<std::size_t>(shape->initial)] : OnsetSeries::None;
}

}  // namespace lumora::contentgen
