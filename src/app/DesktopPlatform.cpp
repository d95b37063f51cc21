#include "app/DesktopPlatform.h"

#include "app/QtDialogs.h"
#include "sound/SdlAudioOutput.h"
#include "sound/SystemClock.h"

namespace lumora {

Platform makeDesktopPlatform() {
  Platform platform;
  platform.audio = makeSdlAudioOutput();
  platform.dialogs = std::make_unique<QtDialogs>();
  platform.random = makeClockSeededRandom();
  platform.clock = std::make_unique<SystemClock>();
  return platform;
}

}  // namespace lumora
