#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
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
  // Where a sound's fault found after play() returned is told, by the sound's name.
  void setLateFaultHandler(std::function<void(const QString& name, RecordingFault)> handler);

 private:
  QString copyOf(const NamedSound& sound);

  AudioOutput& audio_;
  Clock& clock_;
  QTemporaryDir folder_;
  int copies_ = 0;
  QHash<QString, QString> names_;  // of the copies of the latest request, by path
};

}  // namespace lumora::studio
