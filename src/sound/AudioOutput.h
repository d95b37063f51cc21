#pragma once

#include <QString>
#include <chrono>
#include <optional>

#include "data/RecordingFault.h"

namespace lumora {

// The three requests the trainer makes of the sound device. Every request stops whatever
// is still playing. A play request tells why a recording could not be played.
class AudioOutput {
 public:
  virtual ~AudioOutput() = default;
  // Starts playing a WAV file and returns at once.
  virtual std::optional<RecordingFault> playAsync(const QString& path) = 0;
  // Plays a WAV file and returns when it has ended.
  virtual std::optional<RecordingFault> playSync(const QString& path) = 0;
  // Stops whatever is playing.
  virtual void stop() = 0;
};

// Blocks the calling thread (the pause between the two parts of a clock time), and tells
// the time of the learning record.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual void blockFor(std::chrono::milliseconds duration) = 0;
  virtual std::chrono::system_clock::time_point now() = 0;
};

}  // namespace lumora
