#include "data/DurableFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <utility>

namespace lumora {
namespace {

constexpr int kTempSuffixLength = 6;
constexpr char kTempSuffixCharacters[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

QByteArray native(const QString& path) { return QFile::encodeName(path); }

bool isTempSuffix(QStringView suffix) {
  return suffix.size() == kTempSuffixLength &&
         std::all_of(suffix.begin(), suffix.end(),
                     [](QChar c) { return c.unicode() < 128 && std::isalnum(c.unicode()); });
}

// A kill between creating and renaming the temporary file leaves it behind; nothing else
// ever removes it, so each replacement clears those of the ones before.
void removeLeftovers(const QString& folder, const QString& name) {
  const QDir dir(folder);
  const QStringList candidates =
      dir.entryList({name + QStringLiteral(".??????")},
                    QDir::Files | QDir::Hidden | QDir::NoSymLinks | QDir::CaseSensitive);
  for (const QString& candidate : candidates) {
    if (isTempSuffix(QStringView(candidate).mid(name.size() + 1))) {
      ::unlink(native(dir.filePath(candidate)).constData());
    }
  }
}

QString randomSuffix() {
  QString suffix;
  for (int i = 0; i < kTempSuffixLength; ++i) {
    const auto index = QRandomGenerator::global()->bounded(int(sizeof kTempSuffixCharacters) - 1);
    suffix += QLatin1Char(kTempSuffixCharacters[index]);
  }
  return suffix;
}

// The new contents on their way to the disk: a temporary file beside the target that is
// removed again unless it has been renamed over the target.
class ReplacementFile {
 public:
  explicit ReplacementFile(QString target)
      : target_(std::move(target)),
        folder_(QFileInfo(target_).absolutePath()),
        name_(QFileInfo(target_).fileName()) {}

  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;

  ~ReplacementFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!tempPath_.isEmpty() && !renamed_) ::unlink(native(tempPath_).constData());
  }

  // A file already at the target that may not be replaced, or nothing.
  std::optional<FileFault> checkTarget() {
    if (::stat(native(target_).constData(), &old_) != 0) return std::nullopt;
    hasOld_ = true;
    if (S_ISDIR(old_.st_mode)) return fault(FileFault::Cause::IsFolder);
    if (!S_ISREG(old_.st_mode)) return fault(FileFault::Cause::NotAFile);
    // The superuser passes access(); the mode bits still say the file is meant to stay.
    if ((old_.st_mode & 0222) == 0 ||
        (::access(native(target_).constData(), W_OK) != 0 && errno == EACCES)) {
      return fault(FileFault::Cause::ReadOnlyFile);
    }
    return std::nullopt;
  }

  std::optional<FileFault> create() {
    removeLeftovers(folder_, name_);
    const QString folderPath = QDir::toNativeSeparators(folder_ + u'/');
    for (int attempt = 0; fd_ < 0; ++attempt) {
      tempPath_ = QDir(folder_).filePath(name_ + u'.' + randomSuffix());
      fd_ = ::open(native(tempPath_).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd_ < 0) {
        const int code = errno;
        if (code == EEXIST && attempt < 100) continue;
        tempPath_.clear();
        return FileFault::fromErrno(code, folderPath);
      }
    }
    if (hasOld_ && ::fchmod(fd_, old_.st_mode & 07777) != 0) return systemFault();
    if (hasOld_ && ::geteuid() == 0 && ::fchown(fd_, old_.st_uid, old_.st_gid) != 0) {
      return systemFault();
    }
    return std::nullopt;
  }

  // Every byte, however the system splits the writing up.
  std::optional<FileFault> write(const QByteArray& bytes) {
    const char* next = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
      const ssize_t written = ::write(fd_, next, static_cast<size_t>(left));
      if (written < 0 && errno == EINTR) continue;
      if (written < 0) return systemFault();
      if (written == 0) return FileFault::fromErrno(EIO, target_);
      next += written;
      left -= written;
    }
    return std::nullopt;
  }

  std::optional<FileFault> commit() {
    if (::fsync(fd_) != 0) return systemFault();
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0) return systemFault();
    if (::rename(native(tempPath_).constData(), native(target_).constData()) != 0) {
      return systemFault();
    }
    renamed_ = true;
    syncFolder();
    return std::nullopt;
  }

 private:
  FileFault fault(FileFault::Cause cause) const { return {cause, target_, 0}; }
  FileFault systemFault() const { return FileFault::fromErrno(errno, target_); }

  // Makes the rename itself last. Some file systems cannot flush a folder; the new file is
  // in place by now, so that is no reason to report a failure.
  void syncFolder() const {
    const int fd = ::open(native(folder_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
  }

  QString target_;
  QString folder_;
  QString name_;
  QString tempPath_;
  struct stat old_ {};
  bool hasOld_ = false;
  int fd_ = -1;
  bool renamed_ = false;
};

}  // namespace

std::optional<FileFault> replaceFileDurably(const QString& path, const QByteArray& bytes) {
  // A link is followed, so that the file it leads to is replaced rather than the link.
  const QString canonical = QFileInfo(path).canonicalFilePath();
  ReplacementFile file(canonical.isEmpty() ? path : canonical);
  if (auto fault = file.checkTarget()) return fault;
  if (auto fault = file.create()) return fault;
  if (auto fault = file.write(bytes)) return fault;
  return file.commit();
}

}  // namespace lumora
