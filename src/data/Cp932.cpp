#include "data/Cp932.h"

#include <iconv.h>

#include <cerrno>
#include <string>

namespace lumora::cp932 {
namespace {

std::optional<std::string> convert(const char* to, const char* from, const std::string& input) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string output(input.size() * 4 + 16, '\0');
  char* in = const_cast<char*>(input.data());
  size_t inLeft = input.size();
  char* out = output.data();
  size_t outLeft = output.size();
  const size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
  iconv_close(cd);
  if (result == static_cast<size_t>(-1)) return std::nullopt;
  output.resize(output.size() - outLeft);
  return output;
}

}  // namespace

std::optional<QString> decode(const QByteArray& bytes) {
  const auto utf8 = convert("UTF-8", "CP932", bytes.toStdString());
  if (!utf8) return std::nullopt;
  return QString::fromStdString(*utf8);
}

std::optional<QByteArray> encode(const QString& text) {
  const auto bytes = convert("CP932", "UTF-8", text.toStdString());
  if (!bytes) return std::nullopt;
  return QByteArray::fromStdString(*bytes);
}

}  // namespace lumora::cp932
