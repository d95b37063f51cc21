#include "sound/SlowDown.h"

#include <SoundTouch.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

namespace lumora {
namespace {

constexpr float kFullScale = -float(std::numeric_limits<std::int16_t>::min());

// Fed and drained a block at a time, SoundTouch's own buffers stay small however long the
// recording is.
constexpr std::size_t kBlockFrames = 4096;

std::int16_t toSample(float value) {
  const float scaled = std::round(value * kFullScale);
  return std::int16_t(std::clamp(scaled, -kFullScale, kFullScale - 1));
}

}  // namespace

DecodedSound slowedDown(const DecodedSound& sound, double tempo) {
  const std::size_t channels = std::size_t(sound.format.channels);
  soundtouch::SoundTouch stretcher;
  stretcher.setSampleRate(unsigned(sound.format.rate));
  stretcher.setChannels(unsigned(channels));
  stretcher.setTempo(tempo);

  DecodedSound slowed{{}, sound.format};
  slowed.samples.reserve(std::size_t(double(sound.samples.size()) / tempo) + kBlockFrames);
  std::vector<float> block(kBlockFrames * channels);
  const auto drain = [&] {
    while (const unsigned frames = stretcher.receiveSamples(block.data(), kBlockFrames)) {
      std::transform(block.begin(), block.begin() + frames * channels,
                     std::back_inserter(slowed.samples), toSample);
    }
  };
  for (std::size_t at = 0; at < sound.samples.size(); at += block.size()) {
    const std::size_t count = std::min(block.size(), sound.samples.size() - at);
    std::transform(sound.samples.begin() + at, sound.samples.begin() + at + count, block.begin(),
                   [](std::int16_t sample) { return float(sample) / kFullScale; });
    stretcher.putSamples(block.data(), unsigned(count / channels));
    drain();
  }
  stretcher.flush();
  drain();
  return slowed;
}

}  // namespace lumora
