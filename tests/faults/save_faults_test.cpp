#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <functional>
#include <new>
#include <random>

#include "data/Cp932.h"
#include "data/MissList.h"
#include "data/MissListFile.h"
#include "data/RecordWriter.h"
#include "faults/ChildProcess.h"
#include "support/FormHarness.h"

// Saving the incorrect-answer list where the file system fails it: a file-size limit, a
// full or read-only file system, a read-only file, a missing folder, no folder the list
// could go into, two copies of the program saving at once, and saves killed at random
// moments. Every case runs in a forked child, so that limits, mounts and kills stay there.
namespace lumora {
namespace {

using faults::check;
using faults::inChild;
using faults::kFailed;
using faults::kNotPermittedHere;
using faults::kPassed;
using faults::remountReadOnly;

QList<QStringList> listOf(int entries, const QString& tag) {
  QList<QStringList> records = {{QString::number(entries), "", "", "", "", ""}};
  for (int i = 1; i <= entries; ++i) {
    records.append(
        {"1", QStringLiteral("%1%2_00.wav").arg(tag).arg(i), "", QString::number(i), "0", "1"});
  }
  return records;
}

QByteArray bytesOf(const QList<QStringList>& records) {
  QString text;
  for (const QStringList& record : records) text += formatRecord(record);
  return *cp932::encode(text);
}

QByteArray contentsOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// The files of the folder apart from the list itself: temporary files left behind.
QStringList strayFiles(const QString& folder) {
  QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden);
  files.removeAll(QStringLiteral("MemorizeFile.csv"));
  return files;
}

// ---- One save into a failing file system --------------------------------------------

int noStep(const QString&) { return kPassed; }

int mountSmallFileSystem(const QString& folder) {
  return faults::mountSmallFileSystem(folder, "8k");
}

int limitFileSize(const QString&) {
  std::signal(SIGXFSZ, SIG_IGN);  // as the program does: the write fails instead
  const rlimit limit{4096, 4096};
  return ::setrlimit(RLIMIT_FSIZE, &limit) == 0 ? kPassed : kNotPermittedHere;
}

// The superuser writes into any folder whatever its mode, so this case needs another user.
int makeFolderReadOnly(const QString& folder) {
  if (::geteuid() == 0) return kNotPermittedHere;
  return QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner) ? kPassed : kFailed;
}

int makeFileReadOnly(const QString& folder) {
  return QFile::setPermissions(folder + "/MemorizeFile.csv", QFile::ReadOwner) ? kPassed : kFailed;
}

int removeFolder(const QString& folder) {
  return QDir(folder).removeRecursively() ? kPassed : kFailed;
}

struct FailingSaveCase {
  const char* name;
  int (*before)(const QString& folder);  // before the earlier list is written
  int (*after)(const QString& folder);   // after it
  const char* says;
  bool earlierFileKept;
  friend void PrintTo(const FailingSaveCase& c, std::ostream* os) { *os << c.name; }
};

class FailingSave : public ::testing::TestWithParam<FailingSaveCase> {};

TEST_P(FailingSave, KeepsTheEarlierFileByteForByteAndSaysWhy) {
  const FailingSaveCase& c = GetParam();
  QTemporaryDir dir;
  const QString folder = dir.filePath("list");
  ASSERT_TRUE(QDir().mkpath(folder));
  const QString path = folder + "/MemorizeFile.csv";
  const int status = inChild([&] {
    if (const int step = c.before(folder); step != kPassed) return step;
    const QByteArray earlier = c.earlierFileKept ? bytesOf(listOf(10, "old")) : "(none)";
    if (c.earlierFileKept && writeMissFile(path, listOf(10, "old"))) return kFailed;
    if (const int step = c.after(folder); step != kPassed) return step;
    // About 11 KiB: small enough to sit in a 16 KiB write buffer until the file is closed.
    const auto error = writeMissFile(path, listOf(300, "new"));
    if (!error) return check(false, "the save reports its failure");
    std::printf("%s\n", qPrintable(*error));
    return check(error->contains(QString::fromUtf8(c.says)), "the cause is named") |
           check(
               error->contains("前に記録したファイルはそのまま残っています。") == c.earlierFileKept,
               "the earlier file is mentioned only when there was one") |
           check(contentsOf(path) == earlier, "the earlier file is unchanged") |
           check(!QDir(folder).exists() || strayFiles(folder).isEmpty(),
                 "no temporary file is left");
  });
  QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  if (status == kNotPermittedHere) GTEST_SKIP() << "this machine does not permit the setting";
  EXPECT_EQ(status, kPassed);
}

INSTANTIATE_TEST_SUITE_P(
    FileSystemFaults, FailingSave,
    ::testing::Values(
        FailingSaveCase{"fileSizeLimit", noStep, limitFileSize, "ファイルの大きさの上限", true},
        FailingSaveCase{"fullFileSystem", mountSmallFileSystem, noStep, "空き容量が足りません",
                        true},
        FailingSaveCase{"readOnlyFileSystem", noStep, remountReadOnly,
                        "読み取り専用のファイルシステム", true},
        FailingSaveCase{"readOnlyFolder", noStep, makeFolderReadOnly,
                        "アクセスが許可されていません", true},
        FailingSaveCase{"readOnlyFile", noStep, makeFileReadOnly, "ファイルが読み取り専用", true},
        FailingSaveCase{"missingFolder", removeFolder, noStep, "見つかりません", false}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- No folder the list could be saved in --------------------------------------------

// The superuser writes into any folder whatever its mode, but not on a read-only mount.
int makeFolderUnwritable(const QString& folder) {
  return ::geteuid() == 0 ? remountReadOnly(folder) : makeFolderReadOnly(folder);
}

TEST(NoWritableFolder, TheSaveSaysTheLearnersFolderCouldNotBeMadeAndWhy) {
  const int status = inChild([] {
    char name[] = "lumora_fault_tests";
    char* argv[] = {name, nullptr};
    int argc = 1;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::FormHarness h;
    const QString learners = h.soundFolder() + "data";  // inside the unwritable sound folder
    qputenv("XDG_DATA_HOME", QFile::encodeName(learners));
    if (const int step = makeFolderUnwritable(h.soundFolder()); step != kPassed) return step;
    h->missList(0, 0) = "1";
    h->data_save_Click();
    ::umount(QFile::encodeName(h.soundFolder()));  // so that the folders can be removed
    QFile::setPermissions(h.soundFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString text = h.dialogs->shown.empty() ? QString() : h.dialogs->shown[0].text;
    std::printf("%s\n", qPrintable(text));
    return check(text.contains("フォルダを作れませんでした") && text.contains(learners) &&
                     !text.contains("見つかりません"),
                 "the save says that the learner's folder could not be made, and why");
  });
  if (status == kNotPermittedHere) GTEST_SKIP() << "this machine does not permit the setting";
  EXPECT_EQ(status, kPassed);
}

// ---- Two copies of the program saving into one folder at once ---------------------------

TEST(TwoCopies, SavingIntoOneFolderAtOnceLoseNoSave) {
  QTemporaryDir dir;
  const QString path = dir.filePath("MemorizeFile.csv");
  QFile(dir.filePath("MemorizeFile.csv.backup")).open(QIODevice::WriteOnly);  // the learner's
  const QList<QStringList> lists[] = {listOf(400, "a"), listOf(250, "b")};
  constexpr int kRounds = 200;
  const auto failedSaves = [&](const QList<QStringList>& list) {
    int failed = 0;
    for (int round = 0; round < kRounds; ++round) failed += writeMissFile(path, list) ? 1 : 0;
    return failed;
  };
  std::fflush(nullptr);
  const pid_t other = ::fork();
  if (other == 0) ::_exit(std::min(failedSaves(lists[1]), 100));
  int failed = failedSaves(lists[0]);
  int status = 0;
  ::waitpid(other, &status, 0);
  failed += WEXITSTATUS(status);
  std::printf("two copies, %d rounds each: %d saves failed\n", kRounds, failed);
  EXPECT_EQ(failed, 0);
  EXPECT_EQ(strayFiles(dir.path()), QStringList{"MemorizeFile.csv.backup"});
}

// ---- Saves killed at random moments ---------------------------------------------------

using Save = void (*)(const QString& path, const QList<QStringList>& records);

void saveDurably(const QString& path, const QList<QStringList>& records) {
  writeMissFile(path, records);
}

// What a save without a temporary file does: empty the file, then write it record by record.
void saveInPlace(const QString& path, const QList<QStringList>& records) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
  for (const QStringList& record : records) file.write(bytesOf({record}));
}

struct KillLoopFigures {
  int kills = 0;
  long savesCompleted = 0;  // by the children before they were killed
  int checks = 0;
  int tornFiles = 0;       // neither the complete old nor the complete new list
  int leftBehind = 0;      // kills that left a temporary file
  int strayAfterSave = 0;  // temporary files still there after the next save
};

// Starts a child that saves two lists in turn without end, kills it after a seeded random
// delay, and checks the file; then saves once more and checks no temporary file is left.
KillLoopFigures killSavesAtRandom(Save save, int kills, unsigned seed, bool stopWhenTorn) {
  QTemporaryDir dir;
  const QString path = dir.filePath("MemorizeFile.csv");
  const QList<QStringList> lists[] = {listOf(400, "a"), listOf(250, "b")};
  const QByteArray complete[] = {bytesOf(lists[0]), bytesOf(lists[1])};
  QElapsedTimer clock;
  clock.start();
  writeMissFile(path, lists[0]);
  // Kills spread over about three saves, whatever this machine's disk costs.
  const int saveMicroseconds = std::max<int>(100, clock.nsecsElapsed() / 1000);
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> delay(0, 3 * saveMicroseconds);

  auto* saves = static_cast<std::atomic<long>*>(::mmap(nullptr, sizeof(std::atomic<long>),
                                                       PROT_READ | PROT_WRITE,
                                                       MAP_SHARED | MAP_ANONYMOUS, -1, 0));
  new (saves) std::atomic<long>(0);
  KillLoopFigures figures;
  constexpr qint64 kBudgetMilliseconds = 120'000;
  clock.restart();
  while (figures.kills < kills && clock.elapsed() < kBudgetMilliseconds) {
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
      ::prctl(PR_SET_PDEATHSIG, SIGKILL);
      for (int i = 0;; ++i) {
        save(path, lists[i % 2]);
        saves->fetch_add(1);
      }
    }
    ::usleep(delay(random));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ++figures.kills;

    const QByteArray now = contentsOf(path);
    ++figures.checks;
    if (now != complete[0] && now != complete[1]) ++figures.tornFiles;
    if (!strayFiles(dir.path()).isEmpty()) ++figures.leftBehind;
    save(path, lists[figures.kills % 2]);
    ++figures.checks;
    if (!strayFiles(dir.path()).isEmpty()) ++figures.strayAfterSave;
    if (stopWhenTorn && figures.tornFiles > 0) break;
  }
  figures.savesCompleted = saves->load();
  ::munmap(saves, sizeof(std::atomic<long>));
  return figures;
}

void print(const char* title, const KillLoopFigures& f) {
  std::printf(
      "%s: %d kills, %ld saves completed by the killed children, %d checks, %d torn files, "
      "%d kills left a temporary file, %d temporary files left after the next save\n",
      title, f.kills, f.savesCompleted, f.checks, f.tornFiles, f.leftBehind, f.strayAfterSave);
}

TEST(KillLoop, ADurableSaveKilledAnywhereLeavesTheOldOrTheNewListAndCleansUp) {
  const KillLoopFigures figures = killSavesAtRandom(saveDurably, 300, 20261207, false);
  print("kill loop, durable save", figures);
  EXPECT_GE(figures.kills, 100);
  EXPECT_EQ(figures.tornFiles, 0);
  EXPECT_EQ(figures.strayAfterSave, 0);
}

TEST(KillLoop, CatchesASaveThatRewritesTheFileInPlace) {
  const KillLoopFigures figures = killSavesAtRandom(saveInPlace, 300, 20261207, true);
  print("kill loop, in-place save (must be caught)", figures);
  EXPECT_GT(figures.tornFiles, 0);
}

}  // namespace
}  // namespace lumora
