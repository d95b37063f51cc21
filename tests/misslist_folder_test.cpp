#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "data/MissList.h"
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
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("1,,,,,\r\n1," + wav + ",,7,0,1\r\n");
  file.flush();  // before the time is set, or the write would set it again
  file.setFileTime(QDateTime::currentDateTime().addSecs(-3600 * hoursAgo),
                   QFileDevice::FileModificationTime);
}

struct TwoPlacesCase {
  const char* name;
  int soundFolderHoursAgo;  // 0: no list there
  int learnersHoursAgo;
  const char* loaded;
};

void PrintTo(const TwoPlacesCase& c, std::ostream* os) { *os << c.name; }

class TwoPlaces : public ::testing::TestWithParam<TwoPlacesCase> {};

TEST_P(TwoPlaces, TheListSavedLastLoadsAndTwoListsAreToldOnce) {
  const TwoPlacesCase& c = GetParam();
  LearnerDataHome learner;
  FormHarness h;
  if (c.soundFolderHoursAgo) {
    writeListChanged(h.soundFolder() + "MemorizeFile.csv", "sound.wav", c.soundFolderHoursAgo);
  }
  writeListChanged(learner.missFile(), "learner.wav", c.learnersHoursAgo);
  h->data_load_Click();
  h->data_load_Click();
  EXPECT_EQ(h->missList(1, 1), c.loaded);
  EXPECT_EQ(h->不正解問数->text(), "1問");
  ASSERT_EQ(h.dialogs->shown.size(), c.soundFolderHoursAgo ? 1u : 0u);
  if (c.soundFolderHoursAgo) {
    EXPECT_TRUE(h.dialogs->shown[0].text.contains("2 か所"));
  }
}

INSTANTIATE_TEST_SUITE_P(
    MissFile, TwoPlaces,
    ::testing::Values(TwoPlacesCase{"OnlyInTheLearnersFolder", 0, 1, "learner.wav"},
                      TwoPlacesCase{"TheLearnersFolderHoldsTheNewer", 2, 1, "learner.wav"},
                      TwoPlacesCase{"TheSoundFolderHoldsTheNewer", 1, 2, "sound.wav"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    MissFile, MissFileFolderTest,
    ::testing::Values(FolderCase{"WritableSoundFolderKeepsItBesideTheRecordings", true},
                      FolderCase{"ReadOnlySoundFolderMovesItToTheLearnersDataFolder", false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumora
