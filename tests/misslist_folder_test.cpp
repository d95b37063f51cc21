#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <ctime>

#include "data/MissList.h"
#include "support/AnswerSupport.h"
#include "support/FormHarness.h"

namespace lumora {
namespace {

using testing::FormHarness;

// Points the learner's data folder into a temporary folder for the life of the object.
class LearnerDataHome {
 public:
  LearnerDataHome() : previous_(qgetenv("XDG_DATA_HOME")) {
    qputenv("XDG_DATA_HOME", home_.path().toUtf8());
  }
  ~LearnerDataHome() { qputenv("XDG_DATA_HOME", previous_); }
  QString missFile() const {
    return QDir(home_.path()).filePath(QCoreApplication::applicationName() + "/MemorizeFile.csv");
  }

 private:
  QTemporaryDir home_;
  QByteArray previous_;
};

// Takes the write permission off a folder and gives it back, so it can be cleaned up.
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(QString path) : path_(std::move(path)) {
    QFile::setPermissions(path_, QFile::ReadOwner | QFile::ExeOwner);
  }
  ~ReadOnlyFolder() {
    QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }

 private:
  QString path_;
};

struct FolderCase {
  const char* name;
  bool soundFolderWritable;
};

void PrintTo(const FolderCase& c, std::ostream* os) { *os << c.name; }

class MissFileFolderTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(MissFileFolderTest, SavesAndLoadsTheListWhereTheLearnerCanWrite) {
  const FolderCase& c = GetParam();
  if (!c.soundFolderWritable && geteuid() == 0) {
    GTEST_SKIP() << "root writes to any folder; the package test covers this as another user";
  }
  LearnerDataHome learner;
  FormHarness h;
  const QString besideRecordings = h.soundFolder() + "MemorizeFile.csv";
  std::optional<ReadOnlyFolder> readOnly;
  if (!c.soundFolderWritable) readOnly.emplace(h.soundFolder());

  h->quizCategory = 1;
  h->currentAnswer = {1, 7, 0};
  h->updateMissList(kRememberMiss, 1, "漢数詞007_00.wav", QString());
  h->data_save_Click();
  h->不正解分リセット_Click();
  h->data_load_Click();

  EXPECT_TRUE(h.dialogs->shown.empty()) << "saving and loading both succeed";
  EXPECT_EQ(h->不正解問数->text(), "1問");
  EXPECT_EQ(QFile::exists(besideRecordings), c.soundFolderWritable);
  EXPECT_EQ(QFile::exists(learner.missFile()), !c.soundFolderWritable);
}

// A list of one entry, `wav`, last changed `hoursAgo`.
void writeListChanged(const QString& path, const QByteArray& wav, int hoursAgo) {
  QDir().mkpath(QFileInfo(path).path());
  testing::writeFileBytes(path, "1,,,,,\r\n1," + wav + ",,7,0,1\r\n");
  const timespec changed[] = {{0, UTIME_OMIT}, {std::time(nullptr) - 3600 * hoursAgo, 0}};
  ::utimensat(AT_FDCWD, qPrintable(path), changed, 0);
}

TEST(MissFileFolder, TheListSavedLastLoadsFromEitherPlaceAndTwoListsAreToldOnce) {
  const struct {
    int soundFolderHoursAgo;  // 0: no list there; the learner's folder's is 2 hours old
    const char* loaded;
  } cases[] = {{0, "learner.wav"}, {3, "learner.wav"}, {1, "sound.wav"}};
  for (const auto& c : cases) {
    LearnerDataHome learner;
    FormHarness h;
    writeListChanged(learner.missFile(), "learner.wav", 2);
    if (c.soundFolderHoursAgo) {
      writeListChanged(h.soundFolder() + "MemorizeFile.csv", "sound.wav", c.soundFolderHoursAgo);
    }
    h->data_load_Click();
    h->data_load_Click();
    EXPECT_EQ(h->missList(1, 1), c.loaded);
    EXPECT_EQ(h.dialogs->shown.size(), c.soundFolderHoursAgo ? 1u : 0u);
  }
}

INSTANTIATE_TEST_SUITE_P(
    MissFile, MissFileFolderTest,
    ::testing::Values(FolderCase{"WritableSoundFolderKeepsItBesideTheRecordings", true},
                      FolderCase{"ReadOnlySoundFolderMovesItToTheLearnersDataFolder", false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumora
