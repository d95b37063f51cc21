#include <benchmark/benchmark.h>

#include <QApplication>

// The in-process benchmarks drive the window off screen; the start-up benchmark starts its
// programs on the X display of DISPLAY.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
