#include "Pcm.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace lumora::contentgen {
namespace {

bool audible(std::int16_t sample) { return std::abs(int{sample}) >= kSilenceThreshold; }

}  // namespace

SampleRange audibleRange(const Pcm& sound, int margin) {
  const auto& samples = sound.samples;
  const auto first = std::find_if(samples.begin(), samples.end(), audible);
  if (first == samples.end()) return {};
  const auto last = std::find_if(samples.rbegin(), samples.rend(), audible).base();
  const auto begin = first - std::min<std::ptrdiff_t>(margin, first - samples.begin());
  const auto end = last + std::min<std::ptrdiff_t>(margin, samples.end() - last);
  return {std::size_t(begin - samples.begin()), std::size_t(end - samples.begin())};
}

Pcm slice(const Pcm& sound, SampleRange range) {
  const auto begin = sound.samples.begin();
  return {sound.sampleRate,
          {begin + std::ptrdiff_t(range.begin), begin + std::ptrdiff_t(range.end)}};
}

Pcm trimSilence(const Pcm& sound, int margin) { return slice(sound, audibleRange(sound, margin)); }

double rmsLevel(const std::vector<std::int16_t>& samples) {
  if (samples.empty()) return 0;
  double sum = 0;
  for (const std::int16_t sample : samples) sum += static_cast<double>(sample) * sample;
  return std::sqrt(sum / static_cast<double>(samples.size()));
}

}  // namespace lumora::contentgen
