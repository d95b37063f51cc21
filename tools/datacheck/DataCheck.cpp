#include "DataCheck.h"

#include <QFileInfo>
#include <QImage>
#include <QSet>
#include <optional>

#include "data/Category.h"
#include "data/GeneratorTag.h"
#include "data/Numbers.h"
#include "data/RecordReader.h"
#include "data/RecordingNames.h"
#include "data/SoundTableChecks.h"
#include "data/SoundTableLayout.h"
#include "data/TableShapes.h"
#include "sound/DecodedSound.h"

namespace lumora::datacheck {
namespace {

class FileList {
 public:
  void add(const QString& folder, const QString& name, FileKind kind) {
    RequiredFile file{folder, name, kind};
    if (seen_.contains(file.relativePath())) return;
    seen_.insert(file.relativePath());
    files_.push_back(std::move(file));
  }

  void addRecording(const QString& name) { add(names::kSoundFolder, name, FileKind::Recording); }

  void addNumbered(int count, QString (*name)(int)) {
    for (int n = 1; n <= count; ++n) addRecording(name(n));
  }

  std::vector<RequiredFile> take() { return std::move(files_); }

 private:
  std::vector<RequiredFile> files_;
  QSet<QString> seen_;
};

// Loads a table from the sound folder; nullopt, with a problem added, when it cannot.
std::optional<int> loadTable(const QString& appFolder, const QString& name, TextTable& table,
                             std::vector<Problem>& problems) {
  const QString relativePath = names::kSoundFolder + u'/' + name;
  const QString path = appFolder + u'/' + relativePath;
  if (!QFileInfo::exists(path)) {
    problems.push_back({Problem::Kind::Missing, relativePath, {}});
    return std::nullopt;
  }
  const TableReadResult result = readRecordFile(path, table);
  if (!result.ok) {
    problems.push_back({Problem::Kind::Unreadable, relativePath, result.error});
    return std::nullopt;
  }
  return result.records;
}

void checkHardSoundTable(const TextTable& table, int records, std::vector<Problem>& problems) {
  const QString relativePath = names::kSoundFolder + u'/' + names::kHardSoundTable;
  const auto bad = [&](const QString& detail) {
    problems.push_back({Problem::Kind::BadTable, relativePath, detail});
  };
  const int rows = wholeNumber(table(0, 0));
  if (rows < 1 || rows > kMaxHardSoundRows) {
    bad(QStringLiteral("1 行目の最初の項目（行数 %1）は 1～%2 でなければなりません")
            .arg(table(0, 0))
            .arg(kMaxHardSoundRows));
  }
  for (int row = 1; row <= hardSoundRowsInUse(table); ++row) {
    if (row >= records) {
      bad(QStringLiteral("行数が %1 なのに %2 行目がありません").arg(rows).arg(row));
      return;
    }
    if (wholeNumber(table(row, 0)) == 0 && wholeNumber(table(row, 1)) == 0 &&
        wholeNumber(table(row, 2)) == 0) {
      bad(QStringLiteral("%1 行目の正解フラグ（項目 1～3）がすべて 0 です").arg(row));
    }
    if (table(row, 3).isEmpty() || table(row, 4).isEmpty() || table(row, 5).isEmpty()) {
      bad(QStringLiteral("%1 行目の音節名（項目 4～6）に空のものがあります").arg(row));
    }
  }
}

void checkSplitSoundTable(const TextTable& table, int records, std::vector<Problem>& problems) {
  const QString relativePath = names::kSoundFolder + u'/' + names::kSplitSoundTable;
  for (const QString& fault : splitSoundTableFaults(table, records)) {
    problems.push_back({Problem::Kind::BadTable, relativePath, fault});
  }
}

// A recording as the player checks it; a playable one is counted by whose voice it is.
void checkRecording(const QString& appFolder, const RequiredFile& file, FolderCheck& check) {
  const auto read = readPlayableRecording(appFolder + u'/' + file.relativePath());
  if (const auto* fault = std::get_if<RecordingFault>(&read)) {
    if (*fault == RecordingFault::missing) {
      check.problems.push_back({Problem::Kind::Missing, file.relativePath(), {}});
    } else {
      check.problems.push_back({Problem::Kind::Unreadable, file.relativePath(),
                                QStringLiteral("この録音") + recordingFaultDescription(*fault)});
    }
  } else if (hasGeneratorTag(std::get<QByteArray>(read))) {
    ++check.generatedRecordings;
  } else {
    ++check.teachersRecordings;
  }
}

void checkPicture(const QString& appFolder, const RequiredFile& file,
                  std::vector<Problem>& problems) {
  const QString path = appFolder + u'/' + file.relativePath();
  if (!QFileInfo::exists(path)) {
    problems.push_back({Problem::Kind::Missing, file.relativePath(), {}});
  } else if (QImage(path).isNull()) {
    problems.push_back({Problem::Kind::Unreadable, file.relativePath(), {}});
  }
}

}  // namespace

std::vector<RequiredFile> requiredFiles(const TextTable& hardSoundTable,
                                        const TextTable& splitSoundTable) {
  FileList list;
  list.add(names::kSoundFolder, names::kHardSoundTable, FileKind::Table);
  list.add(names::kSoundFolder, names::kSplitSoundTable, FileKind::Table);
  list.addRecording(names::kCorrectBuzzer);
  list.addRecording(names::kWrongBuzzer);
  list.addNumbered(category::kNumberCount, names::sinoNumber);
  list.addNumbered(category::kNumberCount, names::nativeNumber);
  list.addNumbered(category::kMonthCount, names::month);
  list.addNumbered(category::kDayCount, names::day);
  list.addNumbered(category::kWeekdayCount, names::weekday);
  list.addNumbered(category::kHourCount, names::hour);
  list.addNumbered(category::kOrdinalCount, names::ordinal);
  for (int row = 1; row < splitSoundTable.rowCount(); ++row) {
    const QString& namePart = splitSoundTable(row, 3);
    if (!namePart.isEmpty()) list.addRecording(names::minute(namePart));
  }
  for (int row = 1; row <= hardSoundRowsInUse(hardSoundTable); ++row) {
    for (int button = 0; button < 3; ++button) {
      const QString& syllable = hardSoundTable(row, kFirstSyllableColumn + button);
      if (syllable.isEmpty()) continue;
      list.addRecording(names::hardSound(syllable));
      list.add(names::kPictureFolder, names::picture(syllable), FileKind::Picture);
    }
  }
  return list.take();
}

QString Problem::text() const {
  QString line;
  switch (kind) {
    case Kind::Missing:
      line = QStringLiteral("見つかりません: ");
      break;
    case Kind::Unreadable:
      line = QStringLiteral("読み込めません: ");
      break;
    case Kind::BadTable:
      line = QStringLiteral("表の内容に誤りがあります: ");
      break;
  }
  line += relativePath;
  if (!detail.isEmpty()) line += QStringLiteral("（") + detail + QStringLiteral("）");
  return line;
}

FolderCheck checkAppFolder(const QString& appFolder) {
  FolderCheck check;
  TextTable hardSoundTable = kHardSoundShape.emptyTable();
  TextTable splitSoundTable = kSplitSoundShape.emptyTable();
  if (const auto records =
          loadTable(appFolder, names::kHardSoundTable, hardSoundTable, check.problems)) {
    checkHardSoundTable(hardSoundTable, *records, check.problems);
  }
  if (const auto records =
          loadTable(appFolder, names::kSplitSoundTable, splitSoundTable, check.problems)) {
    checkSplitSoundTable(splitSoundTable, *records, check.problems);
  }
  for (const RequiredFile& file : requiredFiles(hardSoundTable, splitSoundTable)) {
    if (file.kind == FileKind::Recording) checkRecording(appFolder, file, check);
    if (file.kind == FileKind::Picture) checkPicture(appFolder, file, check.problems);
  }
  return check;
}

}  // namespace lumora::datacheck
