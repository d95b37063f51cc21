#include "WaveformView.h"

#include <QPainter>
#include <algorithm>

namespace lumora::studio {
namespace {

// Enough columns for any screen; painting scales them to the widget's width.
constexpr std::size_t kColumns = 1200;

}  // namespace

WaveformView::WaveformView(QWidget* parent) : QWidget(parent) {
  setMinimumHeight(90);
  setAccessibleName(QStringLiteral("録音の波形"));
}

void WaveformView::showTake(const std::vector<float>& samples, int sampleRate, double keptFrom,
                            double keptTo) {
  columns_.clear();
  const std::size_t perColumn = std::max<std::size_t>(1, samples.size() / kColumns + 1);
  for (std::size_t at = 0; at < samples.size(); at += perColumn) {
    const auto end = samples.begin() + std::ptrdiff_t(std::min(samples.size(), at + perColumn));
    const auto [low, high] = std::minmax_element(samples.begin() + std::ptrdiff_t(at), end);
    columns_.emplace_back(*low, *high);
  }
  seconds_ = double(samples.size()) / sampleRate;
  keptFrom_ = keptFrom;
  keptTo_ = keptTo;
  setAccessibleDescription(
      keptTo > keptFrom ? QStringLiteral("長さ %1 秒、使う部分 %2〜%3 秒")
                              .arg(seconds_, 0, 'f', 2)
                              .arg(keptFrom, 0, 'f', 2)
                              .arg(keptTo, 0, 'f', 2)
                        : QStringLiteral("長さ %1 秒、使える部分なし").arg(seconds_, 0, 'f', 2));
  update();
}

void WaveformView::clear() {
  columns_.clear();
  seconds_ = keptFrom_ = keptTo_ = 0;
  setAccessibleDescription(QStringLiteral("録音なし"));
  update();
}

void WaveformView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().base());
  if (columns_.empty() || seconds_ <= 0) return;
  const double width = this->width();
  const auto xOf = [&](double seconds) { return int(seconds / seconds_ * width); };
  const QColor trimmed = palette().color(QPalette::Disabled, QPalette::Text);
  painter.fillRect(QRect(0, 0, xOf(keptFrom_), height()), palette().alternateBase());
  painter.fillRect(QRect(xOf(keptTo_), 0, int(width) - xOf(keptTo_), height()),
                   palette().alternateBase());
  const double middle = height() / 2.0;
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    const double seconds = seconds_ * double(i) / double(columns_.size());
    const bool kept = seconds >= keptFrom_ && seconds < keptTo_;
    painter.setPen(kept ? palette().color(QPalette::Highlight) : trimmed);
    const int x = int(width * double(i) / double(columns_.size()));
    painter.drawLine(x, int(middle - columns_[i].second * middle), x,
                     int(middle - columns_[i].first * middle));
  }
}

}  // namespace lumora::studio
