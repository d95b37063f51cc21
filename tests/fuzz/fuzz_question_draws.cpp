// Any two loadable sound tables, then many questions of every category drawn from a seeded
// random source: each question stays inside its category's ranges and the tables.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <random>

#include "FuzzCheck.h"
#include "data/Cp932.h"
#include "data/Numbers.h"
#include "data/RecordReader.h"
#include "data/RecordingNames.h"
#include "data/SoundTableChecks.h"
#include "data/SoundTableLayout.h"
#include "data/TableShapes.h"
#include "quiz/QuestionDraws.h"

namespace lumora {
namespace {

using TableCheck = QStringList (*)(const TextTable& table, int records);

constexpr int kDrawsPerCategory = 64;

class SeededRandom final : public RandomSource {
 public:
  explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}
  double next() override { return static_cast<double>(engine_() >> 8) / (1u << 24); }

 private:
  std::mt19937 engine_;
};

// A table the program would start with: read whole, and its contents pass the start-up check.
std::optional<TextTable> loadedTable(const std::string& bytes, TableShape shape, TableCheck check) {
  const auto text = cp932::decode(QByteArray::fromStdString(bytes));
  if (!text) return std::nullopt;
  TextTable table = shape.emptyTable();
  const TableReadResult result = readRecords(*text, table);
  if (!result.ok || (check && !check(table, result.records).isEmpty())) return std::nullopt;
  return table;
}

bool within(int value, int low, int high) { return value >= low && value <= high; }

// The largest value of each one-number category, with its recording.
struct OneNumber {
  std::int16_t code;
  int largest;
  QString (*recording)(int);
};
constexpr OneNumber kOneNumbers[] = {
    {1, 100, names::sinoNumber}, {2, 100, names::nativeNumber}, {3, 12, names::month},
    {4, 31, names::day},         {9, 10, names::ordinal},
};

void checkOneNumber(const Question& q, const OneNumber& category) {
  FUZZ_CHECK(q.category == category.code && q.answerCount == 1 && q.soundKind == 1);
  FUZZ_CHECK(within(q.firstValue, 1, category.largest));
  FUZZ_CHECK(q.fileA == category.recording(q.firstValue) && q.key == q.firstValue);
}

void checkMonthAndDay(const Question& q) {
  FUZZ_CHECK(q.answerCount == 2 && q.soundKind == 2 && q.secondValue);
  FUZZ_CHECK(within(q.firstValue, 1, 12) &&
             within(*q.secondValue, 1, lastDayOfMonth(q.firstValue)));
  FUZZ_CHECK(q.fileA == names::month(q.firstValue) && q.fileB == names::day(*q.secondValue));
}

// The expected answer and both recordings come from the one minute row the key names.
void checkClockTime(const Question& q, const TextTable& split) {
  FUZZ_CHECK(within(q.firstValue, 1, 12) && q.fileA == names::hour(q.firstValue));
  FUZZ_CHECK(q.minuteRow && within(*q.minuteRow, 1, 16) && q.key == *q.minuteRow);
  const int row = *q.minuteRow;
  FUZZ_CHECK(q.answerCount == wholeNumber(split(row, 1)) && q.soundKind == q.answerCount);
  FUZZ_CHECK(q.answerCount == 1 || q.answerCount == 2);
  FUZZ_CHECK(q.secondValue == wholeNumber(split(row, 2)));
  FUZZ_CHECK(q.fileB == names::minute(split(row, 3)));
}

// The right button is an allowed column of a usable row, and its syllable is the one heard.
void checkHardSound(const std::optional<Question>& q, const TextTable& hard) {
  const std::vector<int> usable = usableHardSoundRows(hard);
  FUZZ_CHECK(q.has_value() != usable.empty());
  if (!q) return;
  FUZZ_CHECK(q->hardSoundRow && std::count(usable.begin(), usable.end(), *q->hardSoundRow));
  const int row = *q->hardSoundRow;
  FUZZ_CHECK(within(q->firstValue, 0, 2) && wholeNumber(hard(row, q->firstValue)) != 0);
  FUZZ_CHECK(q->fileA == hardSoundRecording(hard, row, q->firstValue));
  FUZZ_CHECK(q->pictures == hardSoundPictures(hard, row) && q->key == q->firstValue);
}

void drawMany(RandomSource& random, const TextTable& hard, const TextTable& split) {
  for (int draw = 0; draw < kDrawsPerCategory; ++draw) {
    for (const OneNumber& category : kOneNumbers) {
      checkOneNumber(drawTypedQuestion(category.code, random, split).value(), category);
    }
    checkMonthAndDay(drawTypedQuestion(5, random, split).value());
    checkClockTime(drawTypedQuestion(8, random, split).value(), split);
    checkHardSound(drawHardSoundQuestion(random, hard), hard);
  }
  for (std::int16_t code : {std::int16_t{0}, std::int16_t{6}, std::int16_t{7}, std::int16_t{10}}) {
    FUZZ_CHECK(!drawTypedQuestion(code, random, split));
  }
}

}  // namespace
}  // namespace lumora

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumora;
  FuzzedDataProvider input(data, size);
  const auto seed = input.ConsumeIntegral<std::uint32_t>();
  const auto hard = loadedTable(input.ConsumeRandomLengthString(), kHardSoundShape, nullptr);
  const auto split =
      loadedTable(input.ConsumeRemainingBytesAsString(), kSplitSoundShape, splitSoundTableFaults);
  if (!hard || !split) return 0;
  SeededRandom random(seed);
  drawMany(random, *hard, *split);
  return 0;
}
