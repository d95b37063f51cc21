#pragma once

#include <QTemporaryDir>
#include <memory>

#include "app/Form1.h"
#include "support/Fakes.h"

namespace lumora::testing {

// A window on fake services, loaded from a temporary application folder that holds the
// two sound tables (a small hard-to-hear table and a full minute table).
class FormHarness {
 public:
  // Loads the window at once unless told not to (to test start-up itself).
  explicit FormHarness(bool load = true);
  ~FormHarness();

  Form1& form() { return *form_; }
  Form1* operator->() { return form_.get(); }

  QString appFolder() const { return dir_.path(); }
  QString soundFolder() const;    // with trailing separator, as soundDir
  QString pictureFolder() const;  // with trailing separator, as imageDir

  // Rewrites a table file of the sound folder with the given CP932 records (quoted).
  void writeSoundFile(const QString& name, const QList<QStringList>& records);

  SoundLog sounds;
  FakeDialogs* dialogs = nullptr;
  ScriptedRandom* random = nullptr;
  FakeClock* clock = nullptr;

 private:
  QTemporaryDir dir_;
  std::unique_ptr<Form1> form_;
};

// The rows of the small hard-to-hear table every harness starts with (rows 1..3).
// Row 2 allows only its middle syllable.
QList<QStringList> defaultHardSoundRecords();
// The 17 records of the minute table every harness starts with.
QList<QStringList> defaultSplitSoundRecords();

}  // namespace lumora::testing
