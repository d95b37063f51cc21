#include "ProgressList.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "StudioSettings.h"

namespace lumora::studio {
namespace {

constexpr int kLineRole = Qt::UserRole;  // a word's index into the lines; a category's name

}  // namespace

QLabel* describedLabel(const QString& description, int pointSize) {
  auto* label = new QLabel;
  label->setWordWrap(true);
  label->setAccessibleDescription(description);
  if (pointSize > 0) {
    QFont font = label->font();
    font.setPointSize(pointSize);
    label->setFont(font);
  }
  return label;
}

QString voiceOf(const QSet<QString>& teachers, const QString& fileName) {
  return teachers.contains(fileName) ? QStringLiteral("先生の声") : QStringLiteral("合成音声");
}

ProgressList::ProgressList(const std::vector<contentgen::ScriptLine>& lines, QSettings& settings)
    : lines_(lines),
      settings_(settings),
      overall_(describedLabel(QStringLiteral("進み具合"))),
      rows_(describedLabel(QStringLiteral("難聴音の行の進み具合"))),
      syntheticOnly_(new QCheckBox(QStringLiteral("合成音声のものだけ表示"))),
      tree_(new QTreeWidget) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins({});
  for (QWidget* widget : std::initializer_list<QWidget*>{overall_, rows_, syntheticOnly_}) {
    layout->addWidget(widget);
  }
  layout->addWidget(tree_, 1);
  syntheticOnly_->setChecked(settings_.value(settings::kSyntheticOnly).toBool());
  tree_->setAccessibleName(QStringLiteral("録音する語の一覧"));
  tree_->setHeaderLabels(
      {QStringLiteral("ファイル"), QStringLiteral("韓国語"), QStringLiteral("声")});
  tree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  QTreeWidgetItem* category = nullptr;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (category == nullptr || category->data(0, kLineRole).toString() != lines_[i].category) {
      category = new QTreeWidgetItem(tree_, {lines_[i].category});
      category->setData(0, kLineRole, lines_[i].category);
      category->setFlags(Qt::ItemIsEnabled);
    }
    auto* item = new QTreeWidgetItem(category, {lines_[i].fileName, lines_[i].korean});
    item->setData(1, kLineRole, qulonglong(i));
    items_.push_back(item);
  }
  connect(syntheticOnly_, &QCheckBox::toggled, this, [this](bool on) {
    settings_.setValue(settings::kSyntheticOnly, on);
    applyFilter();
  });
  connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    const QVariant line = item != nullptr ? item->data(1, kLineRole) : QVariant();
    if (line.isValid() && line.toULongLong() != current_ && chosen) chosen(line.toULongLong());
  });
}

void ProgressList::showVoices(const QSet<QString>& teachers,
                              const contentgen::VoiceReport& report) {
  teachers_ = teachers;
  int total = 0;
  int synthetic = 0;
  for (int i = 0; i < tree_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* category = tree_->topLevelItem(i);
    for (const contentgen::CategoryVoices& voices : report.categories) {
      if (voices.category != category->data(0, kLineRole).toString()) continue;
      category->setText(0, QStringLiteral("%1　先生の声 %2 / %3")
                               .arg(voices.category)
                               .arg(voices.total - voices.synthetic)
                               .arg(voices.total));
      total += voices.total;
      synthetic += voices.synthetic;
    }
  }
  overall_->setText(QStringLiteral("先生の声 %1 / %2　合成音声のまま %3")
                        .arg(total - synthetic)
                        .arg(total)
                        .arg(synthetic));
  const auto whole = std::count_if(report.rows.begin(), report.rows.end(),
                                   [](const auto& row) { return row.synthetic.isEmpty(); });
  const auto mixed = std::count_if(report.rows.begin(), report.rows.end(),
                                   [](const auto& row) { return row.mixed(); });
  rows_->setText(QStringLiteral("難聴音の行: 3つとも先生の声 %1 / %2　声が混ざった行 %3")
                     .arg(whole)
                     .arg(report.rows.size())
                     .arg(mixed));
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    items_[i]->setText(2, voiceOf(teachers_, lines_[i].fileName));
  }
  applyFilter();
}

void ProgressList::showCurrent(std::size_t line) {
  current_ = line;
  applyFilter();
  tree_->setCurrentItem(items_[line]);
}

bool ProgressList::listed(std::size_t line) const {
  return !syntheticOnly_->isChecked() || !teachers_.contains(lines_[line].fileName);
}

void ProgressList::applyFilter() {
  for (std::size_t i = 0; i < items_.size(); ++i) items_[i]->setHidden(i != current_ && !listed(i));
}

}  // namespace lumora::studio
