// Any bytes as MemorizeFile.csv: loading, saving again and loading the saved file, with the
// real load and save routines on a temporary folder.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "FuzzCheck.h"
#include "data/MissList.h"
#include "data/MissListFile.h"

namespace lumora {
namespace {

// Every save is synced to disk; a folder in memory keeps the runs fast.
QString folderTemplate() {
  const QString memory = QStringLiteral("/dev/shm");
  const QString base = QFileInfo(memory).isWritable() ? memory : QDir::tempPath();
  return base + QStringLiteral("/lumora-fuzz-XXXXXX");
}

QByteArray contentsOf(const QString& path) {
  QFile file(path);
  FUZZ_CHECK(file.open(QIODevice::ReadOnly));
  return file.readAll();
}

}  // namespace
}  // namespace lumora

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumora;
  static const QTemporaryDir folder(folderTemplate());
  FUZZ_CHECK(folder.isValid());
  const QString path = folder.filePath(QStringLiteral("MemorizeFile.csv"));
  const QByteArray input = fuzz::bytesOf(data, size);
  {
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly) && file.write(input) == input.size());
  }

  // The big tables are made once: assigning into them costs far less than new ones.
  static const TextTable empty = kMissListShape.emptyTable();
  static TextTable loaded = empty;
  static TextTable reloaded = empty;
  loaded = empty;
  if (const auto error = readMissFile(path, loaded)) {
    FUZZ_CHECK(!error->isEmpty());
    FUZZ_CHECK(loaded == empty);
    return 0;
  }
  const QList<QStringList> records = missFileRecords(loaded);
  if (const auto error = writeMissFile(path, records)) {
    FUZZ_CHECK(!error->isEmpty());
    FUZZ_CHECK(contentsOf(path) == input);
  } else {
    reloaded = empty;
    FUZZ_CHECK(!readMissFile(path, reloaded));
    FUZZ_CHECK(missFileRecords(reloaded) == records);
  }
  FUZZ_CHECK(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden) ==
             QStringList{QStringLiteral("MemorizeFile.csv")});
  return 0;
}
