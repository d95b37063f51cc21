#pragma once

#include <QWidget>
#include <vector>

namespace lumora::studio {

// A take drawn as its waveform, with the parts that trimming cuts off greyed out.
class WaveformView final : public QWidget {
 public:
  explicit WaveformView(QWidget* parent = nullptr);

  // The take's samples (full scale 1.0) and the seconds kept from it; keptTo 0 keeps nothing.
  void showTake(const std::vector<float>& samples, int sampleRate, double keptFrom, double keptTo);
  void clear();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<std::pair<float, float>> columns_;  // lowest and highest sample of each column
  double seconds_ = 0;
  double keptFrom_ = 0;
  double keptTo_ = 0;
};

}  // namespace lumora::studio
