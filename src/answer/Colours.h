#pragma once

#include <QColor>
#include <QWidget>
#include <cstdint>

// Colours as the program holds them: 0x00BBGGRR, red in the lowest byte, and
// 0x80000005 for the system colour of a window background.
namespace lumora::colours {

constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kLightGreen = 0xC0FFC0;  // 192, 255, 192
constexpr std::uint32_t kLightGrey = 0xC0C0C0;
constexpr std::uint32_t kWindowBackground = 0x80000005;

// A colour written #RRGGBB, turned into 0x00BBGGRR.
constexpr std::uint32_t fromRgb(std::uint32_t rgb) {
  return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

QColor toQColor(std::uint32_t colour);

// Paints the widget's background and remembers the value it was given, so that it can be read
// back exactly as it was set.
void setBackColour(QWidget* widget, std::uint32_t colour);
std::uint32_t backColour(const QWidget* widget);

void setForeColour(QWidget* widget, std::uint32_t colour);

}  // namespace lumora::colours
