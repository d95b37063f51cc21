#include "data/Variant.h"

#include "data/Numbers.h"

namespace lumora {

double Variant::number() const {
  if (const auto* n = std::get_if<double>(&value_)) return *n;
  if (const auto* t = std::get_if<QString>(&value_)) return leadingNumber(*t);
  return 0;
}

QString Variant::text() const {
  if (const auto* n = std::get_if<double>(&value_)) return numberText(*n);
  if (const auto* t = std::get_if<QString>(&value_)) return *t;
  return {};
}

bool Variant::isNumeric() const {
  if (holdsNumber()) return true;
  if (const auto* t = std::get_if<QString>(&value_)) return isNumericText(*t);
  return false;
}

}  // namespace lumora
