#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace lumora::studio {

// The sound input a take is recorded from: mono float samples at kCaptureRate.
class Microphone {
 public:
  virtual ~Microphone() = default;

  // The names of the capture devices present now.
  virtual QStringList devices() = 0;
  // Opens the named device, or the system's default for an empty name, closing any other;
  // false, with nothing open, when it cannot.
  virtual bool open(const QString& device) = 0;
  // Starts or stops taking samples; samples come in only between the two.
  virtual void start() = 0;
  virtual void stop() = 0;
  // The samples that came in since the last call.
  virtual std::vector<float> newSamples() = 0;
  // Whether the open device has gone (unplugged, or taken by the system).
  virtual bool lost() = 0;
};

}  // namespace lumora::studio
