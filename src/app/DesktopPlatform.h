#pragma once

#include "app/Form1.h"

namespace lumora {

// The real services: SDL sound (or silence without a device), Qt message boxes, a
// clock-seeded random source and the system clock.
Platform makeDesktopPlatform();

}  // namespace lumora
