#include "data/MissFileFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <filesystem>

#include "data/RecordingNames.h"

namespace lumora {
namespace {

QString learnersFolder() {
  return QDir::toNativeSeparators(
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u'/');
}

bool soundFolderIsThePlace(const QString& soundDir) {
  const QFileInfo folder(soundDir);
  return !folder.exists() || folder.isWritable();
}

std::optional<FileFault> makeFolder(const QString& folder) {
  std::error_code error;
  std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), error);
  if (!error) return std::nullopt;
  return FileFault::folderNotMade(error.value(), folder);
}

}  // namespace

MissFileToSave missFileToSave(const QString& soundDir) {
  if (soundFolderIsThePlace(soundDir)) return {soundDir + names::kMissFile, std::nullopt};
  const QString folder = learnersFolder();
  return {folder + names::kMissFile, makeFolder(folder)};
}

MissFileToLoad missFileToLoad(const QString& soundDir) {
  const QFileInfo beside(soundDir + names::kMissFile);
  const QFileInfo learners(learnersFolder() + names::kMissFile);
  if (beside.exists() && learners.exists()) {
    // Saved at the same moment only by chance; the original place then.
    if (learners.lastModified() > beside.lastModified()) {
      return {learners.filePath(), beside.filePath()};
    }
    return {beside.filePath(), learners.filePath()};
  }
  if (beside.exists() || (!learners.exists() && soundFolderIsThePlace(soundDir))) {
    return {beside.filePath(), {}};
  }
  return {learners.filePath(), {}};
}

}  // namespace lumora
