#include <benchmark/benchmark.h>

#include "data/Cp932.h"
#include "data/RecordReader.h"
#include "data/RecordWriter.h"

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

}  // namespace
