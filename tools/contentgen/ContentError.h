#pragma once

#include <QString>
#include <stdexcept>

namespace lumora::contentgen {

// Any reason the content cannot be built: a bad content list, a missing voice or font, a
// file that cannot be written. The message is for the person running the build.
class ContentError : public std::runtime_error {
 public:
  explicit ContentError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

}  // namespace lumora::contentgen
