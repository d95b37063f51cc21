#include "SyllableAcoustics.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "AubioVectors.h"
#include "Median.h"
#include "MelCepstra.h"

namespace lumora::contentgen {
namespace {

// Pitch window long enough for two periods of a low male voice; hop short enough to place
// the vowel onset within a few milliseconds.
constexpr unsigned kPitchWindow = 1024;
constexpr unsigned kPitchHop = 64;
constexpr double kLowestVoiceHz = 60;
constexpr double kHighestVoiceHz = 400;
constexpr double kVoicedConfidence = 0.5;
// A vowel is loud as well as voiced: a voice bar or a murmur before the release is not.
constexpr double kVowelLoudness = 0.25;  // of the loudest stretch of the recording
constexpr double kLoudnessSpanMs = 10;
constexpr std::size_t kSteadyFrames = 5;  // consecutive frames that make a steady voice
constexpr double kOnsetSpanMs = 50;

constexpr unsigned kCepstrumHop = 256;

std::size_t firstAudible(const Pcm& sound) {
  const auto& samples = sound.samples;
  const auto found = std::find_if(samples.begin(), samples.end(), [](std::int16_t sample) {
    return std::abs(int{sample}) >= kSilenceThreshold;
  });
  return static_cast<std::size_t>(found - samples.begin());
}

struct PitchFrame {
  double atMs;
  double hz;  // 0 when the frame is not clearly voiced
  double rms = 0;
};

// RMS of the kLoudnessSpanMs around `atMs` after `start`.
double rmsAround(const Pcm& sound, std::size_t start, double atMs) {
  const auto span = static_cast<std::ptrdiff_t>(kLoudnessSpanMs * sound.sampleRate / 1000);
  const auto centre = static_cast<std::ptrdiff_t>(start) +
                      static_cast<std::ptrdiff_t>(atMs * sound.sampleRate / 1000);
  const auto size = static_cast<std::ptrdiff_t>(sound.samples.size());
  const auto first = sound.samples.begin() + std::clamp<std::ptrdiff_t>(centre - span / 2, 0, size);
  const auto last = sound.samples.begin() + std::clamp<std::ptrdiff_t>(centre + span / 2, 0, size);
  return rmsLevel({first, last});
}

std::vector<PitchFrame> pitchTrack(const Pcm& sound, std::size_t start) {
  const DefaultFloatingPoint environment;
  Owned<aubio_pitch_t, del_aubio_pitch> tracker(
      new_aubio_pitch("yin", kPitchWindow, kPitchHop, static_cast<uint_t>(sound.sampleRate)));
  aubio_pitch_set_unit(tracker.get(), "Hz");
  const Vector in(new_fvec(kPitchHop));
  const Vector out(new_fvec(1));
  std::vector<PitchFrame> frames;
  const double msPerSample = 1000.0 / sound.sampleRate;
  forEachHop(sound, start, in.get(), [&] {
    aubio_pitch_do(tracker.get(), in.get(), out.get());
    const double hz = out->data[0];
    const bool voiced = aubio_pitch_get_confidence(tracker.get()) >= kVoicedConfidence &&
                        hz >= kLowestVoiceHz && hz <= kHighestVoiceHz;
    // The tracker looks at the last window of samples and finds a voice once it fills about
    // three quarters of them, so a voiced frame's voice started a quarter window before the
    // window's middle.
    const double end = static_cast<double>((frames.size() + 1) * kPitchHop);
    const double atMs = (end - kPitchWindow * 3 / 4.0) * msPerSample;
    frames.push_back({atMs, voiced ? hz : 0, rmsAround(sound, start, atMs)});
  });
  return frames;
}

}  // namespace

SyllableOnset measureOnset(const Pcm& speech) {
  const std::size_t start = firstAudible(speech);
  const std::vector<PitchFrame> frames = pitchTrack(speech, start);
  double loudest = 0;
  for (const PitchFrame& frame : frames) loudest = std::max(loudest, frame.rms);
  // The first of kSteadyFrames frames in a row that all pass the test; none at the end.
  const auto firstSteady = [&](auto passes) {
    std::size_t run = 0;
    for (std::size_t i = 0; i < frames.size(); ++i) {
      run = passes(frames[i]) ? run + 1 : 0;
      if (run == kSteadyFrames) return i + 1 - kSteadyFrames;
    }
    return frames.size();
  };
  const std::size_t voicing = firstSteady([](const PitchFrame& frame) { return frame.hz > 0; });
  const std::size_t vowel = firstSteady([&](const PitchFrame& frame) {
    return frame.hz > 0 && frame.rms >= kVowelLoudness * loudest;
  });
  const double lengthMs =
      static_cast<double>(speech.samples.size() - start) * 1000.0 / speech.sampleRate;
  const auto startMs = [&](std::size_t frame) {
    return frame < frames.size() ? std::max(frames[frame].atMs, 0.0) : lengthMs;
  };
  std::vector<double> pitches;
  for (std::size_t i = vowel; i < frames.size(); ++i) {
    if (frames[i].atMs >= startMs(vowel) + kOnsetSpanMs) break;
    if (frames[i].hz > 0) pitches.push_back(frames[i].hz);
  }
  return {startMs(voicing), median(pitches)};
}

double spectralDistance(const Pcm& first, const Pcm& second) {
  const std::vector<Cepstrum> a = melCepstra(first, firstAudible(first), kCepstrumHop);
  const std::vector<Cepstrum> b = melCepstra(second, firstAudible(second), kCepstrumHop);
  const std::size_t frames = std::max(a.size(), b.size());
  if (frames == 0) return 0;
  const Cepstrum silence = silentCepstrum(first.sampleRate);
  double sum = 0;
  for (std::size_t i = 0; i < frames; ++i) {
    sum += cepstralDistance(i < a.size() ? a[i] : silence, i < b.size() ? b[i] : silence);
  }
  return sum / static_cast<double>(frames);
}

}  // namespace lumora::contentgen
