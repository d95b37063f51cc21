#include "LumoraCopy.h"

#include <QFile>
#include <QFileInfo>
#include <filesystem>

#include "data/RecordingNames.h"

namespace lumora::studio {
namespace {

namespace fs = std::filesystem;

fs::path native(const QString& path) { return QFile::encodeName(path).toStdString(); }

// The copy is the teacher's to record into, whatever the modes of an installed Lumora or of a
// read-only medium: new folders get the usual mode, and every file can be written by them.
void copyWritable(const fs::path& from, const fs::path& to, std::error_code& error) {
  if (!fs::is_directory(from, error)) {
    if (!error) fs::copy_file(from, to, error);
    if (!error) fs::permissions(to, fs::perms::owner_write, fs::perm_options::add, error);
    return;
  }
  fs::create_directory(to, error);
  for (fs::directory_iterator entry(from, error), end; !error && entry != end;
       entry.increment(error)) {
    copyWritable(entry->path(), to / entry->path().filename(), error);
  }
}

}  // namespace

bool soundFolderWritable(const QString& appFolder) {
  const QFileInfo folder(appFolder + u'/' + names::kSoundFolder);
  return folder.isDir() && folder.isWritable();
}

std::optional<FileFault> copyLumora(const QString& from, const QString& to) {
  std::error_code error;
  // Half a copy would later pass for a whole one: whatever this copy made goes again.
  const fs::path folder = native(to);
  std::vector<fs::path> made{fs::exists(folder, error) ? fs::path() : folder};
  fs::create_directories(folder, error);
  for (const QString& name : {QStringLiteral("lumora"), QStringLiteral("lumora-datacheck"),
                              names::kSoundFolder, names::kPictureFolder}) {
    const fs::path target = folder / native(name);
    if (error || fs::exists(target, error) || error) continue;
    made.push_back(target);
    copyWritable(native(from + u'/' + name), target, error);
  }
  if (!error) return std::nullopt;
  std::error_code ignored;
  for (const fs::path& path : made) {
    if (!path.empty()) fs::remove_all(path, ignored);
  }
  return FileFault::fromErrno(error.value(), to);
}

}  // namespace lumora::studio
