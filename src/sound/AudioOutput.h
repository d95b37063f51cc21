#pragma once

#include <QString>
#include <chrono>
#include <functional>
#include <optional>

#include "data/RecordingFault.h"

namespace lumora {

// A recording as it was made, or slowed to 0.7 of its tempo at the same pitch for an ear
// that is still learning.
enum class PlaySpeed { normal, slow };
inline constexpr double kSlowTempo = 0.7;

// The three requests the trainer makes of the sound device. Every request stops whatever
// is still playing. A play request tells why a recording could not be played.
class AudioOutput {
 public:
  using LateFaultHandler = std::function<void(const QString& path, RecordingFault fault)>;

  virtual ~AudioOutput() = default;
  // Starts playing a WAV file and returns at once.
  virtual std::optional<RecordingFault> playAsync(const QString& path, PlaySpeed speed) = 0;
  // Plays a WAV file and returns when it has ended.
  virtual std::optional<RecordingFault> playSync(const QString& path, PlaySpeed speed) = 0;
  // Stops whatever is playing.
  virtual void stop() = 0;
  // Where the fault of a request that was still being prepared when playAsync returned is
  // told, later, on the thread that made the request.
  virtual void setLateFaultHandler(LateFaultHandler handler) = 0;
};

// The window's time: the pause between the two parts of a clock time, the moments the answer
// keys wait for, and the calendar time the learning record keeps.
class Clock {
 public:
  virtual ~Clock() = default;
  // Blocks the calling thread.
  virtual void blockFor(std::chrono::milliseconds duration) = 0;
  // Steady: waits measured on it survive the calendar clock being set.
  virtual std::chrono::steady_clock::time_point now() const = 0;
  virtual std::chrono::system_clock::time_point wallTime() const = 0;
};

}  // namespace lumora
