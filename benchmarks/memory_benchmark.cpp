#include <benchmark/benchmark.h>

#include <malloc.h>
#include <QCoreApplication>
#include <tuple>
#include <vector>

#include "NoPauseClock.h"
#include "ProcessStatus.h"
#include "app/Form1.h"
#include "app/ProcessMemory.h"
#include "sound/SdlAudioOutput.h"
#include "support/Fakes.h"

// Resident memory over a long timed run on all nine categories, with the real sound output
// and the default content: after start-up, and after 301 questions, each replayed and half
// of them answered; and the growth of the blocks in use, which tells what the run holds from
// what the allocator keeps. The ticks are driven as fast as the window takes them, and the
// sound device (SDL's disk driver into /dev/null, without its real-time wait) takes samples
// as fast as they come: the same requests, decodings, pictures and judgements as ten minutes
// at two seconds a question, in seconds.
namespace lumora {
namespace {

// Blocks in use, whether in the heap or mapped on their own.
double heapInUseMiB() {
  const struct mallinfo2 heap = mallinfo2();
  return double(heap.uordblks + heap.hblkhd) / (1024 * 1024);
}

// Sets environment variables for the life of the object.
class ScopedEnvironment {
 public:
  explicit ScopedEnvironment(std::initializer_list<std::pair<const char*, QByteArray>> values) {
    for (const auto& [name, value] : values) {
      saved_.push_back({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
      qputenv(name, value);
    }
  }
  ~ScopedEnvironment() {
    for (const auto& [name, value, wasSet] : saved_)
      wasSet ? qputenv(name, value) : qunsetenv(name);
  }

 private:
  std::vector<std::tuple<const char*, QByteArray, bool>> saved_;
};

void settle() {
  for (int i = 0; i < 20; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// The right answer on even questions, none on odd ones.
void answer(Form1& form, int question) {
  if (question % 2 == 1) return;
  if (form.Text1->isEnabled()) {
    QString text = QString::number(form.currentAnswer[1]);
    if (form.currentAnswer[0] == 2) text += " " + QString::number(form.currentAnswer[2]);
    form.Text1->setText(text);
  } else {
    form.Command4(question % 3)->click();
  }
}

void BM_LongAutoRunResidentMemory(benchmark::State& state) {
  const ScopedEnvironment fastSound({{"SDL_AUDIODRIVER", "disk"},
                                     {"SDL_DISKAUDIOFILE", "/dev/null"},
                                     {"SDL_DISKAUDIODELAY", "0"}});
  boundLongRunMemory();  // as the program does first
  for (auto _ : state) {
    Platform platform;
    platform.audio = makeSdlAudioOutput();
    platform.dialogs = std::make_unique<testing::FakeDialogs>();
    platform.random = std::make_unique<testing::ScriptedRandom>();
    platform.clock = std::make_unique<NoPauseClock>();
    Form1 form(QStringLiteral(LUMORA_APP_DIR), std::move(platform));
    form.Form_Load();
    form.show();
    settle();
    const double afterStartUp = residentMiB();
    const double heapAfterStartUp = heapInUseMiB();

    for (QCheckBox* box : {form.漢数詞, form.固有数詞, form.月, form.日, form.月日, form.曜日,
                           form.難聴音, form.時間, form.番目}) {
      box->setChecked(true);
    }
    form.自動->click();
    form.ランダム->click();
    form.出題数Combo(0)->setEditText(QStringLiteral("301"));
    form.制限時間Combo(1)->setEditText(QStringLiteral("3600"));  // only the loop below ticks
    form.出題開始_Click();
    int questions = 1;
    for (; form.Timer1.Enabled() && questions < 1000; ++questions) {
      form.再度再生_Click();
      if (questions % 5 == 0) form.ゆっくり再生_Click();
      answer(form, questions);
      settle();
      form.Timer1_Timer();
    }
    settle();
    const double afterRun = residentMiB();
    state.counters["questions"] = questions;
    state.counters["rss_after_start_up_MiB"] = afterStartUp;
    state.counters["rss_after_run_MiB"] = afterRun;
    state.counters["growth_MiB"] = afterRun - afterStartUp;
    state.counters["heap_growth_MiB"] = heapInUseMiB() - heapAfterStartUp;
  }
}
BENCHMARK(BM_LongAutoRunResidentMemory)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace lumora
