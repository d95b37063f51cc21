#pragma once

#include <QString>
#include <QStringList>

namespace lumora {

// What the learner can do when the data folders are not as they should be.
inline constexpr char16_t kDataCheckAdvice[] =
    u"lumora-datacheck でフォルダとファイルを確かめてください。";

// A file operation that failed, told to the learner in Japanese: what went wrong and where,
// what they can do about it, and the system's own text only as a detail.
struct FileFault {
  enum class Cause {
    NoSpace,
    FileSizeLimit,
    NoPermission,
    ReadOnlyFile,
    ReadOnlyFileSystem,
    Missing,
    IsFolder,
    NotAFile,
    DiskError,
    UntrustedLink,
    NotAFolder,
    Other,
  };

  // The cause of a system error number.
  static FileFault fromErrno(int code, const QString& path);
  // The folder at `path`, or one above it, could not be made.
  static FileFault folderNotMade(int code, const QString& path);

  QString summary() const;  // "cause（path）。", after what could not be done
  QString advice() const;   // what the learner can do
  QString detail() const;   // "詳細: system text", or empty when the system gave none
  // Summary, advice, `note` and detail, one a line, leaving out those that are empty.
  QString message(const QString& note = {}) const;

  Cause cause = Cause::Other;
  QString path;       // the file or folder concerned
  int errorCode = 0;  // the system's error number; 0 when the fault was found otherwise
  bool makingFolder = false;
};

// The lines of a message that are not empty, one a line.
QString messageLines(QStringList lines);

}  // namespace lumora
