#include "data/MissFileFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace lumora {

QString missFileFolder(const QString& soundDir) {
  if (QFileInfo(soundDir).isWritable()) return soundDir;
  const QString learnerFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  QDir().mkpath(learnerFolder);
  return QDir::toNativeSeparators(learnerFolder + QLatin1Char('/'));
}

}  // namespace lumora
