#include <gtest/gtest.h>

#include <QApplication>
#include <cfenv>

// Every test runs headless and silent, whatever the machine has.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("SDL_AUDIODRIVER", "dummy");
  // Debian's SoundTouch is built with -ffast-math, so loading it turns on flush-to-zero for
  // the whole process. The content tests compute as the generator of a plain build does,
  // which never loads it; aubio's measures hold their own environment whatever is loaded.
  std::fesetenv(FE_DFL_ENV);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
