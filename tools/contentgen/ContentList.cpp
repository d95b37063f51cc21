#include "ContentList.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include "AcousticCheck.h"
#include "ContentError.h"
#include "KoreanPhonemes.h"
#include "data/RecordingNames.h"
#include "data/SoundTableLayout.h"

namespace lumora::contentgen {
namespace {

class Parser {
 public:
  void parseLine(const QString& line, int lineNumber) {
    lineNumber_ = lineNumber;
    if (line.trimmed().isEmpty() || line.startsWith(u'#')) return;
    const QStringList fields = line.split(u'\t');
    const QString& kind = fields.front();
    if (kind == u"recording") {
      expectFields(fields, 3, 4);
      list_.recordings.push_back(
          {plainWaveName(fields[1]), text(fields[2]), optionalText(fields, 3)});
    } else if (kind == u"minute") {
      expectFields(fields, 6, 7);
      list_.minuteRows.push_back({text(fields[1]), number(fields[2], 1, 2),
                                  number(fields[3], 0, 59), text(fields[4]), text(fields[5]),
                                  optionalText(fields, 6)});
    } else if (kind == u"syllable") {
      expectFields(fields, 3, 4);
      list_.syllables.push_back(
          {syllableName(fields[1]), text(fields[2]), optionalText(fields, 3)});
    } else if (kind == u"confusable") {
      expectFields(fields, 7, 7);
      list_.confusableRows.push_back(confusableRow(fields));
    } else if (kind == u"exception") {
      expectFields(fields, 4, 4);
      if (!isTargetKey(text(fields[2]))) {
        fail(QStringLiteral("\"%1\" is not a target of the acoustic check").arg(fields[2]));
      }
      exceptionLines_.push_back(lineNumber);
      list_.exceptions.push_back({text(fields[1]), text(fields[2]), text(fields[3])});
    } else {
      fail(QStringLiteral("unknown record kind \"%1\"").arg(kind));
    }
  }

  ContentList finish() {
    lineNumber_ = 0;
    checkMinuteRows();
    checkSyllables();
    checkConfusableRows();
    checkUniqueSoundFiles();
    checkExceptions();
    return std::move(list_);
  }

 private:
  [[noreturn]] void fail(const QString& message) const {
    if (lineNumber_ == 0) throw ContentError(QStringLiteral("content list: ") + message);
    throw ContentError(QStringLiteral("content list line %1: %2").arg(lineNumber_).arg(message));
  }

  // `fewest` fields, or up to `most` when the record has optional trailing fields.
  void expectFields(const QStringList& fields, int fewest, int most) const {
    if (fields.size() < fewest || fields.size() > most) {
      fail(QStringLiteral("%1 needs %2 tab-separated fields, found %3")
               .arg(fields.front(), fewest == most
                                        ? QString::number(fewest)
                                        : QStringLiteral("%1 or %2").arg(fewest).arg(most))
               .arg(fields.size()));
    }
  }

  // The optional field at `index`; empty when the record ends before it.
  QString optionalText(const QStringList& fields, int index) const {
    return index < fields.size() ? text(fields[index]) : QString();
  }

  QString text(const QString& field) const {
    const QString trimmed = field.trimmed();
    if (trimmed.isEmpty()) fail(QStringLiteral("empty field"));
    return trimmed;
  }

  int number(const QString& field, int low, int high) const {
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    if (!ok || value < low || value > high) {
      fail(QStringLiteral("\"%1\" is not a whole number from %2 to %3")
               .arg(field)
               .arg(low)
               .arg(high));
    }
    return value;
  }

  // A file name inside the sound folder: no folder part, no hidden file, a .wav ending.
  QString plainWaveName(const QString& field) const {
    const QString name = text(field);
    if (name.contains(u'/') || name.contains(u'\\') || name.startsWith(u'.') ||
        !name.endsWith(QStringLiteral(".wav"), Qt::CaseInsensitive)) {
      fail(QStringLiteral("\"%1\" is not a plain .wav file name").arg(name));
    }
    return name;
  }

  // Lower-case ASCII letters only: valid in CP932 and distinct on case-blind file systems.
  QString syllableName(const QString& field) const {
    static const QRegularExpression pattern(QStringLiteral("^[a-z]+$"));
    const QString name = text(field);
    if (!pattern.match(name).hasMatch()) {
      fail(QStringLiteral("syllable name \"%1\" is not lower-case ASCII letters").arg(name));
    }
    return name;
  }

  ConfusableRow confusableRow(const QStringList& fields) const {
    ConfusableRow row;
    for (int i = 0; i < 3; ++i) {
      row.flags[i] = number(fields[1 + i], 0, 1);
      row.names[i] = text(fields[4 + i]);
    }
    if (row.flags == std::array<int, 3>{}) fail(QStringLiteral("every answer flag is 0"));
    return row;
  }

  void checkMinuteRows() const {
    if (list_.minuteRows.size() != kMinuteRows) {
      fail(QStringLiteral("%1 minute rows, the table needs %2")
               .arg(list_.minuteRows.size())
               .arg(kMinuteRows));
    }
    for (size_t i = 0; i < list_.minuteRows.size(); ++i) {
      const QString& part = list_.minuteRows[i].namePart;
      const bool halfHour = isHalfHourNamePart(part);
      const bool last = i + 1 == list_.minuteRows.size();
      if (halfHour != last) {
        fail(QStringLiteral("minute name part \"%1\": only the last row, the half hour, has %2 as "
                            "third character")
                 .arg(part, kHalfHourMark));
      }
    }
  }

  void checkSyllables() const {
    QSet<QString> names;
    QSet<QString> hangul;
    for (const Syllable& syllable : list_.syllables) {
      if (names.contains(syllable.name) || hangul.contains(syllable.hangul)) {
        fail(QStringLiteral("syllable %1 %2 is listed twice").arg(syllable.name, syllable.hangul));
      }
      names.insert(syllable.name);
      hangul.insert(syllable.hangul);
    }
  }

  void checkConfusableRows() const {
    const auto rows = list_.confusableRows.size();
    if (rows < 1 || rows > kMaxHardSoundRows) {
      fail(QStringLiteral("%1 confusable rows, the table holds 1 to %2")
               .arg(rows)
               .arg(kMaxHardSoundRows));
    }
    QSet<QString> known;
    for (const Syllable& syllable : list_.syllables) known.insert(syllable.name);
    for (const ConfusableRow& row : list_.confusableRows) {
      for (const QString& name : row.names) {
        if (!known.contains(name)) fail(QStringLiteral("syllable \"%1\" is not listed").arg(name));
      }
    }
  }

  void checkUniqueSoundFiles() const {
    QSet<QString> seen;
    for (const Utterance& utterance : utterances(list_)) {
      const QString& file = utterance.fileName;
      if (seen.contains(file)) fail(QStringLiteral("%1 would be written twice").arg(file));
      seen.insert(file);
    }
  }

  void checkExceptions() {
    QSet<QString> spoken;
    for (const Utterance& utterance : utterances(list_)) spoken.insert(utterance.fileName);
    for (std::size_t i = 0; i < list_.exceptions.size(); ++i) {
      lineNumber_ = exceptionLines_[i];
      const QString& file = list_.exceptions[i].fileName;
      if (!spoken.contains(file))
        fail(QStringLiteral("%1 is not a spoken file of the list").arg(file));
    }
  }

  ContentList list_;
  std::vector<int> exceptionLines_;  // where each exception stands
  int lineNumber_ = 0;
};

}  // namespace

QString exceptionReason(const ContentList& list, const QString& fileName, const QString& target) {
  for (const Exception& exception : list.exceptions) {
    if (exception.fileName == fileName && exception.target == target) return exception.reason;
  }
  return {};
}

QString pronunciationOf(const QString& text, const QString& spokenAs) {
  const QString hangul = spokenAs.section(QStringLiteral("[["), 0, 0).trimmed();
  return hangul.isEmpty() ? text : hangul;
}

QString voiceInputOf(const QString& text, const QString& spokenAs) {
  const qsizetype phonemes = spokenAs.indexOf(QStringLiteral("[["));
  if (phonemes >= 0) return spokenAs.mid(phonemes);
  return QStringLiteral("[[%1]]").arg(espeakPhonemes(pronunciationOf(text, spokenAs)));
}

std::vector<Utterance> utterances(const ContentList& list) {
  std::vector<Utterance> all;
  const auto add = [&](const QString& fileName, const QString& text, const QString& spokenAs,
                       bool syllable) {
    all.push_back(
        {fileName, text, pronunciationOf(text, spokenAs), voiceInputOf(text, spokenAs), syllable});
  };
  for (const Recording& recording : list.recordings)
    add(recording.fileName, recording.korean, recording.spokenAs, false);
  for (const MinuteRow& row : list.minuteRows)
    add(names::minute(row.namePart), row.korean, row.spokenAs, false);
  for (const Syllable& syllable : list.syllables)
    add(names::hardSound(syllable.name), syllable.hangul, syllable.spokenAs, true);
  return all;
}

ContentList parseContentList(const QString& text) {
  Parser parser;
  const QStringList lines = text.split(u'\n');
  for (qsizetype i = 0; i < lines.size(); ++i) {
    QString line = lines[i];
    if (line.endsWith(u'\r')) line.chop(1);
    parser.parseLine(line, static_cast<int>(i + 1));
  }
  return parser.finish();
}

ContentList readContentList(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    throw ContentError(
        QStringLiteral("cannot read the content list %1: %2").arg(path, file.errorString()));
  }
  return parseContentList(QString::fromUtf8(file.readAll()));
}

}  // namespace lumora::contentgen
