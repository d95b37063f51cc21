#include "TimeWarp.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "MelCepstra.h"

namespace lumora::contentgen {
namespace {

constexpr double kFrameMs = 5;

// The shape of the spectrum, not its level: the recording may be louder or softer than the
// voice in places (a strengthened hiss, a teacher's emphasis), and the level's coefficient,
// the first, outweighs the others.
double shapeDistance(const Cepstrum& a, const Cepstrum& b) {
  double sum = 0;
  for (std::size_t i = 1; i < kCepstralCoefficients; ++i) sum += (a[i] - b[i]) * (a[i] - b[i]);
  return std::sqrt(sum);
}

// The cheapest path through the grid of frame distances from (0, 0) to the last frames of
// both, stepping right, down or diagonally; as (reference frame, recording frame) pairs.
std::vector<std::pair<std::size_t, std::size_t>> cheapestPath(const std::vector<Cepstrum>& a,
                                                              const std::vector<Cepstrum>& b) {
  const std::size_t rows = a.size();
  const std::size_t columns = b.size();
  constexpr double kNone = std::numeric_limits<double>::infinity();
  std::vector<double> cost(rows * columns, kNone);
  const auto at = [&](std::size_t i, std::size_t j) -> double& { return cost[i * columns + j]; };
  for (std::size_t i = 0; i < rows; ++i) {
    for (std::size_t j = 0; j < columns; ++j) {
      double before = i == 0 && j == 0 ? 0 : kNone;
      if (i > 0) before = std::min(before, at(i - 1, j));
      if (j > 0) before = std::min(before, at(i, j - 1));
      if (i > 0 && j > 0) before = std::min(before, at(i - 1, j - 1));
      at(i, j) = before + shapeDistance(a[i], b[j]);
    }
  }
  std::vector<std::pair<std::size_t, std::size_t>> path{{rows - 1, columns - 1}};
  for (std::size_t i = rows - 1, j = columns - 1; i > 0 || j > 0;) {
    if (i == 0) {
      --j;
    } else if (j == 0) {
      --i;
    } else {
      const double diagonal = at(i - 1, j - 1);
      const double up = at(i - 1, j);
      const double left = at(i, j - 1);
      if (diagonal <= up && diagonal <= left) {
        --i;
        --j;
      } else if (up <= left) {
        --i;
      } else {
        --j;
      }
    }
    path.emplace_back(i, j);
  }
  return path;
}

}  // namespace

TimeWarp::TimeWarp(const Pcm& reference, const Pcm& recording)
    : hop_(static_cast<std::size_t>(std::lround(kFrameMs * reference.sampleRate / 1000))),
      recordingLength_(recording.samples.size()) {
  const std::vector<Cepstrum> a = melCepstra(reference, 0, static_cast<unsigned>(hop_));
  const std::vector<Cepstrum> b = melCepstra(recording, 0, static_cast<unsigned>(hop_));
  if (a.empty() || b.empty()) return;
  std::vector<double> sum(a.size(), 0);
  std::vector<int> count(a.size(), 0);
  for (const auto& [i, j] : cheapestPath(a, b)) {
    sum[i] += static_cast<double>(j);
    ++count[i];
  }
  recordingFrameOf_.resize(a.size());
  for (std::size_t i = 0; i < a.size(); ++i) recordingFrameOf_[i] = sum[i] / count[i];
}

std::size_t TimeWarp::map(std::size_t referenceSample) const {
  if (recordingFrameOf_.empty()) return 0;
  const double frame = static_cast<double>(referenceSample) / static_cast<double>(hop_);
  const auto before = std::min(static_cast<std::size_t>(frame), recordingFrameOf_.size() - 1);
  const auto after = std::min(before + 1, recordingFrameOf_.size() - 1);
  const double weight = std::clamp(frame - static_cast<double>(before), 0.0, 1.0);
  const double mapped =
      recordingFrameOf_[before] + weight * (recordingFrameOf_[after] - recordingFrameOf_[before]);
  return std::min(static_cast<std::size_t>(std::lround(mapped * static_cast<double>(hop_))),
                  recordingLength_);
}

}  // namespace lumora::contentgen
