#include "app/AppFolders.h"

#include <QDir>

namespace lumora {

QString dataFolder(const QString& applicationFolder, const QString& name) {
  QString folder = QDir::toNativeSeparators(QDir::cleanPath(applicationFolder));
  if (!folder.endsWith(QDir::separator())) folder += QDir::separator();
  return folder + name + QDir::separator();
}

}  // namespace lumora
