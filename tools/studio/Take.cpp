#include "Take.h"

#include <algorithm>
#include <cmath>

#include "Pcm.h"

namespace lumora::studio {
namespace {

// Above the level trimming keeps, so what counts as voice here is what the chain keeps.
constexpr float kAudible = float(contentgen::kSilenceThreshold) / 32768;
// Converters deliver a clipped sample at or within a step of full scale; a few in a row
// are the flat top of an overdriven wave, not a loud consonant's single peak.
constexpr float kFullScale = 0.999f;
constexpr int kClippedRun = 3;
// About -24 dBFS: speech peaking lower gains more than 15 dB in normalizing, noise with it.
constexpr float kQuietPeak = 0.063f;

}  // namespace

void Take::append(std::span<const float> samples) {
  recentPeak_ = 0;
  for (const float sample : samples) {
    const float level = std::abs(sample);
    recentPeak_ = std::max(recentPeak_, level);
    fullScaleRun_ = level >= kFullScale ? fullScaleRun_ + 1 : 0;
    clipped_ = clipped_ || fullScaleRun_ >= kClippedRun;
    samples_.push_back(sample);
    if (level >= kAudible) lastAudible_ = samples_.size();
  }
  peak_ = std::max(peak_, recentPeak_);
}

double Take::seconds() const { return double(samples_.size()) / kCaptureRate; }

bool Take::voiceEndedFor(double seconds) const {
  return lastAudible_ > 0 && double(samples_.size() - lastAudible_) >= seconds * kCaptureRate;
}

TakeProblem Take::problem() const {
  if (peak_ < kAudible) return TakeProblem::silent;
  if (clipped_) return TakeProblem::clipped;
  if (peak_ < kQuietPeak) return TakeProblem::quiet;
  return TakeProblem::none;
}

QString takeProblemMessage(TakeProblem problem) {
  switch (problem) {
    case TakeProblem::silent:
      return QStringLiteral(
          "声が入っていません。マイクの選択と入力音量を確かめて、録り直してください（R）。");
    case TakeProblem::clipped:
      return QStringLiteral(
          "音が割れています。マイクから少し離れるか入力音量を下げて、録り直してください（R）。");
    case TakeProblem::quiet:
      return QStringLiteral(
          "録音しました。ただ声が小さめです：マイクに近づくか入力音量を上げると雑音が減ります"
          "（Enter で採用、R で録り直し）。");
    case TakeProblem::none:
      break;
  }
  return {};
}

double decibels(float level) {
  return level > 0 ? std::max(-90.0, 20 * std::log10(double(level))) : -90.0;
}

}  // namespace lumora::studio
