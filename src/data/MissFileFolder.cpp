#include "data/MissFileFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace lumora {

QString missFileFolder(const QString& soundDir) {
  // A sound folder gone missing stays the place, so the save says that it is missing.
  const QFileInfo folder(soundDir);
  if (!folder.exists() || folder.isWritable()) return soundDir;
  const QString learnerFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  QDir().mkpath(learnerFolder);
  return QDir::toNativeSeparators(learnerFolder + QLatin1Char('/'));
}

}  // namespace lumora
