#include <gtest/gtest.h>

#include <sndfile.h>
#include <sys/stat.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <limits>
#include <map>

#include "ContentBuilder.h"
#include "Loudness.h"
#include "TeacherImport.h"
#include "WaveFile.h"
#include "data/GeneratorTag.h"
#include "data/RecordingFile.h"
#include "data/RecordingNames.h"

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

// The files a build of the small list writes: recordings, minutes, syllables, pictures,
// buzzers, tables and the recording script.
constexpr int kSmallListFiles = 2 + 16 + 3 + 3 + 2 + 2 + 1;

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

const SpeechSource kFakeSpeech = [](const Utterance& utterance) {
  return fakeSpeech(utterance.spoken);
};
const SpeechSource kOtherFakeSpeech = [](const Utterance& utterance) {
  return fakeSpeech(utterance.spoken, 1.5);
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
  EXPECT_EQ(report.written, kSmallListFiles);
  EXPECT_TRUE(report.kept.isEmpty());
}

TEST_F(ContentBuildTest, SpeaksTheListsPhonemesOrThoseOfThePronunciation) {
  ContentList list = smallList();
  list.recordings[1].spokenAs = QStringLiteral("이 [[i]]");
  list.syllables[0].spokenAs = QStringLiteral("카");
  build(list);
  const auto spoken = [](const char* phonemes) {
    return withGeneratorTag(spokenRecording(fakeSpeech(QString::fromUtf8(phonemes))));
  };
  EXPECT_EQ(readAll(sound(names::sinoNumber(1))), spoken("[['iL]]"));
  EXPECT_EQ(readAll(sound(names::sinoNumber(2))), spoken("[[i]]"));
  EXPECT_EQ(readAll(sound(names::hardSound(QStringLiteral("ga")))), spoken("[[kh'a]]"));
  EXPECT_EQ(readAll(sound(names::hardSound(QStringLiteral("kka")))), spoken("[[q-'a]]"));
}

TEST_F(ContentBuildTest, RebuildWithTheSameListChangesNothing) {
  build();
  const QByteArray before = readAll(sound(names::sinoNumber(1)));
  const BuildReport report = build();
  EXPECT_EQ(report.written, 0);
  EXPECT_EQ(report.unchanged, kSmallListFiles);
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
  // As on a copy of the folders: the generator's tag alone tells its recordings.
  QFile::remove(folder_.filePath(GeneratedFiles::kManifestName));

  const BuildReport report = build(smallList(), kOtherFakeSpeech);

  EXPECT_EQ(readAll(sound(names::kMissFile)), missFile);
  EXPECT_EQ(readAll(sound(names::sinoNumber(1))), teacherVoice);
  EXPECT_EQ(readAll(picture(QStringLiteral("ka"))), teacherPicture);
  EXPECT_EQ(report.kept.size(), 2);
  // Nothing the build wrote itself is frozen: a changed voice still reaches the others.
  EXPECT_EQ(readAll(sound(names::sinoNumber(2))),
            withGeneratorTag(spokenRecording(fakeSpeech(QStringLiteral("[['i]]"), 1.5))));

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

void writeFrames(const QString& path, int format, int sampleRate, int channels,
                 const std::vector<float>& frames) {
  SF_INFO info{};
  info.samplerate = sampleRate;
  info.channels = channels;
  info.format = format;
  SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
  ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
  const auto count = static_cast<sf_count_t>(frames.size()) / channels;
  EXPECT_EQ(sf_writef_float(file, frames.data(), count), count);
  sf_close(file);
}

// A second of sound as a teacher might record it: a 220 Hz tone from 0.3 s to 0.7 s between
// silences, louder on the second channel, written by libsndfile in the given format.
void writeRecording(const QString& path, int format, int sampleRate, int channels, double level) {
  std::vector<float> frames;
  for (int i = 0; i < sampleRate; ++i) {
    const double t = double(i) / sampleRate;
    const double value = t >= 0.3 && t < 0.7 ? level * std::sin(2 * M_PI * 220 * t) : 0.0;
    for (int channel = 1; channel <= channels; ++channel) {
      frames.push_back(static_cast<float>(value * channel / channels));
    }
  }
  writeFrames(path, format, sampleRate, channels, frames);
}

// The file as libsndfile reads it: its format, and its samples when it is 16-bit mono.
struct ReadBack {
  SF_INFO info{};
  Pcm sound;
};

ReadBack readBack(const QString& path) {
  ReadBack back;
  SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &back.info);
  if (file == nullptr) return back;
  back.sound = {back.info.samplerate, std::vector<std::int16_t>(back.info.frames)};
  if (back.info.channels == 1) sf_readf_short(file, back.sound.samples.data(), back.info.frames);
  sf_close(file);
  return back;
}

TEST_F(ContentBuildTest, ImportedRecordingsLandInTheProgramsFormatAndSurviveARebuild) {
  build();
  const QByteArray generatedTwo = readAll(sound(names::sinoNumber(2)));
  QTemporaryDir recordings;
  writeRecording(recordings.filePath(QStringLiteral("難聴音ka_00.WAV")),
                 SF_FORMAT_WAV | SF_FORMAT_PCM_24, 44100, 2, 0.05);
  writeRecording(recordings.filePath(QStringLiteral("漢数詞001_00.flac")),
                 SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 48000, 1, 0.8);
  writeRecording(recordings.filePath(QStringLiteral("分00_00.wav")),
                 SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1, 0.3);
  const QString damaged = recordings.filePath(names::sinoNumber(2));
  writeRecording(damaged, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050, 1, 0.3);
  QFile::resize(damaged, 30);  // cut off inside the header
  const auto minute = [&](const char* name) {
    return recordings.filePath(names::minute(QString::fromUtf8(name)));
  };
  QByteArray oneHertz = encodeWave({22050, std::vector<std::int16_t>(5000, 1000)});
  qToLittleEndian<quint32>(1, oneHertz.data() + 24);
  writeAll(minute("01"), oneHertz);
  QTemporaryDir elsewhere;
  ::mkfifo(QFile::encodeName(elsewhere.filePath(QStringLiteral("pipe"))).constData(), 0600);
  QFile::link(elsewhere.filePath(QStringLiteral("pipe")), minute("02"));
  std::vector<float> nan(4410, 0.5f);
  nan[2000] = std::numeric_limits<float>::quiet_NaN();
  writeFrames(minute("03"), SF_FORMAT_WAV | SF_FORMAT_FLOAT, 22050, 1, nan);
  std::vector<float> fortySeconds(22050 * 40);
  for (size_t i = 0; i < fortySeconds.size(); ++i) fortySeconds[i] = 0.3f * std::sin(i * 0.06f);
  writeFrames(minute("04"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050, 1, fortySeconds);
  const std::map<QString, QString> refused{
      {names::sinoNumber(2), QStringLiteral("読み込めません")},
      {names::minute(QStringLiteral("01")), QStringLiteral("サンプリング周波数 1 Hz")},
      {names::minute(QStringLiteral("02")), QStringLiteral("普通のファイルではありません")},
      {names::minute(QStringLiteral("03")), QStringLiteral("NaN")},
      {names::minute(QStringLiteral("04")),
       recordingFaultDescription(RecordingFault::beyondLimits)}};

  const ImportReport report =
      importTeacherRecordings(smallList(), recordings.path(), folder_.path());

  const QStringList imported{names::hardSound(QStringLiteral("ka")),
                             names::minute(QStringLiteral("00")), names::sinoNumber(1)};
  EXPECT_EQ(QSet<QString>(report.placed.begin(), report.placed.end()),
            QSet<QString>(imported.begin(), imported.end()));
  EXPECT_EQ(report.skipped.size(), refused.size());
  for (const QString& line : report.skipped) {
    const QString input = line.section(u':', 0, 0);
    EXPECT_TRUE(refused.contains(input) && line.contains(refused.at(input))) << line.toStdString();
  }
  EXPECT_EQ(readAll(sound(names::sinoNumber(2))), generatedTwo);
  std::map<QString, QByteArray> placed;
  for (const QString& name : imported) {
    const ReadBack back = readBack(sound(name));
    EXPECT_EQ(back.info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16) << name.toStdString();
    EXPECT_EQ(back.info.channels, 1) << name.toStdString();
    EXPECT_EQ(back.sound.sampleRate, kContentSampleRate) << name.toStdString();
    // The 0.4 s tone with the silence around it trimmed.
    EXPECT_NEAR(double(back.sound.samples.size()) / kContentSampleRate, 0.4, 0.02);
    EXPECT_NEAR(loudnessOf(back.sound).value_or(0), kTargetLoudness, 0.5) << name.toStdString();
    placed[name] = readAll(sound(name));
  }

  const BuildReport rebuilt = build(smallList(), kOtherFakeSpeech);
  build(smallList(), kOtherFakeSpeech);
  EXPECT_EQ(rebuilt.kept.size(), imported.size());
  for (const auto& [name, bytes] : placed)
    EXPECT_EQ(readAll(sound(name)), bytes) << name.toStdString();
  QFile::remove(folder_.filePath(GeneratedFiles::kManifestName));  // as on a copy
  const VoiceReport voices = voiceReport(smallList(), folder_.path());
  ASSERT_EQ(voices.rows.size(), 1u);
  EXPECT_EQ(voices.rows.front().teacher, QStringList{QStringLiteral("ka")});
  EXPECT_TRUE(voices.rows.front().mixed());
  EXPECT_EQ(voices.categories.front().synthetic, 1);  // of the two numbers, one is the teacher's
}

TEST_F(ContentBuildTest, TheImportCommandRefusesWrongFoldersAndNamesEveryInputItSkips) {
  build();
  QTemporaryDir work;
  const QString recordings = work.filePath(QStringLiteral("recordings"));
  const auto run = [&](const QString& appFolder) {
    QProcess command;
    command.start(QStringLiteral(LUMORA_IMPORT),
                  {QStringLiteral(LUMORA_CONTENT_LIST), appFolder, recordings});
    EXPECT_TRUE(command.waitForFinished(60000));
    return std::pair(command.exitCode(), QString::fromUtf8(command.readAllStandardOutput()));
  };
  EXPECT_EQ(run(folder_.path()).first, 3);  // no recordings folder
  QDir().mkpath(recordings + QStringLiteral("/take2"));
  writeAll(recordings + QStringLiteral("/notes.txt"), "notes");
  EXPECT_EQ(run(folder_.filePath(QStringLiteral("typo"))).first, 3);
  EXPECT_FALSE(QFileInfo::exists(folder_.filePath(QStringLiteral("typo"))));
  const auto [exitCode, out] = run(folder_.path());
  EXPECT_EQ(exitCode, 1);
  EXPECT_TRUE(out.contains(QStringLiteral("notes.txt")) && out.contains(QStringLiteral("take2")))
      << out.toStdString();
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
  EXPECT_EQ(first.size(), kSmallListFiles + 1u);  // and the manifest
  ASSERT_EQ(first.size(), second.size());
  for (const auto& [path, bytes] : first) {
    EXPECT_TRUE(second.at(path) == bytes) << path.toStdString();
  }
}

}  // namespace
}  // namespace lumora::contentgen
