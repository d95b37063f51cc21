#include "data/DurableFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <utility>

namespace lumora {
namespace {

constexpr int kTempSuffixLength = 6;
constexpr char kTempSuffixCharacters[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

QByteArray native(const QString& path) { return QFile::encodeName(path); }

// Hidden and marked as the program's own, so that no learner's file is named alike.
QString temporaryPrefix(const QString& name) {
  return u'.' + name + QStringLiteral(".lumora-save-");
}

// Whether `path` still names the file open as `fd`.
bool namesOpenFile(const QString& path, int fd) {
  struct stat named {};
  struct stat opened {};
  return ::lstat(native(path).constData(), &named) == 0 && ::fstat(fd, &opened) == 0 &&
         named.st_dev == opened.st_dev && named.st_ino == opened.st_ino;
}

// A save holds the lock on its temporary file until the rename, so one that nobody holds was
// left by a save that was killed; nothing else would ever remove it. flock rather than fcntl
// locks: those belong to the process, and closing any descriptor of the file drops them.
void removeStaleTemporaries(const QString& folder, const QString& name) {
  const QDir dir(folder);
  const QStringList candidates =
      dir.entryList({temporaryPrefix(name) + QStringLiteral("??????")},
                    QDir::Files | QDir::Hidden | QDir::NoSymLinks | QDir::CaseSensitive);
  for (const QString& candidate : candidates) {
    const QString path = dir.filePath(candidate);
    const int fd = ::open(native(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && namesOpenFile(path, fd)) {
      ::unlink(native(path).constData());
    }
    ::close(fd);
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

// A link nobody else could have made or replaced: the user's own, in a folder of the user's
// that nobody else can write.
bool onlyTheUserCouldHaveMade(const QString& link, const struct stat& status) {
  const uid_t user = ::geteuid();
  struct stat folder {};
  return status.st_uid == user &&
         ::stat(native(QFileInfo(link).absolutePath()).constData(), &folder) == 0 &&
         folder.st_uid == user && (folder.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// The new contents on their way to the disk: a temporary file beside the target that is
// removed again unless it has been renamed over the target.
class ReplacementFile {
 public:
  explicit ReplacementFile(QString target) : target_(std::move(target)) {}

  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;

  ~ReplacementFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!tempPath_.isEmpty() && !renamed_) ::unlink(native(tempPath_).constData());
    if (lockFd_ >= 0) ::close(lockFd_);
  }

  // Follows the links that may be followed; then a file already at the target that may not
  // be replaced, or nothing.
  std::optional<FileFault> checkTarget() {
    for (int links = 0;; ++links) {
      if (::lstat(native(target_).constData(), &old_) != 0) return std::nullopt;
      if (!S_ISLNK(old_.st_mode)) break;
      if (!onlyTheUserCouldHaveMade(target_, old_)) return fault(FileFault::Cause::UntrustedLink);
      if (links == _POSIX_SYMLOOP_MAX) return FileFault::fromErrno(ELOOP, target_);
      target_ = QFileInfo(target_).symLinkTarget();
    }
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
    const QFileInfo target(target_);
    folder_ = target.absolutePath();
    removeStaleTemporaries(folder_, target.fileName());
    for (int attempt = 0;; ++attempt) {
      tempPath_ = QDir(folder_).filePath(temporaryPrefix(target.fileName()) + randomSuffix());
      fd_ = ::open(native(tempPath_).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd_ >= 0 && lockedUntilRenamed()) break;
      const int code = fd_ >= 0 ? EEXIST : errno;
      if (fd_ >= 0) ::close(std::exchange(fd_, -1));
      tempPath_.clear();
      if (code != EEXIST || attempt == 100) {
        return FileFault::fromErrno(code, QDir::toNativeSeparators(folder_ + u'/'));
      }
    }
    lockFd_ = ::dup(fd_);
    if (lockFd_ < 0) return systemFault();
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

  // The lock keeps the cleanup of another copy of the program away until the rename; a
  // second descriptor holds it while the first is closed to learn of late write errors. That
  // cleanup may have taken the file in the moment before, and then removes it: another name
  // is tried. Where the file system has no locks, no cleanup can take one either.
  bool lockedUntilRenamed() const {
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) return errno != EWOULDBLOCK;
    return namesOpenFile(tempPath_, fd_);
  }

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
  QString tempPath_;
  struct stat old_ {};
  bool hasOld_ = false;
  int fd_ = -1;
  int lockFd_ = -1;
  bool renamed_ = false;
};

}  // namespace

std::optional<FileFault> replaceFileDurably(const QString& path, const QByteArray& bytes) {
  ReplacementFile file(path);
  if (auto fault = file.checkTarget()) return fault;
  if (auto fault = file.create()) return fault;
  if (auto fault = file.write(bytes)) return fault;
  return file.commit();
}

}  // namespace lumora
