#include "GeneratedFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <optional>

#include "ContentError.h"
#include "data/GeneratorTag.h"

namespace lumora::contentgen {
namespace {

QByteArray hashOf(const QByteArray& bytes) {
  return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// The file's bytes; nullopt when there is no such file.
std::optional<QByteArray> bytesOfFile(const QString& path) {
  QFile file(path);
  if (!file.exists()) return std::nullopt;
  if (!file.open(QIODevice::ReadOnly)) {
    throw ContentError(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
  }
  return file.readAll();
}

bool isWave(const QString& relativePath) {
  return relativePath.endsWith(u".wav", Qt::CaseInsensitive);
}

}  // namespace

void writeWholeFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    throw ContentError(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
  }
}

const QString GeneratedFiles::kManifestName = QStringLiteral(".lumora-content-manifest");

GeneratedFiles::GeneratedFiles(QString appFolder) : appFolder_(std::move(appFolder)) {
  QFile manifest(absolute(kManifestName));
  if (!manifest.open(QIODevice::ReadOnly)) return;
  for (const QByteArray& line : manifest.readAll().split('\n')) {
    const qsizetype tab = line.indexOf('\t');
    if (tab > 0) previous_.insert(QString::fromUtf8(line.mid(tab + 1)), line.left(tab));
  }
}

QString GeneratedFiles::absolute(const QString& relativePath) const {
  return appFolder_ + u'/' + relativePath;
}

bool GeneratedFiles::isGenerated(const QString& relativePath, const QByteArray& bytes) const {
  return hasGeneratorTag(bytes) || hashOf(bytes) == previous_.value(relativePath);
}

void GeneratedFiles::put(const QString& relativePath, const QByteArray& bytes) {
  const QString path = absolute(relativePath);
  const QByteArray wanted = isWave(relativePath) ? withGeneratorTag(bytes) : bytes;
  const std::optional<QByteArray> existing = bytesOfFile(path);
  if (existing == wanted) {
    ++report_.unchanged;
  } else if (!existing || isGenerated(relativePath, *existing)) {
    writeWholeFile(path, wanted);
    ++report_.written;
  } else {
    report_.kept.append(relativePath);
    return;
  }
  current_.insert(relativePath, hashOf(wanted));
}

BuildReport GeneratedFiles::finish() {
  for (auto it = previous_.cbegin(); it != previous_.cend(); ++it) {
    if (current_.contains(it.key())) continue;
    const std::optional<QByteArray> existing = bytesOfFile(absolute(it.key()));
    if (existing && isGenerated(it.key(), *existing) && QFile::remove(absolute(it.key()))) {
      ++report_.removed;
    }
  }
  QStringList paths = current_.keys();
  std::sort(paths.begin(), paths.end());
  QByteArray manifest;
  for (const QString& path : paths) manifest += current_.value(path) + '\t' + path.toUtf8() + '\n';
  writeWholeFile(absolute(kManifestName), manifest);
  return report_;
}

}  // namespace lumora::contentgen
