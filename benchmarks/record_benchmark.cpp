#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>

#include "app/Form1.h"
#include "data/RecordingNames.h"
#include "record/LearningRecord.h"
#include "record/Sqlite.h"
#include "sound/SystemClock.h"
#include "support/Fakes.h"

// The learning record: what an append costs the judgement and the writer, and opening the
// 学習記録 window on a long record.
namespace lumora {
namespace {

using SteadyClock = std::chrono::steady_clock;

Judgement judgementOf(int n) {
  RecordedQuestion q;
  q.entry = {1, 1, names::sinoNumber(n), {}, {1, static_cast<std::int16_t>(n), 0}, {}, 0};
  q.asked = q.rightAnswer = QString::number(n);
  const auto now = std::chrono::system_clock::now();
  return {q,
          now,
          localDateOf(now),
          n % 3 == 0 ? Outcome::wrong : Outcome::right,
          q.asked,
          1000 + 37 * n % 4000,
          false,
          0};
}

// Median and worst of the iterations' times, as the suite's table shows them.
class Times {
 public:
  void add(SteadyClock::duration time) { times_.push_back(time); }
  void report(benchmark::State& state) {
    std::sort(times_.begin(), times_.end());
    const auto ms = [](SteadyClock::duration d) {
      return std::chrono::duration<double, std::milli>(d).count();
    };
    state.counters["median_ms"] = ms(times_[times_.size() / 2]);
    state.counters["worst_ms"] = ms(times_.back());
  }

 private:
  std::vector<SteadyClock::duration> times_;
};

// Times `append` on judgements of the numbers 1..100 in turn.
template <typename Append>
void timeAppends(benchmark::State& state, Append append) {
  Times times;
  int n = 0;
  for (auto _ : state) {
    const Judgement judgement = judgementOf(1 + n++ % 100);
    const auto start = SteadyClock::now();
    append(judgement);
    times.add(SteadyClock::now() - start);
  }
  times.report(state);
}

// What the judgement waits for: handing the judgement to the writer.
void BM_RecordAppendFromTheJudgement(benchmark::State& state) {
  QTemporaryDir dir;
  LearningRecord record(dir.filePath("学習記録.sqlite3"), [](const RecordFault&) {});
  timeAppends(state, [&record](const Judgement& j) { record.append(j); });
}
BENCHMARK(BM_RecordAppendFromTheJudgement)->Iterations(2000);

// What the writer spends on one judgement: one transaction, synced to the disk.
void BM_RecordAppendOnTheWriter(benchmark::State& state) {
  QTemporaryDir dir;
  RecordStore store(dir.filePath("学習記録.sqlite3"), [](const RecordFault&) {});
  timeAppends(state, [&store](const Judgement& j) { store.append(j); });
}
BENCHMARK(BM_RecordAppendOnTheWriter)->Iterations(300);

// 100 000 judgements of every category over the last week, the period the window opens on.
void fillRecord(const QString& file, int judgements) {
  RecordStore(file, [](const RecordFault&) {}).append(judgementOf(1));
  sqlite::Database db(file);
  db.execute("DELETE FROM judgement");
  sqlite::Statement insert = db.prepare(
      "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?1)"
      " INSERT INTO judgement (answered_utc, local_day, category, file_a, file_b, asked,"
      " right_answer, given, option1, option2, option3, outcome, answer_ms, auto_run, replays,"
      " kind, value1, value2, choice0, choice1, choice2, choice3, hard_row)"
      " SELECT '2026-12-07T12:00:00.000Z', date('now', 'localtime', '-' || (i % 7) || ' days'),"
      " 1 + i % 9, 'R' || (i % 100) || '.wav', '', i % 100, i % 100, (i * 7) % 100,"
      " CASE WHEN i % 9 = 6 THEN 'ga' ELSE '' END, CASE WHEN i % 9 = 6 THEN 'ka' ELSE '' END,"
      " CASE WHEN i % 9 = 6 THEN 'kka' ELSE '' END, i % 3, 500 + i % 5000, i % 2, i % 4,"
      " 1, i % 100, 0, 0, 0, 0, 0, 1 FROM n");
  db.execute("BEGIN");
  insert.bind(1, judgements).run();
  db.execute("COMMIT");
}

// From the key to the window drawn, on a record opened for the first time.
void BM_RecordWindowOpenAt100000(benchmark::State& state) {
  QTemporaryDir dir;
  const QString file = dir.filePath("学習記録.sqlite3");
  fillRecord(file, 100'000);
  Times times;
  testing::SoundLog sounds;
  for (auto _ : state) {
    Platform platform;
    platform.audio = std::make_unique<testing::FakeAudio>(sounds);
    platform.dialogs = std::make_unique<testing::FakeDialogs>();
    platform.random = std::make_unique<testing::ScriptedRandom>();
    platform.clock = std::make_unique<SystemClock>();
    platform.recordFile = file;
    Form1 form(QString(), std::move(platform));
    const auto start = SteadyClock::now();
    form.学習記録_Click();
    QApplication::processEvents();
    times.add(SteadyClock::now() - start);
  }
  times.report(state);
}
BENCHMARK(BM_RecordWindowOpenAt100000)->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumora
