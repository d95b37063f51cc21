#include "StudioPlayer.h"

#include <QDir>
#include <QFile>

namespace lumora::studio {

std::optional<std::pair<QString, RecordingFault>> StudioPlayer::play(
    const std::vector<NamedSound>& sounds, std::chrono::milliseconds pause) {
  // What an earlier request played is no longer wanted: every request stops it.
  for (const QString& old : QDir(folder_.path()).entryList(QDir::Files)) {
    QFile::remove(folder_.filePath(old));
  }
  names_.clear();
  for (std::size_t i = 0; i < sounds.size(); ++i) {
    const QString path = copyOf(sounds[i]);
    const bool last = i + 1 == sounds.size();
    if (const auto fault = last ? audio_.playAsync(path, PlaySpeed::normal)
                                : audio_.playSync(path, PlaySpeed::normal)) {
      return std::pair{sounds[i].name, *fault};
    }
    if (!last && pause.count() > 0) clock_.blockFor(pause);
  }
  return std::nullopt;
}

void StudioPlayer::setLateFaultHandler(
    std::function<void(const QString& name, RecordingFault)> handler) {
  audio_.setLateFaultHandler(
      [this, handler = std::move(handler)](const QString& path, RecordingFault fault) {
        // A fault of a request the studio has since replaced concerns nothing on screen.
        if (const auto name = names_.find(path); name != names_.end()) handler(*name, fault);
      });
}

QString StudioPlayer::copyOf(const NamedSound& sound) {
  const QString path = folder_.filePath(QStringLiteral("%1.wav").arg(++copies_));
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(sound.wave);
  names_.insert(path, sound.name);
  return path;
}

}  // namespace lumora::studio
