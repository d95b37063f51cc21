#include "data/Numbers.h"

#include <cmath>
#include <limits>
#include <string>

namespace lumora {
namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Reads a number from `text` from `pos` on, blanks skipped; returns the characters that
// make it up (blank-free) and leaves `pos` after the last character used.
std::string scanNumber(QStringView text, qsizetype& pos) {
  std::string number;
  auto skipBlanks = [&] {
    while (pos < text.size() && isBlank(text[pos])) ++pos;
  };
  auto takeDigits = [&] {
    bool any = false;
    for (skipBlanks(); pos < text.size() && isDigit(text[pos]); skipBlanks()) {
      number += static_cast<char>(text[pos++].unicode());
      any = true;
    }
    return any;
  };
  skipBlanks();
  if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
    number += static_cast<char>(text[pos++].unicode());
  }
  bool digits = takeDigits();
  if (pos < text.size() && text[pos] == u'.') {
    const qsizetype beforePoint = pos++;
    const size_t lengthBefore = number.size();
    number += '.';
    if (!takeDigits() && !digits) {
      pos = beforePoint;
      number.resize(lengthBefore);
    } else {
      digits = true;
    }
  }
  if (!digits) return {};
  if (pos < text.size() &&
      (text[pos] == u'e' || text[pos] == u'E' || text[pos] == u'd' || text[pos] == u'D')) {
    const qsizetype beforeExponent = pos++;
    const size_t lengthBefore = number.size();
    number += 'e';
    skipBlanks();
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
      number += static_cast<char>(text[pos++].unicode());
    }
    if (!takeDigits()) {
      pos = beforeExponent;
      number.resize(lengthBefore);
    }
  }
  return number;
}

}  // namespace

double leadingNumber(QStringView text) {
  qsizetype pos = 0;
  const std::string number = scanNumber(text, pos);
  if (number.empty()) return 0;
  const double value = std::strtod(number.c_str(), nullptr);
  return std::isfinite(value) ? value : 0;
}

double roundHalfEven(double value) {
  // The default floating-point rounding mode rounds halves to even.
  return std::nearbyint(value);
}

std::optional<std::int16_t> toInteger16(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double whole = roundHalfEven(value);
  if (whole < std::numeric_limits<std::int16_t>::min() ||
      whole > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(whole);
}

std::int16_t wholeNumber(QStringView text) {
  const double whole = roundHalfEven(leadingNumber(text));
  if (whole <= std::numeric_limits<std::int16_t>::min()) {
    return std::numeric_limits<std::int16_t>::min();
  }
  if (whole >= std::numeric_limits<std::int16_t>::max()) {
    return std::numeric_limits<std::int16_t>::max();
  }
  return static_cast<std::int16_t>(whole);
}

bool isNumericText(QStringView text) {
  const QStringView trimmed = text.trimmed();
  if (trimmed.isEmpty()) return false;
  qsizetype pos = 0;
  const std::string number = scanNumber(trimmed, pos);
  // Blanks inside a number are not part of a whole-text number.
  return !number.empty() && pos == trimmed.size() && !trimmed.contains(u' ') &&
         !trimmed.contains(u'\t');
}

std::optional<std::int16_t> wholeTextInteger(QStringView text) {
  if (!isNumericText(text)) return std::nullopt;
  return toInteger16(leadingNumber(text));
}

QString numberText(double value) { return QString::number(value, 'g', 15); }

}  // namespace lumora
