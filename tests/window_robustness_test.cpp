// Thousands of seeded random event sequences through the window's real handlers on fake
// services: every control, any combo text, any typed text, timer ticks, loads and saves of
// good and damaged incorrect-answer files. The invariants are checked after every step,
// and a failure names the seed and step that reproduce it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <exception>
#include <functional>
#include <random>
#include <vector>

#include "data/Numbers.h"
#include "data/Cp932.h"
#include "data/MissList.h"
#include "data/RecordWriter.h"
#include "quiz/QuestionDraws.h"
#include "data/RecordingNames.h"
#include "support/AnswerSupport.h"
#include "support/FormHarness.h"

namespace lumora {
namespace {

using testing::FormHarness;

constexpr int kStepsPerSequence = 60;

// Sanitizers slow every step several times over, so that build plays fewer sequences.
#ifdef __SANITIZE_ADDRESS__
constexpr int kDefaultSequences = 700;
#else
constexpr int kDefaultSequences = 2000;
#endif

// LUMORA_ROBUSTNESS_SEQUENCES asks for more (or fewer).
int sequenceCount() {
  const int asked = qEnvironmentVariableIntValue("LUMORA_ROBUSTNESS_SEQUENCES");
  return asked > 0 ? asked : kDefaultSequences;
}

// Entries as a right question leaves them, one per category that can be stored.
const std::vector<QStringList> kStoredEntries = {
    {"1", "漢数詞007_00.wav", "", "7", "", "1"},
    {"1", "固有数詞100_00.wav", "", "100", "", "2"},
    {"1", "月M12_01.wav", "", "12", "", "3"},
    {"1", "日D31_00.wav", "", "31", "", "4"},
    {"2", "月M02_01.wav", "日D29_00.wav", "2", "29", "5"},
    {"4", "水曜4_00.wav", "1", "4", "6", "6"},
    {"1", "難聴音ta_00.wav", "", "2", "", "7"},
    {"2", "時05時_01.wav", "分30半_00.wav", "5", "30", "8"},
    {"1", "時12時_01.wav", "分00_00.wav", "12", "0", "8"},
    {"1", "番目010_01.wav", "", "10", "", "9"},
};

QString recordsText(const QList<QStringList>& records) {
  QString text;
  for (const QStringList& record : records) text += formatRecord(record);
  return text;
}

QByteArray fileText(const QList<QStringList>& records) {
  return *cp932::encode(recordsText(records));
}

class EventPlayer {
 public:
  EventPlayer(FormHarness& h, unsigned seed) : h_(h), form_(h.form()), engine_(seed) {
    h_.random->seed(seed);
    for (int boxes = 1 + pick(3); boxes > 0; --boxes) clickCategoryBox();
  }

  // Runs one event; false once the learner has ended the program.
  bool step() {
    h_.dialogs->answers = {answer(), answer()};
    const int event = pick(1000);
    if (event < 140) return startQuestion(), true;
    if (event < 320) return typeText(), true;
    if (event < 400) return clickAnswerButton(), true;
    if (event < 500) return tick(), true;
    if (event < 590) return setComboText(), true;
    if (event < 630) return chooseComboItem(), true;
    if (event < 720) return clickOption(), true;
    if (event < 790) return clickCategoryBox(), true;
    if (event < 860) return loadFile(), true;
    if (event < 930) return saveFile(), true;
    if (event < 998) return clickPlainButton(), true;
    form_.学習終了->click();
    return false;
  }

 private:
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }
  bool chance(int percent) { return pick(100) < percent; }
  template <typename T>
  T oneOf(const std::vector<T>& items) {
    return items[pick(static_cast<int>(items.size()))];
  }

  Dialogs::Answer answer() {
    return oneOf<Dialogs::Answer>(
        {Dialogs::Answer::Yes, Dialogs::Answer::No, Dialogs::Answer::Cancel});
  }

  void startQuestion() {
    if (chance(50)) form_.ランダム->click();
    form_.出題開始->click();
  }

  QString anyText(int maxLength) {
    static const std::vector<QString> pieces = {"0",
                                                "1",
                                                "2",
                                                "5",
                                                "9",
                                                " ",
                                                "　",
                                                "０",
                                                "１",
                                                "９",
                                                "-",
                                                "+",
                                                ".",
                                                "e",
                                                "E",
                                                "a",
                                                "半",
                                                "가",
                                                "\t",
                                                "\r",
                                                "\n",
                                                QString(QChar(0)),
                                                "\x1b",
                                                "😀",
                                                "99999999999999999999",
                                                "1e400",
                                                ",",
                                                "\"",
                                                "nan",
                                                "inf"};
    QString text;
    for (int i = pick(maxLength + 1); i > 0; --i) text += oneOf(pieces);
    return text;
  }

  // The right answer, a near miss, or anything at all; typed key by key or pasted.
  QString answerText() {
    const auto& answer = form_.currentAnswer;
    const QString right = answer[0] == 2 ? QStringLiteral("%1 %2").arg(answer[1]).arg(answer[2])
                                         : QString::number(answer[1]);
    switch (pick(4)) {
      case 0:
        return right;
      case 1:
        return QString::number(answer[1] + 1 + pick(3));
      case 2:
        return right + anyText(2);
      default:
        return anyText(6);
    }
  }

  void typeText() {
    if (!form_.Text1->isEnabled()) return;
    const QString text = answerText();
    if (chance(30)) {
      form_.Text1->setText(text);
      return;
    }
    for (QChar c : text) form_.Text1->insert(QString(c));
  }

  void clickAnswerButton() {
    const int index = pick(3);
    (chance(75) ? form_.Command4(index) : form_.hint(index))->click();
  }

  // The window's loop delivers ticks only while the timer runs.
  void tick() {
    for (int ticks = 1 + pick(3); ticks > 0 && form_.Timer1.isTicking(); --ticks) {
      form_.Timer1_Timer();
    }
  }

  QComboBox* anyCombo() { return chance(50) ? form_.出題数Combo(0) : form_.制限時間Combo(1); }

  void setComboText() {
    static const std::vector<QString> texts = {"1",
                                               "3",
                                               "5",
                                               "0",
                                               "-3",
                                               "",
                                               "abc",
                                               "2.5",
                                               "1e308",
                                               "99999999999999999999",
                                               "３０",
                                               " 7 ",
                                               "32767",
                                               "32768",
                                               "-32769",
                                               "NaN",
                                               QString(5000, u'9')};
    anyCombo()->setEditText(chance(70) ? oneOf(texts) : anyText(8));
  }

  void chooseComboItem() {
    QComboBox* combo = anyCombo();
    const int index = pick(combo->count());
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }

  void clickOption() {
    const std::vector<QRadioButton*> options = {
        form_.自動,     form_.手動,       form_.不正解分,     form_.ランダム,
        form_.順番通り, form_.練習モード, form_.テストモード, form_.時間制限(6)};
    oneOf(options)->click();
  }

  void clickCategoryBox() {
    const std::vector<QCheckBox*> boxes = {form_.漢数詞, form_.固有数詞, form_.月,
                                           form_.日,     form_.月日,     form_.曜日,
                                           form_.難聴音, form_.時間,     form_.番目};
    oneOf(boxes)->click();
  }

  void clickPlainButton() {
    const std::vector<QPushButton*> buttons = {form_.再度再生, form_.自動中止,
                                               form_.不正解分リセット};
    oneOf(buttons)->click();
  }

  QString missFile() const { return h_.soundFolder() + names::kMissFile; }

  QList<QStringList> goodRecords() {
    QList<QStringList> records = {{"", "", "", "", "", ""}};
    for (int i = pick(25); i > 0; --i) records << oneOf(kStoredEntries);
    records[0][0] = QString::number(pick(static_cast<int>(records.size())));
    return records;
  }

  // A file the load must refuse, leaving the list as it was.
  QByteArray damagedFile() {
    QList<QStringList> records = goodRecords();
    switch (pick(6)) {
      case 0:
        return fileText(records) + "\"1\",\"x\"\r\n";  // ends inside a record
      case 1:
        records[0][0] = QString::number(records.size() + pick(100));
        return fileText(records);
      case 2:
        records[0][0] = oneOf<QString>({"abc", "-1", "99999", "1e9", "３", "", "2x"});
        return fileText(records);
      case 3:
        return fileText(records) + "\x82";
      case 4:
        return {};
      default:
        return QByteArray(pick(200), '\xFD');
    }
  }

  void replaceMissFile(const QByteArray& bytes) {
    QDir(missFile()).removeRecursively();
    if (chance(5)) return;  // missing
    if (chance(5)) {
      QDir().mkpath(missFile());  // a folder where the file should be
      return;
    }
    testing::writeFileBytes(missFile(), bytes);
  }

  // A file the load accepts; now and then one with a quote inside an unquoted field,
  // which loads but which a save must refuse.
  QByteArray goodFile() {
    QList<QStringList> records = goodRecords();
    if (!chance(10)) return fileText(records);
    records[0][0] = QString::number(records.size());
    const QString quoted = QStringLiteral("\"1\",漢\"数,\"\",\"7\",\"\",\"1\"\r\n");
    return *cp932::encode(recordsText(records) + quoted);
  }

  // A good file, a damaged one, or whatever the last save or load left.
  void loadFile() {
    const int choice = pick(10);
    if (choice < 4) {
      replaceMissFile(goodFile());
    } else if (choice < 7) {
      replaceMissFile(damagedFile());
    }
    form_.data_load->click();
  }

  // A save writes exactly the records of the list; loading them back is one of the loads.
  void saveFile() {
    const std::size_t shownBefore = h_.dialogs->shown.size();
    const Dialogs::Answer firstAnswer = h_.dialogs->answers.front();
    form_.data_save->click();
    const auto& shown = h_.dialogs->shown;
    const auto first = shown.begin() + static_cast<std::ptrdiff_t>(shownBefore);
    const bool asked = first != shown.end() && first->kind == "question";
    const bool warned =
        std::any_of(first, shown.end(), [](const auto& box) { return box.kind != "question"; });
    if (warned || (asked && firstAnswer != Dialogs::Answer::Yes)) return;
    EXPECT_EQ(testing::fileBytes(missFile()), fileText(missFileRecords(form_.missList)));
  }

  FormHarness& h_;
  Form1& form_;
  std::mt19937 engine_;
};

bool within(int value, int low, int high) { return value >= low && value <= high; }

// The expected answer fits the category of the question on screen.
void expectAnswerFitsCategory(const Form1& form) {
  const auto& [count, first, second] = form.currentAnswer;
  switch (form.quizCategory) {
    case 0:
      return;
    case 1:
    case 2:
      EXPECT_TRUE(count == 1 && within(first, 1, 100)) << first;
      return;
    case 3:
      EXPECT_TRUE(count == 1 && within(first, 1, 12)) << first;
      return;
    case 4:
      EXPECT_TRUE(count == 1 && within(first, 1, 31)) << first;
      return;
    case 5:
      EXPECT_TRUE(count == 2 && within(first, 1, 12) && within(second, 1, lastDayOfMonth(first)))
          << first << "/" << second;
      return;
    case 6:
      EXPECT_TRUE(count == 1 && within(first, 1, 7) && form.choiceValues[0] == first) << first;
      return;
    case 7:
      ASSERT_TRUE(count == 1 && within(first, 0, 2) && within(form.hardSoundRow, 1, 3))
          << first << " row " << form.hardSoundRow;
      EXPECT_NE(wholeNumber(form.hardSoundTable(form.hardSoundRow, first)), 0);
      return;
    case 8:
      EXPECT_TRUE((count == 1 || count == 2) && within(first, 1, 12)) << count << " " << first;
      return;
    case 9:
      EXPECT_TRUE(count == 1 && within(first, 1, 10)) << first;
      return;
    default:
      ADD_FAILURE() << "category " << form.quizCategory;
  }
}

// The count is a whole number of entries the list really holds, and the label shows it.
void expectListConsistent(const Form1& form) {
  const QString& countCell = form.missList(0, 0);
  const auto count =
      countCell.isEmpty() ? std::optional<std::int16_t>(0) : wholeTextInteger(countCell);
  ASSERT_TRUE(count && within(*count, 0, kMissCapacity)) << countCell.toStdString();
  for (int row = 1; row <= *count; ++row) {
    ASSERT_TRUE(category::isKnown(wholeNumber(form.missList(row, 5))) &&
                !form.missList(row, 1).isEmpty())
        << "entry " << row << " of " << *count;
  }
  const QString label = form.不正解問数->text();
  EXPECT_TRUE(label.isEmpty() || label == QString::number(*count) + "問") << label.toStdString();
}

void runSequence(unsigned seed) {
  FormHarness h;
  EventPlayer player(h, seed);
  for (int step = 0; step < kStepsPerSequence; ++step) {
    SCOPED_TRACE(::testing::Message() << "seed " << seed << ", step " << step);
    bool goesOn = true;
    try {
      goesOn = player.step();
    } catch (const std::exception& error) {
      ADD_FAILURE() << "a handler threw: " << error.what();
    }
    expectListConsistent(h.form());
    expectAnswerFitsCategory(h.form());
    if (::testing::Test::HasFailure() || !goesOn) return;
  }
}

TEST(WindowRobustness, RandomEventSequencesKeepTheInvariants) {
  const int sequences = sequenceCount();
  int run = 0;
  for (; run < sequences && !::testing::Test::HasFailure(); ++run) runSequence(20261207u + run);
  std::printf("window robustness: %d random event sequences of up to %d steps\n", run,
              kStepsPerSequence);
}

}  // namespace
}  // namespace lumora
