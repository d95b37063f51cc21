#include "data/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "data/FileFault.h"

namespace lumora {
namespace {

QString faultText(const FileFault& fault) {
  const QString detail = fault.detail();
  return detail.isEmpty() ? fault.summary() : fault.summary() + u'\n' + detail;
}

// Closes the file on every way out.
class ReadableFile {
 public:
  explicit ReadableFile(const QString& path)
      : fd_(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {}
  ReadableFile(const ReadableFile&) = delete;
  ReadableFile& operator=(const ReadableFile&) = delete;
  ~ReadableFile() {
    if (fd_ >= 0) ::close(fd_);
  }

  int fd() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

std::optional<QString> readWholeFile(const QString& path, qint64 maxBytes, QByteArray& bytes) {
  const ReadableFile file(path);
  if (file.fd() < 0) return faultText(FileFault::fromErrno(errno, path));
  struct stat status {};
  if (::fstat(file.fd(), &status) != 0) return faultText(FileFault::fromErrno(errno, path));
  if (S_ISDIR(status.st_mode)) return faultText({FileFault::Cause::IsFolder, path, 0});
  if (!S_ISREG(status.st_mode)) return faultText({FileFault::Cause::NotAFile, path, 0});
  const auto tooLarge = [&] {
    return QStringLiteral("%1 が大きすぎます（上限 %2 バイト）。")
        .arg(QFileInfo(path).fileName())
        .arg(maxBytes);
  };
  if (status.st_size > maxBytes) return tooLarge();
  QByteArray read;
  read.reserve(status.st_size);
  char chunk[64 * 1024];
  while (true) {
    const ssize_t count = ::read(file.fd(), chunk, sizeof chunk);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return faultText(FileFault::fromErrno(errno, path));
    if (count == 0) break;
    read.append(chunk, count);
    if (read.size() > maxBytes) return tooLarge();  // it grew while being read
  }
  bytes = std::move(read);
  return std::nullopt;
}

}  // namespace lumora
