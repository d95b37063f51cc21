#include "LumoraCopy.h"

#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <vector>

#include "data/RecordingNames.h"

namespace lumora::studio {
namespace {

std::filesystem::path native(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

bool soundFolderWritable(const QString& appFolder) {
  const QFileInfo folder(appFolder + u'/' + names::kSoundFolder);
  return folder.isDir() && folder.isWritable();
}

std::optional<FileFault> copyLumora(const QString& from, const QString& to) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::create_directories(native(to), error);
  std::vector<fs::path> copied;
  for (const QString& name : {QStringLiteral("lumora"), QStringLiteral("lumora-datacheck"),
                              names::kSoundFolder, names::kPictureFolder}) {
    if (error) break;
    const fs::path target = native(to + u'/' + name);
    if (fs::exists(target, error) || error) continue;
    copied.push_back(target);
    fs::copy(native(from + u'/' + name), target, fs::copy_options::recursive, error);
  }
  if (!error) return std::nullopt;
  // Half a copy would later pass for a whole one.
  std::error_code ignored;
  for (const fs::path& path : copied) fs::remove_all(path, ignored);
  return FileFault::fromErrno(error.value(), to);
}

}  // namespace lumora::studio
