#include <gtest/gtest.h>
#include <sys/resource.h>

#include <sndfile.h>
#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cmath>
#include <csignal>
#include <deque>
#include <filesystem>

#include "InContext.h"
#include "LumoraCopy.h"
#include "StudioSettings.h"
#include "StudioWindow.h"
#include "TeacherImport.h"
#include "data/RecordingNames.h"
#include "sound/Playback.h"
#include "support/Fakes.h"

namespace lumora::studio {
namespace {

using contentgen::ScriptLine;

// `seconds` of a 220 Hz tone at `level`; level 0 is silence.
std::vector<float> tone(double seconds, float level) {
  std::vector<float> samples(std::size_t(seconds * kCaptureRate));
  for (std::size_t i = 0; i < samples.size(); ++i) {
    samples[i] = level * float(std::sin(2 * M_PI * 220 * double(i) / kCaptureRate));
  }
  return samples;
}

std::vector<float> operator+(std::vector<float> a, const std::vector<float>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

struct TakeCase {
  const char* name;
  std::vector<float> samples;
  TakeProblem problem;
  friend void PrintTo(const TakeCase& c, std::ostream* os) { *os << c.name; }
};

class TakeTest : public ::testing::TestWithParam<TakeCase> {};

TEST_P(TakeTest, IsJudgedByItsLevel) {
  Take take;
  take.append(GetParam().samples);
  EXPECT_EQ(take.problem(), GetParam().problem);
}

std::vector<float> withPeaks(std::vector<float> samples, int fullScale) {
  for (int i = 0; i < fullScale; ++i) samples[1000 + std::size_t(i)] = 1.0f;
  return samples;
}

INSTANTIATE_TEST_SUITE_P(
    Takes, TakeTest,
    ::testing::Values(TakeCase{"hiss", tone(1, 0.005f), TakeProblem::silent},
                      TakeCase{"voice", tone(1, 0.5f), TakeProblem::none},
                      TakeCase{"quietVoice", tone(1, 0.03f), TakeProblem::quiet},
                      TakeCase{"oneFullScalePeak", withPeaks(tone(1, 0.5f), 1), TakeProblem::none},
                      TakeCase{"overdriven", withPeaks(tone(1, 0.5f), 3), TakeProblem::clipped}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Take, EndsASecondAfterTheVoiceAndNeverBeforeIt) {
  Take take;
  take.append(tone(2, 0));
  EXPECT_FALSE(take.voiceEndedFor(kSilenceThatEndsATake));
  take.append(tone(0.3, 0.5f) + tone(0.9, 0));
  EXPECT_FALSE(take.voiceEndedFor(kSilenceThatEndsATake));
  take.append(tone(0.1, 0));
  EXPECT_TRUE(take.voiceEndedFor(kSilenceThatEndsATake));
}

const contentgen::ContentList& contentList() {
  static const auto list = contentgen::readContentList(QStringLiteral(LUMORA_CONTENT_LIST));
  return list;
}

const ScriptLine& lineOf(const QString& fileName) {
  static const auto lines = contentgen::scriptOrder(contentList());
  return *std::find_if(lines.begin(), lines.end(),
                       [&](const ScriptLine& line) { return line.fileName == fileName; });
}

struct ContextCase {
  const char* name;
  QString file;
  QStringList heard;
  std::chrono::milliseconds pause;
  friend void PrintTo(const ContextCase& c, std::ostream* os) { *os << c.name; }
};

class InContextTest : public ::testing::TestWithParam<ContextCase> {};

TEST_P(InContextTest, PlaysWhatTheQuestionPlaysAroundIt) {
  const InContext context = inContext(contentList(), lineOf(GetParam().file));
  EXPECT_EQ(context.files, GetParam().heard);
  EXPECT_EQ(context.pause, GetParam().pause);
}

INSTANTIATE_TEST_SUITE_P(
    Questions, InContextTest,
    ::testing::Values(
        ContextCase{"month", "月M03_01.wav", {"月M03_01.wav", "日D01_00.wav"}, {}},
        ContextCase{"day", "日D09_00.wav", {"月M01_01.wav", "日D09_00.wav"}, {}},
        ContextCase{"hour", "時05時_01.wav", {"時05時_01.wav", "分01_00.wav"}, kClockTimePause},
        ContextCase{"minute", "分05_00.wav", {"時01時_01.wav", "分05_00.wav"}, kClockTimePause},
        ContextCase{"oClock", "分00_00.wav", {"分00_00.wav"}, {}},
        ContextCase{"number", "漢数詞007_00.wav", {"漢数詞007_00.wav"}, {}},
        ContextCase{"syllableOfTwoRows",
                    "難聴音u_00.wav",
                    {"難聴音eo_00.wav", "難聴音o_00.wav", "難聴音u_00.wav", "難聴音eu_00.wav",
                     "難聴音u_00.wav", "難聴音i_00.wav"},
                    kBetweenOptions}),
    [](const auto& info) { return std::string(info.param.name); });

// Hands out one queued chunk of samples per look, as a device delivers a period at a time.
class FakeMicrophone final : public Microphone {
 public:
  QStringList devices() override { return {QStringLiteral("USB マイク")}; }
  bool open(const QString&) override { return opens; }
  void start() override {}
  void stop() override {}
  std::vector<float> newSamples() override {
    if (chunks.empty()) return {};
    auto chunk = std::move(chunks.front());
    chunks.pop_front();
    return chunk;
  }
  bool lost() override { return gone; }

  // The samples in periods of 20 ms.
  void say(const std::vector<float>& samples) {
    for (std::size_t at = 0; at < samples.size(); at += kCaptureRate / 50) {
      chunks.emplace_back(
          samples.begin() + std::ptrdiff_t(at),
          samples.begin() + std::ptrdiff_t(std::min(samples.size(), at + kCaptureRate / 50)));
    }
  }

  bool opens = true;
  bool gone = false;
  std::deque<std::vector<float>> chunks;
};

const std::vector<float> kSpoken = tone(0.4, 0) + tone(0.5, 0.3f) + tone(1.1, 0);

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// A copy of the generated sound folder to record into, the studio's settings, and its services.
class StudioTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy(
        QFile::encodeName(QStringLiteral(LUMORA_GENERATED_APP_DIR) + u'/' + names::kSoundFolder)
            .toStdString(),
        QFile::encodeName(sound({})).toStdString(), std::filesystem::copy_options::recursive);
    settings_.setValue(settings::positionKey(folder_.path()), QStringLiteral("日曜1_00.wav"));
  }

  std::unique_ptr<StudioWindow> open() {
    return std::make_unique<StudioWindow>(contentList(), folder_.path(),
                                          StudioServices{microphone_, audio_, clock_, settings_});
  }

  // Records until the take stops by itself.
  static void record(StudioWindow& window) {
    window.toggleRecording();
    while (window.recording()) window.captureTick();
  }

  QString sound(const QString& name) const {
    return folder_.filePath(names::kSoundFolder) + u'/' + name;
  }

  QTemporaryDir folder_;
  QTemporaryDir scratch_;
  QSettings settings_{scratch_.filePath(QStringLiteral("studio.ini")), QSettings::IniFormat};
  FakeMicrophone microphone_;
  testing::SoundLog log_;
  testing::FakeAudio audio_{log_};
  testing::FakeClock clock_{log_};
};

// The take lands as lumora-import puts the same sound in place, byte for byte, and a new
// sitting goes on after it.
TEST_F(StudioTest, AnAcceptedTakeIsWhatTheImportMakesOfItAndTheNextSittingGoesOnAfterIt) {
  auto window = open();
  ASSERT_EQ(window->currentLine().fileName, QStringLiteral("日曜1_00.wav"));
  microphone_.say(kSpoken);
  record(*window);
  window->acceptTake();
  EXPECT_EQ(window->currentLine().fileName, QStringLiteral("月曜2_00.wav"));
  ASSERT_FALSE(log_.requests.isEmpty());
  EXPECT_TRUE(log_.requests.back().startsWith(QStringLiteral("async ")));  // heard once more

  QTemporaryDir recordings;
  QTemporaryDir imported;
  std::filesystem::create_directory(
      QFile::encodeName(imported.filePath(names::kSoundFolder)).toStdString());
  SF_INFO info{0, kCaptureRate, 1, SF_FORMAT_WAV | SF_FORMAT_FLOAT, 0, 0};
  SNDFILE* file = sf_open(QFile::encodeName(recordings.filePath(QStringLiteral("日曜1_00.wav"))),
                          SFM_WRITE, &info);
  ASSERT_NE(file, nullptr);
  sf_writef_float(file, kSpoken.data(), sf_count_t(kSpoken.size()));
  sf_close(file);
  contentgen::importTeacherRecordings(contentList(), recordings.path(), imported.path());
  EXPECT_EQ(readAll(sound(QStringLiteral("日曜1_00.wav"))),
            readAll(imported.filePath(names::kSoundFolder) + QStringLiteral("/日曜1_00.wav")));

  window.reset();
  EXPECT_EQ(open()->currentLine().fileName, QStringLiteral("月曜2_00.wav"));
}

struct FaultCase {
  const char* name;
  std::function<void(FakeMicrophone&, const QString& target)> arrange;
  std::vector<float> spoken;
  const char* told;
  friend void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }
};

class StudioFaultTest : public StudioTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(StudioFaultTest, IsToldAndLeavesTheRecordingInPlace) {
  const QString target = sound(QStringLiteral("日曜1_00.wav"));
  const QByteArray before = readAll(target);
  const auto filesIn = [this] { return QDir(sound({})).entryList(QDir::Files | QDir::Hidden); };
  const QStringList filesBefore = filesIn();
  rlimit fileSize{};
  ::getrlimit(RLIMIT_FSIZE, &fileSize);
  GetParam().arrange(microphone_, target);
  auto window = open();
  microphone_.say(GetParam().spoken);
  window->toggleRecording();
  for (int tick = 0; tick < 200 && window->recording(); ++tick) window->captureTick();
  window->acceptTake();
  EXPECT_TRUE(window->message().contains(QString::fromUtf8(GetParam().told)))
      << window->message().toStdString();
  EXPECT_EQ(readAll(target), before);
  EXPECT_EQ(filesIn(), filesBefore);  // no part of a take left behind
  ::setrlimit(RLIMIT_FSIZE, &fileSize);
  QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, StudioFaultTest,
    ::testing::Values(FaultCase{"noDevice",
                                [](FakeMicrophone& m, const QString&) { m.opens = false; }, kSpoken,
                                "マイク）が見つからない"},
                      FaultCase{"deviceGone",
                                [](FakeMicrophone& m, const QString&) { m.gone = true; }, kSpoken,
                                "接続が切れました"},
                      FaultCase{"silent", [](FakeMicrophone&, const QString&) {}, tone(2, 0.001f),
                                "声が入っていません"},
                      FaultCase{"clipped", [](FakeMicrophone&, const QString&) {},
                                withPeaks(kSpoken, 40), "音が割れています"},
                      FaultCase{"readOnlyFile",
                                [](FakeMicrophone&, const QString& target) {
                                  QFile::setPermissions(target, QFile::ReadOwner);
                                },
                                kSpoken, "読み取り専用"},
                      // As a full disk: the take's write fails part way.
                      FaultCase{"fileSizeLimit",
                                [](FakeMicrophone&, const QString&) {
                                  std::signal(SIGXFSZ, SIG_IGN);
                                  rlimit small{};
                                  ::getrlimit(RLIMIT_FSIZE, &small);
                                  small.rlim_cur = 4096;
                                  ::setrlimit(RLIMIT_FSIZE, &small);
                                },
                                kSpoken, "上限を超えました"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StudioTest, EveryControlHasANameForScreenReaders) {
  auto window = open();
  QList<QWidget*> controls;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (widget->focusPolicy() != Qt::NoFocus || qobject_cast<QProgressBar*>(widget) ||
        dynamic_cast<WaveformView*>(widget) != nullptr) {
      controls.append(widget);
    }
  }
  EXPECT_GE(controls.size(), 12);
  for (QWidget* control : controls) {
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
        << control->metaObject()->className();
  }
}

TEST_F(StudioTest, AnHourIsHeardWithTheTrainersPauseBeforeItsMinute) {
  settings_.setValue(settings::positionKey(folder_.path()), QStringLiteral("時05時_01.wav"));
  auto window = open();
  microphone_.say(kSpoken);
  record(*window);
  log_.requests.clear();
  window->hearInContext();
  ASSERT_EQ(log_.requests.size(), 3);
  EXPECT_TRUE(log_.requests[0].startsWith(QStringLiteral("sync ")));
  EXPECT_EQ(log_.requests[1], QStringLiteral("pause %1").arg(kClockTimePause.count()));
  EXPECT_TRUE(log_.requests[2].startsWith(QStringLiteral("async ")));
}

TEST(LumoraCopy, CopiesWhatTheProgramNeedsOrTellsWhy) {
  QTemporaryDir work;
  const QString copy = work.filePath(QStringLiteral("Lumora"));
  ASSERT_FALSE(copyLumora(QStringLiteral(LUMORA_GENERATED_APP_DIR), copy));
  EXPECT_TRUE(soundFolderWritable(copy));
  EXPECT_TRUE(QFileInfo(copy + QStringLiteral("/lumora")).isExecutable());

  QFile blocker(work.filePath(QStringLiteral("file")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  const auto fault = copyLumora(QStringLiteral(LUMORA_GENERATED_APP_DIR),
                                blocker.fileName() + QStringLiteral("/Lumora"));
  ASSERT_TRUE(fault);
  EXPECT_FALSE(fault->summary().isEmpty());
}

}  // namespace
}  // namespace lumora::studio
