#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace lumora::contentgen {

// Writes through a temporary file, so an interrupted write never leaves half a file; throws
// ContentError when it cannot.
void writeWholeFile(const QString& path, const QByteArray& bytes);

// What one build did to the application folder.
struct BuildReport {
  int written = 0;    // new files and generated files brought up to date
  int unchanged = 0;  // generated files that already held the right bytes
  QStringList kept;   // files someone replaced, left as they are
  int removed = 0;    // generated files the content list no longer asks for
};

// Writes generated files into the application folder and keeps a manifest of the content
// hash of each, so a later build overwrites or removes only files still exactly as it wrote
// them. A file that differs from what the manifest records was put there by someone else (a
// teacher's recording, say) and is never touched; neither is any file the build never made.
class GeneratedFiles {
 public:
  // Reads the manifest of the last build in `appFolder`, if any.
  explicit GeneratedFiles(QString appFolder);

  // Puts the bytes at the path relative to the application folder, creating folders.
  void put(const QString& relativePath, const QByteArray& bytes);

  // Removes the files of the last build that this build did not put, unless they were
  // replaced, and saves the new manifest. Returns what the build did.
  BuildReport finish();

  // Whether the file is there exactly as the last build wrote it.
  bool isAsGenerated(const QString& relativePath) const;

  static const QString kManifestName;

 private:
  QString absolute(const QString& relativePath) const;

  QString appFolder_;
  QHash<QString, QByteArray> previous_;  // relative path -> hash, from the last build
  QHash<QString, QByteArray> current_;
  BuildReport report_;
};

}  // namespace lumora::contentgen
