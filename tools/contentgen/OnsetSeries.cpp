#include "OnsetSeries.h"

#include <array>

namespace lumora::contentgen {
namespace {

constexpr char16_t kFirstSyllable = 0xAC00;  // 가
constexpr char16_t kLastSyllable = 0xD7A3;   // 힣
constexpr int kSyllablesPerInitial = 21 * 28;

// The 19 initial consonants in Unicode order: ㄱ ㄲ ㄴ ㄷ ㄸ ㄹ ㅁ ㅂ ㅃ ㅅ ㅆ ㅇ ㅈ ㅉ ㅊ ㅋ ㅌ ㅍ
// ㅎ.
constexpr std::array<OnsetSeries, 19> kSeriesOfInitial{
    OnsetSeries::Lax,       OnsetSeries::Tense,     OnsetSeries::None,      OnsetSeries::Lax,
    OnsetSeries::Tense,     OnsetSeries::None,      OnsetSeries::None,      OnsetSeries::Lax,
    OnsetSeries::Tense,     OnsetSeries::None,      OnsetSeries::None,      OnsetSeries::None,
    OnsetSeries::Lax,       OnsetSeries::Tense,     OnsetSeries::Aspirated, OnsetSeries::Aspirated,
    OnsetSeries::Aspirated, OnsetSeries::Aspirated, OnsetSeries::None};

}  // namespace

OnsetSeries onsetSeries(const QString& hangul) {
  if (hangul.isEmpty()) return OnsetSeries::None;
  const char16_t first = hangul.front().unicode();
  if (first < kFirstSyllable || first > kLastSyllable) return OnsetSeries::None;
  return kSeriesOfInitial[static_cast<std::size_t>((first - kFirstSyllable) /
                                                   kSyllablesPerInitial)];
}

}  // namespace lumora::contentgen
