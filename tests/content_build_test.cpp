#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>

#include "ContentBuilder.h"
#include "quiz/RecordingNames.h"

namespace lumora::contentgen {
namespace {

// A small but complete content list: two recordings, the 16 minute rows, one syllable row.
QByteArray smallListText() {
  QByteArray text = "recording\t漢数詞001_00.wav\t일\nrecording\t漢数詞002_00.wav\t이\n";
  for (int i = 0; i < 15; ++i) {
    text +=
        QStringLiteral("minute\t%1分\t2\t%1\t%2\t분\n").arg(i).arg(i, 2, 10, QChar(u'0')).toUtf8();
  }
  text += "minute\t半\t2\t30\t30半\t반\n";
  text += "syllable\tga\t가\nsyllable\tka\t카\nsyllable\tkka\t까\n";
  text += "confusable\t1\t1\t1\tga\tka\tkka\n";
  return text;
}

ContentList smallList() { return parseContentList(QString::fromUtf8(smallListText())); }

// Stands in for the speech engine: a tone whose pitch follows the text, padded with silence.
Pcm fakeSpeech(const QString& korean, double pitchFactor = 1.0) {
  Pcm sound{16000, std::vector<std::int16_t>(800, 0)};
  const double frequency = pitchFactor * (200 + korean.size() * 50 + korean.front().unicode() % 97);
  for (int i = 0; i < 1600; ++i) {
    sound.samples.push_back(
        static_cast<std::int16_t>(8000 * std::sin(i * frequency / 16000 * 6.283)));
  }
  sound.samples.resize(sound.samples.size() + 800, 0);
  return sound;
}

constexpr double kLowPitchFactor = 0.8;

const SpeechSource kFakeSpeech = [](const QString& korean, Pitch pitch) {
  return fakeSpeech(korean, pitch == Pitch::Low ? kLowPitchFactor : 1.0);
};
const SpeechSource kOtherFakeSpeech = [](const QString& korean, Pitch) {
  return fakeSpeech(korean, 1.5);
};

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

class ContentBuildTest : public testing::Test {
 protected:
  QString sound(const QString& name) const {
    return folder_.path() + u'/' + names::kSoundFolder + u'/' + name;
  }
  QString picture(const QString& name) const {
    return folder_.path() + u'/' + names::kPictureFolder + u'/' + names::picture(name);
  }
  BuildReport build(const ContentList& list = smallList(),
                    const SpeechSource& speech = kFakeSpeech) {
    return buildContent(list, folder_.path(), speech);
  }

  QTemporaryDir folder_;
};

TEST_F(ContentBuildTest, WritesEveryFileOfTheList) {
  const BuildReport report = build();
  for (const QString& name :
       {names::sinoNumber(1), names::sinoNumber(2), names::minute(QStringLiteral("00")),
        names::minute(QStringLiteral("30半")), names::hardSound(QStringLiteral("kka")),
        names::kCorrectBuzzer, names::kWrongBuzzer, names::kHardSoundTable,
        names::kSplitSoundTable}) {
    EXPECT_TRUE(QFile::exists(sound(name))) << name.toStdString();
  }
  EXPECT_TRUE(QFile::exists(picture(QStringLiteral("ga"))));
  EXPECT_EQ(report.written, 2 + 16 + 3 + 3 + 2 + 2);
  EXPECT_TRUE(report.kept.isEmpty());
}

TEST_F(ContentBuildTest, SpeaksWhatTheListSaysToSpeakAndLaxSyllablesLow) {
  ContentList list = smallList();
  list.recordings[1].spokenAs = QStringLiteral("[[i]]");
  list.syllables[0].spokenAs = QStringLiteral("[[k'a]]");
  build(list);
  const auto spoken = [](const char* text, double pitchFactor = 1.0) {
    return spokenRecording(fakeSpeech(QString::fromUtf8(text), pitchFactor));
  };
  EXPECT_EQ(readAll(sound(names::sinoNumber(1))), spoken("일"));
  EXPECT_EQ(readAll(sound(names::sinoNumber(2))), spoken("[[i]]"));
  EXPECT_EQ(readAll(sound(names::hardSound(QStringLiteral("ga")))),
            spoken("[[k'a]]", kLowPitchFactor));
  EXPECT_EQ(readAll(sound(names::hardSound(QStringLiteral("ka")))), spoken("카"));
  EXPECT_EQ(readAll(sound(names::hardSound(QStringLiteral("kka")))), spoken("까"));
}

TEST_F(ContentBuildTest, RebuildWithTheSameListChangesNothing) {
  build();
  const QByteArray before = readAll(sound(names::sinoNumber(1)));
  const BuildReport report = build();
  EXPECT_EQ(report.written, 0);
  EXPECT_EQ(report.unchanged, 2 + 16 + 3 + 3 + 2 + 2);
  EXPECT_EQ(readAll(sound(names::sinoNumber(1))), before);
}

TEST_F(ContentBuildTest, RebuildLeavesTheLearnersMissFileAndReplacedFilesUntouched) {
  build();
  const QByteArray missFile = "\"1\",\"漢数詞001_00.wav\",\"\",\"1\",\"0\",\"1\"\r\n";
  const QByteArray teacherVoice = "RIFF teacher's own recording";
  const QByteArray teacherPicture = "a teacher's picture";
  writeAll(sound(names::kMissFile), missFile);
  writeAll(sound(names::sinoNumber(1)), teacherVoice);
  writeAll(picture(QStringLiteral("ka")), teacherPicture);

  const BuildReport report = build(smallList(), kOtherFakeSpeech);

  EXPECT_EQ(readAll(sound(names::kMissFile)), missFile);
  EXPECT_EQ(readAll(sound(names::sinoNumber(1))), teacherVoice);
  EXPECT_EQ(readAll(picture(QStringLiteral("ka"))), teacherPicture);
  EXPECT_EQ(report.kept.size(), 2);
  // Nothing the build wrote itself is frozen: a changed voice still reaches the others.
  EXPECT_EQ(readAll(sound(names::sinoNumber(2))),
            spokenRecording(fakeSpeech(QStringLiteral("이"), 1.5)));

  build(smallList(), kOtherFakeSpeech);
  EXPECT_EQ(readAll(sound(names::sinoNumber(1))), teacherVoice);
}

TEST_F(ContentBuildTest, FilesPresentBeforeTheFirstBuildAreKept) {
  QDir(folder_.path()).mkpath(names::kSoundFolder);
  writeAll(sound(names::sinoNumber(2)), "an earlier recording");
  const BuildReport report = build();
  EXPECT_EQ(readAll(sound(names::sinoNumber(2))), "an earlier recording");
  EXPECT_EQ(report.kept, QStringList{names::kSoundFolder + u'/' + names::sinoNumber(2)});
}

TEST_F(ContentBuildTest, DeletedGeneratedFileIsMadeAgain) {
  build();
  const QByteArray generated = readAll(sound(names::sinoNumber(2)));
  QFile::remove(sound(names::sinoNumber(2)));
  build();
  EXPECT_EQ(readAll(sound(names::sinoNumber(2))), generated);
}

TEST_F(ContentBuildTest, RemovesOnlyUnchangedFilesTheListNoLongerHas) {
  ContentList list = smallList();
  list.recordings.push_back({names::sinoNumber(3), QStringLiteral("삼"), {}});
  list.recordings.push_back({names::sinoNumber(4), QStringLiteral("사"), {}});
  build(list);
  writeAll(sound(names::sinoNumber(4)), "replaced by a teacher");

  const BuildReport report = build();

  EXPECT_FALSE(QFile::exists(sound(names::sinoNumber(3))));
  EXPECT_EQ(readAll(sound(names::sinoNumber(4))), "replaced by a teacher");
  EXPECT_EQ(report.removed, 1);
}

// Every file below the folder with its bytes, by relative path.
std::map<QString, QByteArray> contents(const QString& folder) {
  std::map<QString, QByteArray> files;
  QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    files[QDir(folder).relativeFilePath(path)] = readAll(path);
  }
  return files;
}

TEST(ContentBuild, TheGeneratorGivesTheSameFilesForTheSameList) {
  QTemporaryDir work;
  const QString listPath = work.filePath(QStringLiteral("list.tsv"));
  writeAll(listPath, smallListText());
  for (const QString& app : {QStringLiteral("first"), QStringLiteral("second")}) {
    QProcess generator;
    generator.start(QStringLiteral(LUMORA_CONTENTGEN), {listPath, work.filePath(app)});
    ASSERT_TRUE(generator.waitForFinished(60000));
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
  }
  const auto first = contents(work.filePath(QStringLiteral("first")));
  const auto second = contents(work.filePath(QStringLiteral("second")));
  EXPECT_EQ(first.size(), 2u + 16 + 3 + 3 + 2 + 2 + 1);
  ASSERT_EQ(first.size(), second.size());
  for (const auto& [path, bytes] : first) {
    EXPECT_TRUE(second.at(path) == bytes) << path.toStdString();
  }
}

}  // namespace
}  // namespace lumora::contentgen
