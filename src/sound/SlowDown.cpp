#include "sound/SlowDown.h"

#include <SoundTouch.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace lumora {
namespace {

constexpr float kFullScale = -float(std::numeric_limits<std::int16_t>::min());

std::int16_t toSample(float value) {
  const float scaled = std::round(value * kFullScale);
  return std::int16_t(std::clamp(scaled, -kFullScale, kFullScale - 1));
}

}  // namespace

DecodedSound slowedDown(const DecodedSound& sound, double tempo) {
  const int channels = sound.format.channels;
  soundtouch::SoundTouch stretcher;
  stretcher.setSampleRate(unsigned(sound.format.rate));
  stretcher.setChannels(unsigned(channels));
  stretcher.setTempo(tempo);

  std::vector<float> input(sound.samples.size());
  std::transform(sound.samples.begin(), sound.samples.end(), input.begin(),
                 [](std::int16_t sample) { return float(sample) / kFullScale; });
  stretcher.putSamples(input.data(), unsigned(input.size() / channels));
  stretcher.flush();

  std::vector<float> output(stretcher.numSamples() * channels);
  output.resize(stretcher.receiveSamples(output.data(), unsigned(output.size() / channels)) *
                channels);
  DecodedSound slowed{std::vector<std::int16_t>(output.size()), sound.format};
  std::transform(output.begin(), output.end(), slowed.samples.begin(), toSample);
  return slowed;
}

}  // namespace lumora
