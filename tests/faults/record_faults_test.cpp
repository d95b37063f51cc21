#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mman.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <csignal>
#include <functional>
#include <mutex>
#include <new>
#include <random>

#include "data/RecordingNames.h"
#include "record/LearningRecord.h"
#include "record/QuestionTrail.h"
#include "record/Sqlite.h"

// The learning record where the file system, another copy of Lumora, the clock or a kill
// fails it. Every case runs in a forked child, so that mounts, locks and kills stay there.
namespace lumora {
namespace {

using namespace std::chrono_literals;

constexpr int kPassed = 0;
constexpr int kFailed = 1;
constexpr int kNotPermittedHere = 77;
constexpr int kAppends = 3;

const std::chrono::system_clock::time_point kNoon{std::chrono::hours(24 * 20795 + 12)};

int inChild(const std::function<int()>& body) {
  std::fflush(nullptr);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    int code = kFailed;
    try {
      code = body();
    } catch (const sqlite::SqliteError& error) {
      std::fprintf(stderr, "failed: %s\n", qPrintable(error.message));
    }
    std::fflush(nullptr);
    ::_exit(code);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

int check(bool ok, const char* what) {
  if (!ok) std::fprintf(stderr, "failed: %s\n", what);
  return ok ? kPassed : kFailed;
}

// A right answer to the Sino-Korean number `n`, asked at `posed` and answered at `at`.
Judgement judgementOf(int n, std::chrono::system_clock::time_point posed = kNoon,
                      std::chrono::system_clock::time_point at = kNoon + 2s) {
  RecordedQuestion q;
  q.entry = {1, 1, names::sinoNumber(n), {}, {1, static_cast<std::int16_t>(n), 0}, {}, 0};
  q.asked = q.rightAnswer = QString::number(n);
  QuestionTrail trail;
  trail.posed(q, posed, false);
  return *trail.judged(Outcome::right, q.asked, at);
}

std::int64_t integer(const QString& file, const char* sql) {
  sqlite::Database db(file);
  return db.integer(sql);
}

// ---- What the cases prepare -----------------------------------------------------------

pid_t otherCopy = 0;  // a second process of a case, ended by the case's check

int nothing(const QString&, const QString&) { return kPassed; }

int writeRecord(const QString& file, int appends) {
  RecordStore store(file, [](const RecordFault&) {});
  for (int i = 1; i <= appends; ++i) {
    if (!store.append(judgementOf(i))) return kFailed;
  }
  return kPassed;
}

int notADatabase(const QString&, const QString& file) {
  QFile f(file);
  return check(f.open(QIODevice::WriteOnly) && f.write("これは学習記録ではありません") > 0,
               "the file written");
}

int newerSchema(const QString&, const QString& file) {
  if (writeRecord(file, 1) != kPassed) return kFailed;
  sqlite::Database(file).execute("PRAGMA user_version = 99");
  return kPassed;
}

int fileWhereTheFolderGoes(const QString& folder, const QString&) {
  QFile f(folder + "/学習記録");
  return check(f.open(QIODevice::WriteOnly), "a file where the folder goes");
}

int mountPrivately() {
  if (::unshare(CLONE_NEWNS) != 0) return kNotPermittedHere;
  return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 ? kPassed
                                                                           : kNotPermittedHere;
}

int fullFileSystem(const QString& folder, const QString&) {
  if (mountPrivately() != kPassed) return kNotPermittedHere;
  const QString mounted = folder + "/学習記録";
  QDir().mkpath(mounted);
  if (::mount("tmpfs", QFile::encodeName(mounted), "tmpfs", 0, "size=64k") != 0) {
    return kNotPermittedHere;
  }
  QFile filler(mounted + "/filler");
  if (!filler.open(QIODevice::WriteOnly)) return kFailed;
  const QByteArray block(4096, 'x');
  while (filler.write(block) == block.size() && filler.flush()) {
  }
  return kPassed;
}

int readOnlyFileSystem(const QString& folder, const QString& file) {
  if (writeRecord(file, 1) != kPassed || mountPrivately() != kPassed) return kNotPermittedHere;
  const QByteArray path = QFile::encodeName(folder + "/学習記録");
  if (::mount(path, path, nullptr, MS_BIND, nullptr) != 0) return kNotPermittedHere;
  return ::mount(nullptr, path, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0
             ? kPassed
             : kNotPermittedHere;
}

// Another copy holds the record's write lock until it is ended.
int lockedByAnotherCopy(const QString&, const QString& file) {
  if (writeRecord(file, 1) != kPassed) return kFailed;
  int ready[2];
  if (::pipe(ready) != 0) return kFailed;
  otherCopy = ::fork();
  if (otherCopy == 0) {
    sqlite::Database db(file);
    db.execute("BEGIN EXCLUSIVE");
    if (::write(ready[1], "x", 1) != 1) ::_exit(kFailed);
    ::pause();
  }
  char byte = 0;
  return check(::read(ready[0], &byte, 1) == 1, "the other copy holds the lock");
}

// Another copy appends its own judgements meanwhile.
int anotherCopyWriting(const QString&, const QString& file) {
  otherCopy = ::fork();
  if (otherCopy == 0) {
    {
      LearningRecord record(file, [](const RecordFault&) {});
      for (int i = 1; i <= 50; ++i) record.append(judgementOf(i));
    }
    ::_exit(0);
  }
  return kPassed;
}

// ---- What the cases check afterwards ---------------------------------------------------

int rowsAre(const QString& file, std::int64_t rows) {
  return check(integer(file, "SELECT count(*) FROM judgement") == rows, "the judgements kept");
}

int newRecordAndOldFileKept(const QString& folder, const QString& file) {
  const QStringList aside =
      QDir(folder + "/学習記録").entryList({"学習記録-壊れていた-*.sqlite3"}, QDir::Files);
  QFile old(folder + "/学習記録/" + aside.value(0));
  return check(aside.size() == 1 && old.open(QIODevice::ReadOnly) &&
                   old.readAll() == QByteArray("これは学習記録ではありません"),
               "the damaged file moved aside whole") |
         rowsAre(file, kAppends);
}

int leftAsItWas(const QString&, const QString& file) {
  return check(integer(file, "PRAGMA user_version") == 99, "the newer schema kept") |
         rowsAre(file, 1);
}

int noRecord(const QString&, const QString&) { return kPassed; }

int bothCopiesKept(const QString&, const QString& file) {
  ::waitpid(otherCopy, nullptr, 0);
  return rowsAre(file, 50 + kAppends);
}

int lockReleasedThenWritable(const QString&, const QString& file) {
  ::kill(otherCopy, SIGKILL);
  ::waitpid(otherCopy, nullptr, 0);
  RecordStore store(file, [](const RecordFault&) {});
  return check(store.append(judgementOf(9)), "written once the other copy is gone") |
         rowsAre(file, 2);
}

// Answered "before" it was asked: the clock was set back in between.
int clockSetBack(const QString&, const QString& file) {
  RecordStore store(file, [](const RecordFault&) {});
  const auto back = kNoon - 30h;
  if (!store.append(judgementOf(5, kNoon, back))) return kFailed;
  const auto rows = store.exportRows();
  return check(rows.size() == kAppends + 1u, "every judgement kept") |
         check(rows.back()[9] == "0", "no negative answer time") |
         check(rows.back()[1] == localDateOf(back).toString(Qt::ISODate),
               "the day of the local date");
}

struct RecordFaultCase {
  const char* name;
  int (*prepare)(const QString& folder, const QString& file);
  std::optional<RecordFault::Kind> told;
  const char* says;
  int (*check)(const QString& folder, const QString& file);
  friend void PrintTo(const RecordFaultCase& c, std::ostream* os) { *os << c.name; }
};

class FailingRecord : public ::testing::TestWithParam<RecordFaultCase> {};

TEST_P(FailingRecord, TellsOnceAndKeepsWhatItCan) {
  const RecordFaultCase& c = GetParam();
  QTemporaryDir dir;
  const QString folder = dir.path();
  const QString file = folder + "/学習記録/学習記録.sqlite3";
  const int status = inChild([&] {
    if (c.told != RecordFault::Kind::folderNotCreated) QDir().mkpath(folder + "/学習記録");
    if (const int step = c.prepare(folder, file); step != kPassed) return step;
    std::mutex mutex;
    std::vector<RecordFault> told;
    {
      LearningRecord record(file, [&](const RecordFault& fault) {
        const std::lock_guard lock(mutex);
        told.push_back(fault);
      });
      for (int i = 1; i <= kAppends; ++i) record.append(judgementOf(i));
      record.ask([](RecordStore& store) { return store.read({}); });
    }
    if (!c.told) return check(told.empty(), "nothing told") | c.check(folder, file);
    const QString message = told.empty() ? QString() : recordFaultMessage(told[0]);
    std::printf("%s\n", qPrintable(message));
    return check(told.size() == 1 && told[0].kind == *c.told, "told once") |
           check(message.contains(QString::fromUtf8(c.says)), "the cause is named") |
           check(message.contains("練習はこのまま続けられます"), "the drill goes on") |
           c.check(folder, file);
  });
  if (status == kNotPermittedHere) GTEST_SKIP() << "this machine does not permit the setting";
  EXPECT_EQ(status, kPassed);
}

using Kind = RecordFault::Kind;

INSTANTIATE_TEST_SUITE_P(
    RecordFaults, FailingRecord,
    ::testing::Values(
        RecordFaultCase{"notADatabase", notADatabase, Kind::movedAside, "へ移し",
                        newRecordAndOldFileKept},
        RecordFaultCase{"newerSchema", newerSchema, Kind::newerSchema, "新しい版", leftAsItWas},
        RecordFaultCase{"folderCannotBeMade", fileWhereTheFolderGoes, Kind::folderNotCreated,
                        "を作れませんでした", noRecord},
        RecordFaultCase{"fullFileSystem", fullFileSystem, Kind::notWritten, "空き容量が足りません",
                        noRecord},
        RecordFaultCase{"readOnlyFileSystem", readOnlyFileSystem, Kind::notWritten,
                        "読み取り専用のファイルシステム", noRecord},
        RecordFaultCase{"lockedByAnotherCopy", lockedByAnotherCopy, Kind::locked,
                        "ほかに開いている Lumora", lockReleasedThenWritable},
        RecordFaultCase{"twoCopiesAtOnce", anotherCopyWriting, std::nullopt, "", bothCopiesKept},
        RecordFaultCase{"clockSetBack", nothing, std::nullopt, "", clockSetBack}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Appends killed at random moments --------------------------------------------------

// Consistent: SQLite finds nothing wrong, the judgements are 1..n without a gap, and each
// is whole.
bool consistent(const QString& file) {
  try {
    sqlite::Database db(file);
    sqlite::Statement verdict = db.prepare("PRAGMA integrity_check");
    return verdict.step() && verdict.text(0) == "ok" &&
           db.integer("SELECT count(*) = coalesce(max(id), 0) FROM judgement") == 1 &&
           db.integer(
               "SELECT count(*) FROM judgement WHERE asked <> CAST(value1 AS TEXT)"
               " OR file_a = '' OR given <> asked") == 0;
  } catch (const sqlite::SqliteError&) {
    return false;
  }
}

TEST(KillLoop, AnAppendKilledAnywhereLeavesAConsistentRecord) {
  QTemporaryDir dir;
  const QString file = dir.filePath("学習記録.sqlite3");
  ASSERT_EQ(writeRecord(file, 1), kPassed);
  auto* appends = static_cast<std::atomic<long>*>(::mmap(nullptr, sizeof(std::atomic<long>),
                                                         PROT_READ | PROT_WRITE,
                                                         MAP_SHARED | MAP_ANONYMOUS, -1, 0));
  new (appends) std::atomic<long>(0);
  QElapsedTimer clock;
  RecordStore timed(file, [](const RecordFault&) {});
  timed.append(judgementOf(1));  // opened
  clock.start();
  timed.append(judgementOf(2));
  // Kills spread over about three appends, whatever this machine's disk costs.
  const int appendMicroseconds = std::max<int>(100, clock.nsecsElapsed() / 1000);
  std::mt19937 random(20261208);
  std::uniform_int_distribution<int> delay(0, 3 * appendMicroseconds);
  int kills = 0;
  int inconsistent = 0;
  clock.restart();
  while (kills < 120 && clock.elapsed() < 60'000) {
    std::fflush(nullptr);
    const long before = appends->load();
    const pid_t child = ::fork();
    if (child == 0) {
      ::prctl(PR_SET_PDEATHSIG, SIGKILL);
      RecordStore store(file, [](const RecordFault&) {});
      for (int i = 1;; ++i) {
        store.append(judgementOf(1 + i % 100));
        appends->fetch_add(1);
      }
    }
    // The delay starts once the child has opened the record and appended once, so that the
    // kills land among its appends.
    for (int waited = 0; appends->load() == before && waited < 100'000; ++waited) ::usleep(50);
    ::usleep(delay(random));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ++kills;
    if (!consistent(file)) ++inconsistent;
  }
  std::printf(
      "kill loop, record appends: %d kills, %ld appends completed by the killed children, "
      "%d inconsistent records\n",
      kills, appends->load(), inconsistent);
  ::munmap(appends, sizeof(std::atomic<long>));
  EXPECT_GE(kills, 100);
  EXPECT_GT(integer(file, "SELECT count(*) FROM judgement"), 2);
  EXPECT_EQ(inconsistent, 0);
}

}  // namespace
}  // namespace lumora
