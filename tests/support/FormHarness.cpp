#include "support/FormHarness.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

#include "data/Cp932.h"
#include "data/RecordWriter.h"
#include "data/RecordingNames.h"

namespace lumora::testing {

QList<QStringList> defaultHardSoundRecords() {
  return {
      {"3", "正解1", "正解2", "正解3", "音1", "音2"},
      {"1", "1", "1", "ga", "ka", "kka"},
      {"0", "1", "0", "da", "ta", "tta"},
      {"1", "0", "1", "eo", "o", "u"},
  };
}

QList<QStringList> defaultSplitSoundRecords() {
  QList<QStringList> records = {{"分", "個数", "分値", "名前"}};
  const QList<int> minutes = {0, 1, 5, 10, 12, 15, 20, 25, 30, 35, 40, 45, 48, 50, 55};
  for (int minute : minutes) {
    records.append({QStringLiteral("%1分").arg(minute), minute == 0 ? "1" : "2",
                    QString::number(minute), names::padded2(minute)});
  }
  records.append({"半", "2", "30", "30半"});
  return records;
}

FormHarness::FormHarness(bool load) {
  if (!dir_.isValid()) throw std::runtime_error("no temporary folder");
  QDir(dir_.path()).mkpath(names::kSoundFolder);
  QDir(dir_.path()).mkpath(names::kPictureFolder);
  writeSoundFile(names::kHardSoundTable, defaultHardSoundRecords());
  writeSoundFile(names::kSplitSoundTable, defaultSplitSoundRecords());

  Platform platform;
  platform.audio = std::make_unique<FakeAudio>(sounds);
  auto fakeClock = std::make_unique<FakeClock>(sounds);
  clock = fakeClock.get();
  platform.clock = std::move(fakeClock);
  platform.recordFile = QStringLiteral(":memory:");
  auto fakeDialogs = std::make_unique<FakeDialogs>();
  dialogs = fakeDialogs.get();
  platform.dialogs = std::move(fakeDialogs);
  auto fakeRandom = std::make_unique<ScriptedRandom>();
  random = fakeRandom.get();
  platform.random = std::move(fakeRandom);
  form_ = std::make_unique<Form1>(dir_.path(), std::move(platform));
  if (load && !form_->Form_Load()) throw std::runtime_error("start-up failed");
}

FormHarness::~FormHarness() = default;

QString FormHarness::soundFolder() const {
  return dir_.path() + QDir::separator() + names::kSoundFolder + QDir::separator();
}

QString FormHarness::pictureFolder() const {
  return dir_.path() + QDir::separator() + names::kPictureFolder + QDir::separator();
}

void FormHarness::writeSoundFile(const QString& name, const QList<QStringList>& records) {
  QString text;
  for (const QStringList& record : records) text += formatRecord(record);
  QFile file(soundFolder() + name);
  if (!file.open(QIODevice::WriteOnly) || file.write(*cp932::encode(text)) < 0) {
    throw std::runtime_error("cannot write " + name.toStdString());
  }
}

}  // namespace lumora::testing
