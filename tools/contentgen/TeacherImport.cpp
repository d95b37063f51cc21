#include "TeacherImport.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <optional>

#include "ContentError.h"
#include "RecordingScript.h"
#include "TeacherRecording.h"
#include "data/GeneratorTag.h"
#include "data/RecordingFile.h"
#include "data/RecordingNames.h"

namespace lumora::contentgen {
namespace {

// The name a file is matched by: without its extension, and composed, since some systems
// store names decomposed.
QString matchingKey(const QString& fileName) {
  return QFileInfo(fileName).completeBaseName().normalized(QString::NormalizationForm_C);
}

// Both folders must be there: a mistyped application folder would otherwise be created and
// the real one left as it was.
void checkFolders(const QString& recordingsFolder, const QString& appFolder) {
  if (!QFileInfo(recordingsFolder).isDir()) {
    throw ContentError(QStringLiteral("録音のフォルダ %1 が見つかりません").arg(recordingsFolder));
  }
  if (!QFileInfo(appFolder + u'/' + names::kSoundFolder).isDir()) {
    throw ContentError(QStringLiteral("%1 は Lumora のフォルダではありません（%2 がありません）")
                           .arg(appFolder, names::kSoundFolder));
  }
}

// Converts the input and writes it over the file `target` of the sound folder; why not, when
// it cannot.
std::optional<QString> place(const QFileInfo& input, const QString& appFolder,
                             const QString& target) {
  QByteArray recording;
  try {
    recording = teacherRecording(input.absoluteFilePath());
  } catch (const ContentError& error) {
    return QStringLiteral("読み込めません（%1）").arg(QString::fromUtf8(error.what()));
  }
  if (const auto fault = placeTeacherRecording(appFolder, target, recording)) {
    return QStringLiteral("書き込めません（%1%2）").arg(fault->summary(), fault->advice());
  }
  return std::nullopt;
}

// Whether the recording in the sound folder is a teacher's: there, and not as the generator
// tagged it.
bool isTeachers(const QString& appFolder, const QString& fileName) {
  const auto read = readRecording(soundFilePath(appFolder, fileName));
  const auto* bytes = std::get_if<QByteArray>(&read);
  return bytes ? !hasGeneratorTag(*bytes)
               : std::get<RecordingFault>(read) != RecordingFault::missing;
}

}  // namespace

ImportReport importTeacherRecordings(const ContentList& list, const QString& recordingsFolder,
                                     const QString& appFolder) {
  checkFolders(recordingsFolder, appFolder);
  const QFileInfoList inputs =
      QDir(recordingsFolder)
          .entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                         QDir::Name);
  if (inputs.isEmpty()) {
    throw ContentError(
        QStringLiteral("録音のフォルダ %1 にファイルがありません").arg(recordingsFolder));
  }
  QHash<QString, QString> scriptNames;  // matching key -> sound-folder file name
  for (const ScriptLine& line : scriptLines(list)) {
    scriptNames.insert(matchingKey(line.fileName), line.fileName);
  }
  ImportReport report;
  QHash<QString, QString> taken;  // sound-folder file name -> the input that gave it
  for (const QFileInfo& input : inputs) {
    const auto skip = [&](const QString& why) {
      report.skipped.append(input.fileName() + QStringLiteral(": ") + why);
    };
    if (input.isDir()) {
      skip(QStringLiteral("フォルダは取り込みません"));
      continue;
    }
    const QString target = scriptNames.value(matchingKey(input.fileName()));
    if (target.isEmpty()) {
      skip(QStringLiteral("録音台本にない名前です"));
      continue;
    }
    if (taken.contains(target)) {
      skip(QStringLiteral("%1 と同じ録音です").arg(taken.value(target)));
      continue;
    }
    if (const auto why = place(input, appFolder, target)) {
      skip(*why);
      continue;
    }
    taken.insert(target, input.fileName());
    report.placed.append(target);
  }
  return report;
}

QSet<QString> teacherRecordings(const ContentList& list, const QString& appFolder) {
  QSet<QString> teachers;
  for (const ScriptLine& line : scriptLines(list)) {
    if (isTeachers(appFolder, line.fileName)) teachers.insert(line.fileName);
  }
  return teachers;
}

VoiceReport voiceReport(const ContentList& list, const QString& appFolder) {
  return voiceReport(list, teacherRecordings(list, appFolder));
}

VoiceReport voiceReport(const ContentList& list, const QSet<QString>& teacherFiles) {
  VoiceReport report;
  for (const ScriptLine& line : scriptLines(list)) {
    auto category = std::find_if(
        report.categories.begin(), report.categories.end(),
        [&](const CategoryVoices& voices) { return voices.category == line.category; });
    if (category == report.categories.end()) {
      category = report.categories.insert(category, CategoryVoices{line.category});
    }
    ++category->total;
    if (!teacherFiles.contains(line.fileName)) ++category->synthetic;
  }
  for (const ConfusableRow& row : list.confusableRows) {
    RowVoices& voices = report.rows.emplace_back();
    voices.syllables = {row.names.begin(), row.names.end()};
    for (const QString& syllable : row.names) {
      (teacherFiles.contains(names::hardSound(syllable)) ? voices.teacher : voices.synthetic)
          .append(syllable);
    }
  }
  return report;
}

QStringList voiceReportLines(const VoiceReport& report) {
  QStringList lines{QStringLiteral("合成音声のままの録音:")};
  for (const CategoryVoices& category : report.categories) {
    lines.append(QStringLiteral("  %1: %2 / %3")
                     .arg(category.category)
                     .arg(category.synthetic)
                     .arg(category.total));
  }
  lines.append(QStringLiteral("難聴音の行:"));
  const auto listed = [](const QStringList& syllables) {
    return syllables.isEmpty() ? QStringLiteral("なし") : syllables.join(u' ');
  };
  for (const RowVoices& row : report.rows) {
    QString line = QStringLiteral("  %1 — 先生の声: %2 / 合成音声: %3")
                       .arg(row.syllables.join(u' '), listed(row.teacher), listed(row.synthetic));
    if (row.mixed()) {
      line += QStringLiteral(
          "  警告: 先生の声と合成音声が混ざっています。声の違いで答えが"
          "分かってしまうので、3つともそろえてください");
    }
    lines.append(line);
  }
  return lines;
}

}  // namespace lumora::contentgen
