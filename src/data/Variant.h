#pragma once

#include <QString>
#include <variant>

namespace lumora {

// A value that is empty, a text or a number, converting between them on demand: a text
// read as a number gives its leading number ("5" -> 5, "" -> 0), a number read as text
// gives its shortest decimal form.
class Variant {
 public:
  Variant() = default;
  Variant(const QString& text) : value_(text) {}
  Variant(const char16_t* text) : value_(QString::fromUtf16(text)) {}
  Variant(double number) : value_(number) {}

  bool isEmpty() const { return std::holds_alternative<std::monostate>(value_); }
  bool holdsNumber() const { return std::holds_alternative<double>(value_); }

  // Empty counts as 0; a text is taken by its leading number.
  double number() const;
  // Empty gives ""; a number gives its shortest decimal text.
  QString text() const;
  // True for a number, or for a text that is one number from end to end.
  bool isNumeric() const;

 private:
  std::variant<std::monostate, QString, double> value_;
};

}  // namespace lumora
