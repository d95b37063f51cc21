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
  for (std::size_t i = 0; i < sounds.size(); ++i) {
    const QString path = copyOf(sounds[i].wave);
    const bool last = i + 1 == sounds.size();
    if (const auto fault = last ? audio_.playAsync(path) : audio_.playSync(path)) {
      return std::pair{sounds[i].name, *fault};
    }
    if (!last && pause.count() > 0) clock_.blockFor(pause);
  }
  return std::nullopt;
}

QString StudioPlayer::copyOf(const QByteArray& wave) {
  const QString path = folder_.filePath(QStringLiteral("%1.wav").arg(++copies_));
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(wave);
  return path;
}

}  // namespace lumora::studio
