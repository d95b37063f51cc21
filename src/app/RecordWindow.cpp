#include "app/RecordWindow.h"

#include <QColor>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QtCharts/QChartView>

#include "app/RecordChart.h"
#include "data/DurableFile.h"
#include "record/RecordCsv.h"
#include "record/WeakQuestions.h"

namespace lumora {
namespace {

// The periods offered, as days back from today; 0 is the whole record.
struct Period {
  const char16_t* name;
  int days;
};
constexpr Period kPeriods[] = {{u"今日", 1}, {u"7日間", 7}, {u"30日間", 30}, {u"すべて", 0}};
constexpr int kDefaultPeriod = 1;
constexpr std::size_t kMishearingsShown = 10;

const QString kNone = QStringLiteral("―");
// The confusion table's name; the chosen row's label follows it once there is one.
const QString kConfusionName = QStringLiteral("難聴音の聞き分け");

QString percentText(std::optional<int> percent) {
  return percent ? QStringLiteral("%1%").arg(*percent) : kNone;
}

QString secondsText(std::optional<double> seconds) {
  return seconds ? QStringLiteral("%1秒").arg(*seconds, 0, 'f', 1) : kNone;
}

QStringList tallyCells(const Tally& tally) {
  return {QString::number(tally.answered()), QString::number(tally.right),
          percentText(tally.accuracyPercent()), secondsText(tally.medianSeconds),
          QString::number(tally.unanswered)};
}

const QStringList kTallyHeadings = {QStringLiteral("回答数"), QStringLiteral("正解"),
                                    QStringLiteral("正解率"), QStringLiteral("回答時間の中央値"),
                                    QStringLiteral("時間切れ")};

QTableWidget* table(const QString& accessibleName) {
  auto* widget = new QTableWidget;
  widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
  widget->setSelectionBehavior(QAbstractItemView::SelectRows);
  widget->setAccessibleName(accessibleName);
  widget->verticalHeader()->setVisible(false);
  widget->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  widget->horizontalHeader()->setStretchLastSection(true);
  return widget;
}

void fill(QTableWidget* widget, const QStringList& headings, const std::vector<QStringList>& rows) {
  widget->clear();
  widget->setColumnCount(headings.size());
  widget->setHorizontalHeaderLabels(headings);
  widget->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < widget->rowCount(); ++r) {
    for (int c = 0; c < headings.size() && c < rows[r].size(); ++c) {
      widget->setItem(r, c, new QTableWidgetItem(rows[r][c]));
    }
  }
}

// A label whose text assistive tools read as its name.
QLabel* valueLabel(const QString& description) {
  auto* label = new QLabel;
  label->setAccessibleDescription(description);
  label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  label->setWordWrap(true);
  return label;
}

void showValue(QLabel* label, const QString& text) {
  label->setText(text);
  label->setAccessibleName(text);
}

QString summaryText(const Tally& tally) {
  return QStringLiteral(
             "回答 %1問（正解 %2問・不正解 %3問）　正解率 %4　回答時間の中央値 %5　時間切れ %6問")
      .arg(tally.answered())
      .arg(tally.right)
      .arg(tally.wrong)
      .arg(percentText(tally.accuracyPercent()), secondsText(tally.medianSeconds))
      .arg(tally.unanswered);
}

// The share of a cell in its played row: the right syllable greener, a confusion redder, the
// more often it was chosen.
QColor shareColour(bool rightCell, double share) {
  const int strength = static_cast<int>(160 * share);
  return rightCell ? QColor(255 - strength, 255, 255 - strength)
                   : QColor(255, 255 - strength, 255 - strength);
}

}  // namespace

RecordWindow::RecordWindow(RecordWindowServices services, QWidget* parent)
    : QDialog(parent), services_(std::move(services)) {
  setObjectName(QStringLiteral("学習記録"));
  setWindowTitle(QStringLiteral("学習記録"));
  resize(980, 660);

  period_ = new QComboBox;
  for (const Period& period : kPeriods) period_->addItem(QString::fromUtf16(period.name));
  period_->setCurrentIndex(kDefaultPeriod);
  period_->setAccessibleName(QStringLiteral("期間"));
  category_ = new QComboBox;
  category_->addItem(QStringLiteral("すべて"), 0);
  for (int code = 1; code <= 9; ++code) category_->addItem(categoryName(code), code);
  category_->setAccessibleName(QStringLiteral("出題内容"));
  summary_ = valueLabel(QStringLiteral("成績のまとめ"));
  chart_ = new QChartView;
  chart_->setMinimumHeight(240);
  chart_->setAccessibleName(QStringLiteral("日ごとの回答数と正解率のグラフ"));
  chart_->setAccessibleDescription(QStringLiteral("同じ数字が表「日ごとの成績」にあります。"));
  days_ = table(QStringLiteral("日ごとの成績"));
  categories_ = table(QStringLiteral("出題内容ごとの成績"));

  hardRow_ = new QComboBox;
  hardRow_->setAccessibleName(QStringLiteral("難聴音の組"));
  confusion_ = table(kConfusionName);
  confusion_->verticalHeader()->setVisible(true);
  confusion_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  mishearings_ = table(QStringLiteral("よく間違える問題"));
  status_ = valueLabel(QStringLiteral("お知らせ"));

  auto* periodRow = new QHBoxLayout;
  periodRow->addWidget(new QLabel(QStringLiteral("期間")));
  periodRow->addWidget(period_);
  periodRow->addSpacing(24);
  periodRow->addWidget(new QLabel(QStringLiteral("出題内容")));
  periodRow->addWidget(category_);
  periodRow->addStretch();

  auto* progress = new QWidget;
  auto* progressLayout = new QVBoxLayout(progress);
  progressLayout->addWidget(summary_);
  progressLayout->addWidget(chart_, 1);
  auto* tables = new QHBoxLayout;
  tables->addWidget(days_);
  tables->addWidget(categories_);
  progressLayout->addLayout(tables, 1);

  auto* hearing = new QWidget;
  auto* hearingLayout = new QVBoxLayout(hearing);
  auto* rowChoice = new QHBoxLayout;
  rowChoice->addWidget(new QLabel(QStringLiteral("難聴音の組（縦: 出題された音、横: 選んだ音）")));
  rowChoice->addWidget(hardRow_);
  rowChoice->addStretch();
  hearingLayout->addLayout(rowChoice);
  hearingLayout->addWidget(confusion_, 1);
  hearingLayout->addWidget(
      new QLabel(QStringLiteral("よく間違える問題（正解 → いちばん多かった答）")));
  hearingLayout->addWidget(mishearings_, 1);

  auto* tabs = new QTabWidget;
  tabs->addTab(progress, QStringLiteral("成績の推移"));
  tabs->addTab(hearing, QStringLiteral("聞き分け"));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  auto* practise = buttons->addButton(QStringLiteral("苦手を練習"), QDialogButtonBox::ActionRole);
  auto* exportButton =
      buttons->addButton(QStringLiteral("CSVに書き出す"), QDialogButtonBox::ActionRole);
  auto* erase = buttons->addButton(QStringLiteral("記録を消去"), QDialogButtonBox::ActionRole);
  practise->setToolTip(QStringLiteral("苦手な問題を不正解分に入れます"));
  buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("閉じる"));

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(periodRow);
  layout->addWidget(tabs, 1);
  layout->addWidget(status_);
  layout->addWidget(buttons);

  connect(period_, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
  connect(category_, &QComboBox::currentIndexChanged, this, [this] { showProgress(); });
  connect(hardRow_, &QComboBox::currentIndexChanged, this, [this] { showConfusion(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(practise, &QPushButton::clicked, this, [this] { practiseWeakQuestions(); });
  connect(exportButton, &QPushButton::clicked, this, [this] { exportCsv(); });
  connect(erase, &QPushButton::clicked, this, [this] { eraseRecord(); });
}

void RecordWindow::refresh() {
  const int days = kPeriods[period_->currentIndex()].days;
  const QDate from = days == 0 ? QDate() : services_.today().addDays(1 - days);
  reading_ = services_.record.ask([from](RecordStore& store) { return store.read(from); });
  showValue(summary_, summaryText(tallyOf(reading_.answers)));

  std::vector<QStringList> rows;
  for (const CategoryTally& c : categoryTallies(reading_.answers)) {
    rows.push_back(QStringList{categoryName(c.category)} + tallyCells(c.tally));
  }
  fill(categories_, QStringList{QStringLiteral("出題内容")} + kTallyHeadings, rows);
  showProgress();

  confusionTables_ = confusionTables(reading_.confusions);
  {
    const QSignalBlocker blocker(hardRow_);
    hardRow_->clear();
    for (const ConfusionTable& t : confusionTables_) hardRow_->addItem(t.label());
  }
  showConfusion();

  rows.clear();
  for (const Mishearing& m : commonMishearings(reading_.mishearings, kMishearingsShown)) {
    rows.push_back({categoryName(m.category), QString::number(m.wrongTimes), m.text()});
  }
  fill(mishearings_,
       {QStringLiteral("出題内容"), QStringLiteral("間違えた回数"), QStringLiteral("正解 → 答")},
       rows);
}

void RecordWindow::showProgress() {
  const std::vector<DayTally> days = dayTallies(reading_.answers, category_->currentData().toInt());
  std::vector<QStringList> rows;
  for (auto it = days.rbegin(); it != days.rend(); ++it) {
    rows.push_back(QStringList{it->day.toString(Qt::ISODate)} + tallyCells(it->tally));
  }
  fill(days_, QStringList{QStringLiteral("日付")} + kTallyHeadings, rows);
  QChart* previous = chart_->chart();
  chart_->setChart(makeProgressChart(days));
  delete previous;
}

void RecordWindow::showConfusion() {
  const int index = hardRow_->currentIndex();
  if (index < 0 || index >= static_cast<int>(confusionTables_.size())) {
    fill(confusion_, {}, {});
    confusion_->setAccessibleName(kConfusionName);
    return;
  }
  const ConfusionTable& t = confusionTables_[index];
  const QStringList options = {t.options[0], t.options[1], t.options[2]};
  confusion_->clear();
  confusion_->setRowCount(3);
  confusion_->setColumnCount(3);
  confusion_->setHorizontalHeaderLabels(options);
  confusion_->setVerticalHeaderLabels(options);
  confusion_->setAccessibleName(kConfusionName + QLatin1Char(' ') + t.label());
  for (int played = 0; played < 3; ++played) {
    const int times = t.playedTimes(played);
    for (int chosen = 0; chosen < 3; ++chosen) {
      const int count = t.counts[played][chosen];
      const double share = times == 0 ? 0.0 : static_cast<double>(count) / times;
      auto* cell =
          new QTableWidgetItem(QStringLiteral("%1（%2%）").arg(count).arg(qRound(100 * share)));
      cell->setBackground(shareColour(played == chosen, share));
      cell->setForeground(Qt::black);
      confusion_->setItem(played, chosen, cell);
    }
  }
}

void RecordWindow::practiseWeakQuestions() {
  const std::vector<MissQuestion> weak =
      weakestQuestions(services_.record.ask([](RecordStore& store) { return store.attempts(); }));
  if (weak.empty()) {
    say(QStringLiteral("苦手な問題はまだありません。最近%1回のうち%2回以上答えて、その半分以上を"
                       "間違えた問題が選ばれます。")
            .arg(kRecentAttempts)
            .arg(kLeastAttempts));
    return;
  }
  const int added = services_.practise(weak);
  say(QStringLiteral("苦手な問題を%1問、不正解分に入れました。「不正解分」を選んで「出題開始」を"
                     "押すと練習できます。")
          .arg(added));
}

void RecordWindow::exportCsv() {
  const QString suggested = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                            QStringLiteral("/学習記録.csv");
  const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("学習記録を書き出す"),
                                                    suggested, QStringLiteral("CSV (*.csv)"));
  if (path.isEmpty()) return;
  const std::vector<QStringList> rows =
      services_.record.ask([](RecordStore& store) { return store.exportRows(); });
  if (const auto fault = replaceFileDurably(path, recordCsv(rows))) {
    services_.dialogs.warning(
        kApplicationTitle, QStringLiteral("学習記録を書き出せませんでした。\n") + fault->summary() +
                               '\n' + fault->advice());
    return;
  }
  say(QStringLiteral("%1件の記録を「%2」に書き出しました。").arg(rows.size()).arg(path));
}

void RecordWindow::eraseRecord() {
  const auto answer = services_.dialogs.askYesNoCancel(
      kApplicationTitle,
      QStringLiteral("学習記録をすべて消去しますか？\n"
                     "消した記録は元に戻せません。不正解分のデータはそのままです。"));
  if (answer != Dialogs::Answer::Yes) return;
  const bool erased = services_.record.ask([](RecordStore& store) { return store.erase(); });
  refresh();
  say(erased ? QStringLiteral("学習記録を消去しました。")
             : QStringLiteral("学習記録を消去できませんでした。"));
}

void RecordWindow::say(const QString& status) { showValue(status_, status); }

}  // namespace lumora
