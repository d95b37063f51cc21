#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <chrono>
#include <optional>
#include <utility>
#include <vector>

#include "data/RecordingFault.h"
#include "sound/AudioOutput.h"

namespace lumora::studio {

// A sound to play: the name it is known by and its WAV bytes.
struct NamedSound {
  QString name;
  QByteArray wave;
};

// Plays takes and recordings through the program's own playback. The player plays files and
// keeps what it decoded by path, while the studio replaces recordings the player may have
// played already; so every sound is played from a copy of a name never used before.
class StudioPlayer {
 public:
  StudioPlayer(AudioOutput& audio, Clock& clock) : audio_(audio), clock_(clock) {}

  // Plays the sounds one after another with `pause` between two, as the trainer plays the
  // parts of a question: all but the last to their end, the last in the background. Returns
  // the first sound that could not be played, and why.
  std::optional<std::pair<QString, RecordingFault>> play(const std::vector<NamedSound>& sounds,
                                                         std::chrono::milliseconds pause = {});
  void stop() { audio_.stop(); }

 private:
  QString copyOf(const QByteArray& wave);

  AudioOutput& audio_;
  Clock& clock_;
  QTemporaryDir folder_;
  int copies_ = 0;
};

}  // namespace lumora::studio
