#include "SoundEdits.h"

#include <algorithm>
#include <cmath>

namespace lumora::contentgen {
namespace {

constexpr double kFadeMs = 3;

std::int16_t scaled(std::int16_t sample, double gain) {
  return static_cast<std::int16_t>(std::clamp<long>(std::lround(sample * gain), -32768, 32767));
}

}  // namespace

void SoundEdits::replace(std::size_t from, std::size_t to, std::size_t silence) {
  add({from, std::max(from, to), silence, 1, true});
}

void SoundEdits::amplify(std::size_t from, std::size_t to, double gain) {
  add({from, std::max(from, to), 0, gain, false});
}

void SoundEdits::add(const Edit& edit) {
  const auto after =
      std::upper_bound(edits_.begin(), edits_.end(), edit.from,
                       [](std::size_t from, const Edit& e) { return from < e.from; });
  edits_.insert(after, edit);
}

Pcm SoundEdits::apply(const Pcm& sound) const {
  const auto fade = static_cast<std::size_t>(std::lround(kFadeMs * sound.sampleRate / 1000));
  const std::vector<std::int16_t>& in = sound.samples;
  Pcm out{sound.sampleRate, {}};
  std::size_t at = 0;
  // Fades the last `fade` samples written out, as the sound before a cut.
  const auto fadeOutTail = [&] {
    const std::size_t n = std::min(fade, out.samples.size());
    for (std::size_t i = 0; i < n; ++i) {
      std::int16_t& sample = out.samples[out.samples.size() - n + i];
      sample = scaled(sample, 1 - double(i + 1) / double(n + 1));
    }
  };
  for (const Edit& edit : edits_) {
    const std::size_t from = std::max(at, std::min(edit.from, in.size()));
    const std::size_t to = std::max(from, std::min(edit.to, in.size()));
    out.samples.insert(out.samples.end(), in.begin() + static_cast<std::ptrdiff_t>(at),
                       in.begin() + static_cast<std::ptrdiff_t>(from));
    if (edit.replaces) {
      fadeOutTail();
      out.samples.insert(out.samples.end(), edit.silence, 0);
      // The sound after the cut fades in.
      for (std::size_t i = 0; i < fade && to + i < in.size(); ++i) {
        out.samples.push_back(scaled(in[to + i], double(i + 1) / double(fade + 1)));
      }
      at = std::min(in.size(), to + fade);
    } else {
      for (std::size_t i = from; i < to; ++i) {
        // The gain ramps in and out over the fade, so the level does not jump.
        const double ramp =
            std::min({1.0, double(i - from + 1) / double(fade), double(to - i) / double(fade)});
        out.samples.push_back(scaled(in[i], 1 + (edit.gain - 1) * ramp));
      }
      at = to;
    }
  }
  out.samples.insert(out.samples.end(),
                     in.begin() + static_cast<std::ptrdiff_t>(std::min(at, in.size())), in.end());
  return out;
}

}  // namespace lumora::contentgen
