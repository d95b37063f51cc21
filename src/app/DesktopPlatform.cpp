#include "app/DesktopPlatform.h"

#include <QStandardPaths>

#include "app/QtDialogs.h"
#include "sound/SdlAudioOutput.h"
#include "sound/SystemClock.h"

namespace lumora {
namespace {

// In the learner's own data folder, beside their list on an installed copy; created on
// first use.
QString learningRecordFile() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
         QStringLiteral("/学習記録.sqlite3");
}

}  // namespace

Platform makeDesktopPlatform() {
  Platform platform;
  platform.audio = makeSdlAudioOutput();
  platform.dialogs = std::make_unique<QtDialogs>();
  platform.random = makeClockSeededRandom();
  platform.clock = std::make_unique<SystemClock>();
  platform.recordFile = learningRecordFile();
  return platform;
}

}  // namespace lumora
