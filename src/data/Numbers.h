#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// Numbers held as text (table cells, combo texts, typed answers) and the 16-bit whole
// numbers the quiz works with.
namespace lumora {

// The decimal number at the start of the text: optional sign, digits, optional decimal
// point with digits, optional exponent. Blanks anywhere are skipped and reading stops at
// the first character that cannot continue the number; 0 when there is none.
// "12" -> 12, "1 2" -> 12, "7a" -> 7, "" -> 0.
double leadingNumber(QStringView text);

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// A whole number for 16-bit use: rounded halves to even; nullopt outside -32768..32767.
std::optional<std::int16_t> toInteger16(double value);

// The leading number of a table cell or combo text as a 16-bit whole number. Values
// outside the 16-bit range saturate, so a damaged file can never overflow a counter.
std::int16_t wholeNumber(QStringView text);

// The whole text as a 16-bit whole number (blanks around it ignored, a fraction rounded
// halves to even); nullopt when the text is not entirely one number or is out of range.
std::optional<std::int16_t> wholeTextInteger(QStringView text);

// True when the whole text, blanks around it aside, is one number.
bool isNumericText(QStringView text);

// The shortest decimal text of a number: 5 -> "5", -1 -> "-1", 2.5 -> "2.5".
QString numberText(double value);

}  // namespace lumora
