#include "app/RecordChart.h"

#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>

namespace lumora {

QChart* makeProgressChart(const std::vector<DayTally>& days) {
  auto* answered = new QBarSet(QStringLiteral("回答数"));
  auto* accuracy = new QLineSeries;
  accuracy->setName(QStringLiteral("正解率（%）"));
  accuracy->setPointsVisible(true);
  QStringList labels;
  int most = 1;
  for (std::size_t i = 0; i < days.size(); ++i) {
    const Tally& tally = days[i].tally;
    labels << days[i].day.toString(QStringLiteral("M/d"));
    *answered << tally.answered();
    most = std::max(most, tally.answered());
    if (const auto percent = tally.accuracyPercent()) accuracy->append(i, *percent);
  }
  auto* bars = new QBarSeries;
  bars->append(answered);

  auto* chart = new QChart;
  chart->addSeries(bars);
  chart->addSeries(accuracy);
  auto* dayAxis = new QBarCategoryAxis;
  dayAxis->append(labels);
  auto* countAxis = new QValueAxis;
  countAxis->setRange(0, most);
  countAxis->applyNiceNumbers();
  countAxis->setLabelFormat(QStringLiteral("%d"));
  countAxis->setTitleText(QStringLiteral("回答数"));
  auto* percentAxis = new QValueAxis;
  percentAxis->setRange(0, 100);
  percentAxis->setLabelFormat(QStringLiteral("%d%%"));
  percentAxis->setTitleText(QStringLiteral("正解率"));
  chart->addAxis(dayAxis, Qt::AlignBottom);
  chart->addAxis(countAxis, Qt::AlignLeft);
  chart->addAxis(percentAxis, Qt::AlignRight);
  bars->attachAxis(dayAxis);
  bars->attachAxis(countAxis);
  accuracy->attachAxis(dayAxis);
  accuracy->attachAxis(percentAxis);
  chart->legend()->setAlignment(Qt::AlignBottom);
  return chart;
}

}  // namespace lumora
