#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QFile>
#include <QTemporaryDir>

#include "data/Cp932.h"
#include "data/MissListFile.h"
#include "data/RecordReader.h"
#include "data/RecordWriter.h"
#include "data/TableShapes.h"

namespace {

// A full wrong-answer list: the count record and 10000 entries, as a saved file holds it.
QByteArray fullListFile() {
  QString text = lumora::formatRecord({"10000", "", "", "", "", ""});
  for (int i = 1; i <= 10000; ++i) {
    text += lumora::formatRecord({"2", "月M03_01.wav", "日D09_00.wav", "3", "9", "5"});
  }
  return *lumora::cp932::encode(text);
}

void BM_ReadFullListFile(benchmark::State& state) {
  const QByteArray bytes = fullListFile();
  for (auto _ : state) {
    const auto text = lumora::cp932::decode(bytes);
    lumora::TextTable table(10001, 6);
    benchmark::DoNotOptimize(lumora::readRecords(*text, table));
  }
  state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ReadFullListFile)->Unit(benchmark::kMillisecond);

double peakResidentMiB() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}

// A list file of nothing but commas must be refused at little cost: far over any real list
// (16 MiB) it is refused for its size, just within the size limit for its records. Run one
// alone (--benchmark_filter) for a true peak_growth_MiB: the peak of the whole process.
void BM_RefuseFileOfCommas(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("MemorizeFile.csv"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(state.range(0), ',')) < 0) {
    state.SkipWithError("cannot write the file");
    return;
  }
  file.close();
  const double peakBefore = peakResidentMiB();
  lumora::TextTable table = lumora::kMissListShape.emptyTable();
  for (auto _ : state) benchmark::DoNotOptimize(lumora::readMissFile(path, table));
  state.counters["peak_growth_MiB"] = peakResidentMiB() - peakBefore;
}
BENCHMARK(BM_RefuseFileOfCommas)
    ->Arg(16 << 20)
    ->Arg(lumora::kMissFileMaxBytes)
    ->Unit(benchmark::kMillisecond);

}  // namespace
