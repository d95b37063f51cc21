#include "SoundFrames.h"

#include <aubio/aubio.h>

#include <algorithm>
#include <cmath>

#include "AubioVectors.h"
#include "Median.h"

namespace lumora::contentgen {
namespace {

constexpr double kLevelWindowMs = 5;
constexpr double kVoicingWindowMs = 20;
// Below this the step is silence whatever its shape.
constexpr double kQuietestVoiceDb = -50;
// Voicing is judged below this frequency, where a vowel or a voice bar is periodic even when
// a synthetic voice wavers from period to period above it...
constexpr double kVoiceBandHz = 1000;
// ...by the normalised autocorrelation at the voice's period: breath, hiss and bursts stay
// well below this.
constexpr double kVoicedCorrelation = 0.6;
constexpr std::size_t kVoicingNeighbours = 2;  // on each side

// The period is searched this far either way of yin's pitch, and, where that finds none,
// wider around the voice's middle pitch.
constexpr double kPeriodSpread = 1.1;
constexpr double kUnsurePeriodSpread = 1.4;

constexpr unsigned kPitchWindow = 1024;
constexpr double kPitchConfidence = 0.5;
constexpr double kLowestVoiceHz = 60;
constexpr double kHighestVoiceHz = 400;

// A burst rises this much above the quietest of the steps just before it, and the next one
// comes only after the level has fallen as much again...
constexpr double kBurstRiseDb = 10;
constexpr std::size_t kBurstLookBack = 4;
// ...and is this loud at least.
constexpr double kBurstLevelDb = -45;

// yin's pitch for every step, from the window that ends half a window after it.
std::vector<double> yinPitch(const Pcm& sound, std::size_t steps, std::size_t stepSamples) {
  const DefaultFloatingPoint environment;
  const auto hop = static_cast<uint_t>(stepSamples);
  Owned<aubio_pitch_t, del_aubio_pitch> tracker(
      new_aubio_pitch("yinfast", kPitchWindow, hop, static_cast<uint_t>(sound.sampleRate)));
  aubio_pitch_set_unit(tracker.get(), "Hz");
  const Vector in(new_fvec(hop));
  const Vector out(new_fvec(1));
  std::vector<double> pitch(steps, 0);
  std::size_t frameEnd = 0;
  forEachHop(sound, 0, in.get(), [&] {
    aubio_pitch_do(tracker.get(), in.get(), out.get());
    frameEnd += hop;
    const double hz = out->data[0];
    if (aubio_pitch_get_confidence(tracker.get()) < kPitchConfidence || hz < kLowestVoiceHz ||
        hz > kHighestVoiceHz || frameEnd < kPitchWindow / 2) {
      return;
    }
    // The frame speaks for the middle of its window.
    const std::size_t step = (frameEnd - kPitchWindow / 2) / stepSamples;
    if (step < steps) pitch[step] = hz;
  });
  return pitch;
}

// The voice's fundamental and first formant, without the hiss and the bursts above them:
// aubio's biquad low-pass, run forwards and backwards so that nothing moves in time.
std::vector<float> lowPassed(const Pcm& sound) {
  const DefaultFloatingPoint environment;
  const double w0 = 2 * M_PI * kVoiceBandHz / sound.sampleRate;
  const double alpha = std::sin(w0) / std::sqrt(2.0);  // Butterworth: Q = 1/sqrt(2)
  const double a0 = 1 + alpha;
  Owned<aubio_filter_t, del_aubio_filter> filter(new_aubio_filter_biquad(
      (1 - std::cos(w0)) / 2 / a0, (1 - std::cos(w0)) / a0, (1 - std::cos(w0)) / 2 / a0,
      -2 * std::cos(w0) / a0, (1 - alpha) / a0));
  const auto length = static_cast<uint_t>(sound.samples.size());
  if (length == 0) return {};
  const Vector samples(new_fvec(length));
  const Vector scratch(new_fvec(length));
  for (uint_t i = 0; i < length; ++i) samples->data[i] = sound.samples[i];
  aubio_filter_do_filtfilt(filter.get(), samples.get(), scratch.get());
  return {samples->data, samples->data + length};
}

std::size_t samplesOf(const Pcm& sound, double ms) {
  return static_cast<std::size_t>(std::lround(ms * sound.sampleRate / 1000));
}

float mean(const float* x, std::size_t count) {
  float sum = 0;
  for (std::size_t n = 0; n < count; ++n) sum += x[n];
  return sum / static_cast<float>(count);
}

// A signal with running sums of it and of its square, so that the mean and the energy of any
// stretch cost two subtractions.
class SummedSignal {
 public:
  explicit SummedSignal(std::vector<float> x) : x_(std::move(x)), sum_(1, 0), squares_(1, 0) {
    for (const float value : x_) {
      sum_.push_back(sum_.back() + value);
      squares_.push_back(squares_.back() + double{value} * value);
    }
  }

  // The best normalised correlation of the window at `centre` with itself `lag` samples later,
  // over the lags of the period range; at the edges of the sound the window moves inside it.
  // Each window loses its mean first: a slow drift is not a voice.
  double periodicity(std::size_t centre, std::size_t window, std::size_t shortestLag,
                     std::size_t longestLag) const {
    if (window + longestLag > x_.size()) return 0;
    const std::size_t start =
        std::min(centre - std::min(centre, window / 2), x_.size() - window - longestLag);
    const double n = static_cast<double>(window);
    const auto energy = [&](std::size_t from, double mean) {
      return squares_[from + window] - squares_[from] - n * mean * mean;
    };
    const double meanA = (sum_[start + window] - sum_[start]) / n;
    const double energyA = energy(start, meanA);
    const float* a = x_.data() + start;
    double best = 0;
    for (std::size_t lag = shortestLag; lag <= longestLag; ++lag) {
      const float* b = a + lag;
      float ab = 0;
      for (std::size_t i = 0; i < window; ++i) ab += a[i] * b[i];
      const double meanB = (sum_[start + lag + window] - sum_[start + lag]) / n;
      const double energyB = energy(start + lag, meanB);
      if (energyA > 0 && energyB > 0) {
        best = std::max(best, (ab - n * meanA * meanB) / std::sqrt(energyA * energyB));
      }
    }
    return best;
  }

 private:
  std::vector<float> x_;
  std::vector<double> sum_;
  std::vector<double> squares_;
};

}  // namespace

SoundFrames::SoundFrames(const Pcm& sound)
    : stepSamples_(static_cast<std::size_t>(std::lround(kStepMs * sound.sampleRate / 1000))) {
  measureLevels(sound);
  pitch_ = yinPitch(sound, steps(), stepSamples_);
  judgeVoicing(sound);
}

void SoundFrames::measureLevels(const Pcm& sound) {
  const std::vector<std::int16_t>& samples = sound.samples;
  const std::size_t steps = samples.size() / stepSamples_;
  const Vector window(new_fvec(static_cast<uint_t>(samplesOf(sound, kLevelWindowMs))));
  for (std::size_t step = 0; step < steps; ++step) {
    const std::size_t centre = step * stepSamples_ + stepSamples_ / 2;
    const std::size_t from = centre - std::min<std::size_t>(centre, window->length / 2);
    for (std::size_t i = 0; i < window->length; ++i) {
      const std::size_t index = from + i;
      window->data[i] = index < samples.size() ? static_cast<smpl_t>(samples[index] / 32768.0) : 0;
    }
    // Without its mean: a slow drift is not heard.
    const smpl_t drift = mean(window->data, window->length);
    for (std::size_t i = 0; i < window->length; ++i) window->data[i] -= drift;
    const double rms = std::sqrt(aubio_level_lin(window.get()));
    level_.push_back(rms > 0 ? 20 * std::log10(rms) : -200);
    crossings_.push_back(aubio_zero_crossing_rate(window.get()));
  }
  const double loudest = level_.empty() ? 0 : *std::max_element(level_.begin(), level_.end());
  for (double& level : level_) level -= loudest;
}

void SoundFrames::judgeVoicing(const Pcm& sound) {
  const std::size_t steps = this->steps();
  std::vector<double> pitches;
  std::copy_if(pitch_.begin(), pitch_.end(), std::back_inserter(pitches),
               [](double hz) { return hz > 0; });
  const double voice = pitches.empty() ? 120 : median(pitches);
  const SummedSignal x(lowPassed(sound));
  const auto periodicAround = [&](std::size_t step, double hz, double spread) {
    const double period = sound.sampleRate / hz;
    return x.periodicity(step * stepSamples_ + stepSamples_ / 2, samplesOf(sound, kVoicingWindowMs),
                         static_cast<std::size_t>(period / spread),
                         static_cast<std::size_t>(period * spread)) >= kVoicedCorrelation;
  };
  std::vector<bool> periodic;
  for (std::size_t step = 0; step < steps; ++step) {
    // A quiet voice bar may keep a pitch of its own where yin follows the louder vowels.
    periodic.push_back(level_[step] > kQuietestVoiceDb &&
                       ((pitch_[step] > 0 && periodicAround(step, pitch_[step], kPeriodSpread)) ||
                        periodicAround(step, voice, kUnsurePeriodSpread)));
  }
  // A step is voiced with the most of its neighbours: a lone periodic blip in a breath is not
  // a voice, nor is a lone wavering period a break in one.
  for (std::size_t step = 0; step < steps; ++step) {
    const std::size_t from = step - std::min(step, kVoicingNeighbours);
    const std::size_t to = std::min(steps, step + kVoicingNeighbours + 1);
    const auto votes = std::count(periodic.begin() + static_cast<std::ptrdiff_t>(from),
                                  periodic.begin() + static_cast<std::ptrdiff_t>(to), true);
    voiced_.push_back(2 * static_cast<std::size_t>(votes) > to - from);
  }
}

std::size_t SoundFrames::stepAt(std::size_t sample) const {
  return std::min(sample / stepSamples_, steps());
}

int SoundFrames::bursts(std::size_t from, std::size_t to) const {
  int count = 0;
  bool ready = true;  // a burst needs the level to fall back between two
  double peak = 0;
  for (std::size_t step = from; step < std::min(to, steps()); ++step) {
    const std::size_t back = step - std::min(step, kBurstLookBack);
    const double before =
        step == back ? level_[step]
                     : *std::min_element(level_.begin() + static_cast<std::ptrdiff_t>(back),
                                         level_.begin() + static_cast<std::ptrdiff_t>(step));
    if (ready && level_[step] >= kBurstLevelDb && level_[step] - before >= kBurstRiseDb) {
      ++count;
      ready = false;
      peak = level_[step];
    } else if (!ready) {
      peak = std::max(peak, level_[step]);
      ready = level_[step] <= peak - kBurstRiseDb;
    }
  }
  return count;
}

}  // namespace lumora::contentgen
