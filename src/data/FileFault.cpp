#include "data/FileFault.h"

#include <QStringList>
#include <cerrno>
#include <cstring>

namespace lumora {
namespace {

struct CauseText {
  FileFault::Cause cause;
  const char16_t* summary;
  const char16_t* advice;
};

constexpr CauseText kCauseTexts[] = {
    {FileFault::Cause::NoSpace, u"ディスクの空き容量が足りません",
     u"不要なファイルを消してディスクの空きを増やしてから、もう一度試してください。"},
    {FileFault::Cause::FileSizeLimit, u"ファイルの大きさの上限を超えました",
     u"ディスクの空きとファイルの大きさの制限を確かめてから、もう一度試してください。"},
    {FileFault::Cause::NoPermission, u"アクセスが許可されていません",
     u"ファイルとフォルダの権限を確かめてください。"},
    {FileFault::Cause::ReadOnlyFile, u"ファイルが読み取り専用です",
     u"ファイルの読み取り専用の設定を外してから、もう一度試してください。"},
    {FileFault::Cause::ReadOnlyFileSystem, u"読み取り専用のファイルシステムです",
     u"書き込めるディスクかどうか確かめてください。"},
    {FileFault::Cause::Missing, u"見つかりません", kDataCheckAdvice},
    {FileFault::Cause::IsFolder, u"ファイルではなくフォルダです", kDataCheckAdvice},
    {FileFault::Cause::NotAFile, u"普通のファイルではありません", kDataCheckAdvice},
    {FileFault::Cause::DiskError, u"ディスクの読み書きでエラーが起きました",
     u"ディスクの状態を確かめてください。"},
    {FileFault::Cause::UntrustedLink, u"他の人が置いたかもしれないリンクです",
     u"リンクの先には書き込んでいません。リンクを消してから、もう一度試してください。"
     u"リンクを使うときは、自分だけが書き込めるフォルダに自分で作ってください。"},
    {FileFault::Cause::NotAFolder, u"フォルダの場所にフォルダではないファイルがあります",
     u"そのファイルを移すか名前を変えてから、もう一度試してください。"},
    {FileFault::Cause::Other, u"ファイルを扱えませんでした", kDataCheckAdvice},
};

const CauseText& textOf(FileFault::Cause cause) {
  for (const CauseText& text : kCauseTexts) {
    if (text.cause == cause) return text;
  }
  return kCauseTexts[std::size(kCauseTexts) - 1];
}

FileFault::Cause causeOf(int code) {
  switch (code) {
    case ENOSPC:
    case EDQUOT:
      return FileFault::Cause::NoSpace;
    case EFBIG:
      return FileFault::Cause::FileSizeLimit;
    case EACCES:
    case EPERM:
      return FileFault::Cause::NoPermission;
    case EROFS:
      return FileFault::Cause::ReadOnlyFileSystem;
    case ENOENT:
    case ENOTDIR:
      return FileFault::Cause::Missing;
    case EISDIR:
      return FileFault::Cause::IsFolder;
    case EIO:
      return FileFault::Cause::DiskError;
    default:
      return FileFault::Cause::Other;
  }
}

}  // namespace

FileFault FileFault::fromErrno(int code, const QString& path) {
  return {causeOf(code), path, code};
}

FileFault FileFault::folderNotMade(int code, const QString& path) {
  // Making a folder, these mean that a file stands where a folder should be.
  const bool fileInTheWay = code == EEXIST || code == ENOTDIR;
  return {fileInTheWay ? Cause::NotAFolder : causeOf(code), path, code, true};
}

QString FileFault::summary() const {
  const QString what = makingFolder ? QStringLiteral("フォルダを作れませんでした: ") : QString();
  return what + QString::fromUtf16(textOf(cause).summary) + QStringLiteral("（%1）。").arg(path);
}

QString FileFault::advice() const { return QString::fromUtf16(textOf(cause).advice); }

QString FileFault::detail() const {
  if (errorCode == 0) return {};
  return QStringLiteral("詳細: ") + QString::fromLocal8Bit(std::strerror(errorCode));
}

QString FileFault::message(const QString& note) const {
  return messageLines({summary(), advice(), note, detail()});
}

QString messageLines(QStringList lines) {
  lines.removeAll(QString());
  return lines.join(u'\n');
}

}  // namespace lumora
