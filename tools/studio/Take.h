#pragma once

#include <QString>
#include <span>
#include <vector>

// One take from the microphone as it comes in: its samples and what the level says of it.
namespace lumora::studio {

// Samples are captured as floats at this rate, the rate desktop sound servers run at; the
// recording chain resamples them to the program's own.
inline constexpr int kCaptureRate = 48000;

// A take stops by itself this long after the voice fell silent, and at this length at most,
// well below the longest recording the program plays.
inline constexpr double kSilenceThatEndsATake = 1.0;
inline constexpr double kLongestTake = 15.0;

// Why a take is no good, or only just good enough.
enum class TakeProblem {
  none,
  silent,   // nothing above the level that trimming counts as silence: cannot be used
  clipped,  // the microphone's input was overdriven: cannot be used
  quiet,    // usable, but loud enough only with the noise amplified
};

class Take {
 public:
  void append(std::span<const float> samples);

  const std::vector<float>& samples() const { return samples_; }
  double seconds() const;
  // The peak of what came in last, for the level meter.
  float recentPeak() const { return recentPeak_; }
  bool clipped() const { return clipped_; }

  // Voice has been heard and has since been silent for `seconds`.
  bool voiceEndedFor(double seconds) const;

  TakeProblem problem() const;

 private:
  std::vector<float> samples_;
  float peak_ = 0;
  float recentPeak_ = 0;
  bool clipped_ = false;
  int fullScaleRun_ = 0;
  std::size_t lastAudible_ = 0;  // one past the last audible sample; 0 before any
};

// The teacher's message for a take's problem; empty for none.
QString takeProblemMessage(TakeProblem problem);

// A level in dBFS for the meter; -90 for silence.
double decibels(float level);

}  // namespace lumora::studio
