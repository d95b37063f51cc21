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

// Writes generated files into the application folder. Every WAV file it writes carries the
// generator's tag (data/GeneratorTag.h), so a later build, on these folders or on a copy,
// overwrites or removes only recordings that are still the generator's. A manifest of the
// content hash of each file it wrote covers what carries no tag (pictures, tables, the
// recording script, and recordings written before the tag) and names the files of the last
// build, so that those the list no longer asks for are removed. Any other file (a teacher's
// recording, say) is never touched.
class GeneratedFiles {
 public:
  // Reads the manifest of the last build in `appFolder`, if any.
  explicit GeneratedFiles(QString appFolder);

  // Puts the bytes at the path relative to the application folder, creating folders; a WAV
  // file gets the generator's tag.
  void put(const QString& relativePath, const QByteArray& bytes);

  // Removes the files of the last build that this build did not put, unless they were
  // replaced, and saves the new manifest. Returns what the build did.
  BuildReport finish();

  static const QString kManifestName;

 private:
  QString absolute(const QString& relativePath) const;
  // Whether `bytes`, found at the path, are the generator's: tagged, or as the last build
  // wrote them.
  bool isGenerated(const QString& relativePath, const QByteArray& bytes) const;

  QString appFolder_;
  QHash<QString, QByteArray> previous_;  // relative path -> hash, from the last build
  QHash<QString, QByteArray> current_;
  BuildReport report_;
};

}  // namespace lumora::contentgen
