#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>

#include "NoPauseClock.h"
#include "app/Form1.h"
#include "data/MissList.h"
#include "data/RecordingNames.h"
#include "support/Fakes.h"

// The window's handlers on the default content, with silent fakes that note when a sound
// was requested.
namespace lumora {
namespace {

using SteadyClock = std::chrono::steady_clock;

class TimedAudio final : public AudioOutput {
 public:
  std::optional<RecordingFault> playAsync(const QString&, PlaySpeed) override { return note(); }
  std::optional<RecordingFault> playSync(const QString&, PlaySpeed) override { return note(); }
  void stop() override {}
  void setLateFaultHandler(LateFaultHandler) override {}
  SteadyClock::time_point lastRequest;

 private:
  std::optional<RecordingFault> note() {
    lastRequest = SteadyClock::now();
    return std::nullopt;
  }
};

struct Window {
  explicit Window(const QString& appFolder) {
    Platform platform;
    auto audioOutput = std::make_unique<TimedAudio>();
    audio = audioOutput.get();
    platform.audio = std::move(audioOutput);
    platform.dialogs = std::make_unique<testing::FakeDialogs>();
    platform.random = std::make_unique<testing::ScriptedRandom>();
    platform.clock = std::make_unique<NoPauseClock>();
    platform.recordFile = QStringLiteral(":memory:");
    form = std::make_unique<Form1>(appFolder, std::move(platform));
  }

  TimedAudio* audio;
  std::unique_ptr<Form1> form;
};

const QString kContentFolder = QStringLiteral(LUMORA_APP_DIR);

double secondsSince(SteadyClock::time_point start, SteadyClock::time_point end) {
  return std::chrono::duration<double>(end - start).count();
}

void BM_FormLoad(benchmark::State& state) {
  for (auto _ : state) {
    Window window(kContentFolder);
    const auto start = SteadyClock::now();
    benchmark::DoNotOptimize(window.form->Form_Load());
    state.SetIterationTime(secondsSince(start, SteadyClock::now()));
  }
}
BENCHMARK(BM_FormLoad)->UseManualTime()->Unit(benchmark::kMillisecond);

// A manual question in random order of one category, from the press to the sound request.
void questionToSound(benchmark::State& state, QCheckBox* Form1::*category) {
  Window window(kContentFolder);
  Form1& form = *window.form;
  form.Form_Load();
  form.手動->setChecked(true);
  form.ランダム->setChecked(true);
  (form.*category)->setChecked(true);
  for (auto _ : state) {
    const auto start = SteadyClock::now();
    form.出題開始_Click();
    state.SetIterationTime(secondsSince(start, window.audio->lastRequest));
  }
}
BENCHMARK_CAPTURE(questionToSound, typed_漢数詞, &Form1::漢数詞)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(questionToSound, picture_難聴音, &Form1::難聴音)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// The keystroke that completes a right typed answer, through Text1_Change to the buzzer.
void BM_KeystrokeToBuzzer(benchmark::State& state) {
  Window window(kContentFolder);
  Form1& form = *window.form;
  form.Form_Load();
  form.手動->setChecked(true);
  form.ランダム->setChecked(true);
  form.漢数詞->setChecked(true);
  for (auto _ : state) {
    form.出題開始_Click();
    const QString answer = QString::number(form.currentAnswer[1]);
    form.Text1->setText(answer.chopped(1));
    const auto start = SteadyClock::now();
    form.Text1->insert(answer.right(1));
    state.SetIterationTime(secondsSince(start, window.audio->lastRequest));
  }
}
BENCHMARK(BM_KeystrokeToBuzzer)->UseManualTime()->Unit(benchmark::kMicrosecond);

// A temporary application folder with copies of the two tables, for the list benchmarks
// that write MemorizeFile.csv.
struct ScratchFolder {
  ScratchFolder() {
    QDir(dir.path()).mkpath(names::kSoundFolder);
    for (const QString& table : {names::kHardSoundTable, names::kSplitSoundTable}) {
      QFile::copy(kContentFolder + "/" + names::kSoundFolder + "/" + table,
                  dir.path() + "/" + names::kSoundFolder + "/" + table);
    }
  }
  QTemporaryDir dir;
};

// Fills the list with `count` different entries.
void fillMissList(Form1& form, int count) {
  form.quizCategory = 1;
  form.currentAnswer = {1, 7, 0};
  for (int i = 0; i < count; ++i) {
    form.updateMissList(kRememberMiss, 1, QStringLiteral("E%1.wav").arg(i), QString());
  }
}

// A window on a scratch folder whose list holds `count` different entries.
struct ListWindow {
  explicit ListWindow(int count) : window(folder.dir.path()), form(*window.form) {
    form.Form_Load();
    fillMissList(form, count);
  }
  ScratchFolder folder;
  Window window;
  Form1& form;
};

void BM_UpdateMissListAppendAt10000(benchmark::State& state) {
  ListWindow list(kMissCapacity - 1);
  for (auto _ : state) {
    const auto start = SteadyClock::now();
    list.form.updateMissList(kRememberMiss, 1, QStringLiteral("last.wav"), QString());
    state.SetIterationTime(secondsSince(start, SteadyClock::now()));
    list.form.updateMissList(kForgetMiss, 1, QStringLiteral("last.wav"), QString());
  }
}
BENCHMARK(BM_UpdateMissListAppendAt10000)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Removes the first of 10 000 entries, so every later row moves up.
void BM_UpdateMissListRemoveAt10000(benchmark::State& state) {
  ListWindow list(kMissCapacity);
  for (auto _ : state) {
    const QString first = list.form.missList(1, 1);
    const auto start = SteadyClock::now();
    list.form.updateMissList(kForgetMiss, 1, first, list.form.missList(1, 2));
    state.SetIterationTime(secondsSince(start, SteadyClock::now()));
    list.form.updateMissList(kRememberMiss, 1, first, QString());
  }
}
BENCHMARK(BM_UpdateMissListRemoveAt10000)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_SaveAndLoad10000Entries(benchmark::State& state) {
  ListWindow list(kMissCapacity);
  for (auto _ : state) {
    const auto start = SteadyClock::now();
    list.form.saveMissFile();
    list.form.loadMissFile();
    state.SetIterationTime(secondsSince(start, SteadyClock::now()));
  }
}
BENCHMARK(BM_SaveAndLoad10000Entries)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumora
