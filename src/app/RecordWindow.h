#pragma once

#include <QComboBox>
#include <QDate>
#include <QDialog>
#include <QLabel>
#include <QTableWidget>
#include <functional>
#include <vector>

#include "app/Dialogs.h"
#include "record/LearningRecord.h"
#include "record/RecordFigures.h"

QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace lumora {

// What the record window needs of the main window.
struct RecordWindowServices {
  LearningRecord& record;
  Dialogs& dialogs;
  std::function<QDate()> today;
  // Puts the questions into the wrong-answer list as a wrong answer would; returns how many
  // went in.
  std::function<int(const std::vector<MissQuestion>&)> practise;
};

// 学習記録: progress per day and per category, the hard-to-hear syllables confused with one
// another, the typed questions most often wrong; the weakest questions into the wrong-answer
// list, the record as CSV, and erasing it. Every figure of the chart is also in a table, so
// that a screen reader reaches it.
class RecordWindow final : public QDialog {
 public:
  RecordWindow(RecordWindowServices services, QWidget* parent);

  // Reads the record again for the chosen period.
  void refresh();

 private:
  void showProgress();
  void showConfusion();
  void practiseWeakQuestions();
  void exportCsv();
  void eraseRecord();
  void say(const QString& status);

  RecordWindowServices services_;
  QComboBox* period_;
  QComboBox* category_;
  QLabel* summary_;
  QChartView* chart_;
  QTableWidget* days_;
  QTableWidget* categories_;
  QComboBox* hardRow_;
  QTableWidget* confusion_;
  QTableWidget* mishearings_;
  QLabel* status_;
  RecordReading reading_;
  std::vector<ConfusionTable> confusionTables_;
};

}  // namespace lumora
