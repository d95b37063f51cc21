#include "support/QuizSupport.h"

namespace lumora::testing {

TextTable tableOf(int rows, int columns, const QList<QStringList>& records) {
  TextTable table(rows, columns);
  for (int row = 0; row < records.size(); ++row) {
    for (int column = 0; column < records[row].size(); ++column) {
      table(row, column) = records[row][column];
    }
  }
  return table;
}

double bandDraw(int t) { return ScriptedRandom::forDraw(t, 756); }

double indexDraw(int index, int n) { return ScriptedRandom::forDraw(index + 1, n); }

void tickOnly(Form1& form, std::initializer_list<QCheckBox*> boxes) {
  for (QCheckBox* box : {form.漢数詞, form.固有数詞, form.月, form.日, form.月日, form.曜日,
                         form.難聴音, form.時間, form.番目}) {
    box->setChecked(false);
  }
  for (QCheckBox* box : boxes) box->setChecked(true);
}

std::int16_t keyOnScreen(const Form1& form) {
  switch (form.quizCategory) {
    case 5:
      return form.currentAnswer[2];
    case 6:
      return form.choiceValues[0];
    case 8:
      return form.minuteRow;
    default:
      return form.currentAnswer[1];
  }
}

void storeEntries(Form1& form, const QList<QStringList>& entries) {
  for (int entry = 0; entry < entries.size(); ++entry) {
    for (int column = 0; column < entries[entry].size(); ++column) {
      form.missList(entry + 1, column) = entries[entry][column];
    }
  }
  form.missList(0, 0) = QString::number(entries.size());
}

}  // namespace lumora::testing
