#include "answer/Colours.h"

#include <QApplication>
#include <QPalette>
#include <QVariant>

namespace lumora::colours {
namespace {

constexpr char kBackColourProperty[] = "lumoraBackColour";

// Sets the roles a widget draws a colour with; which roles depends on the kind of widget.
void paint(QWidget* widget, std::initializer_list<QPalette::ColorRole> roles,
           std::uint32_t colour) {
  QPalette palette = widget->palette();
  for (QPalette::ColorRole role : roles) palette.setColor(role, toQColor(colour));
  widget->setPalette(palette);
}

}  // namespace

QColor toQColor(std::uint32_t colour) {
  if (colour == kWindowBackground) return QApplication::palette().color(QPalette::Window);
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

void setBackColour(QWidget* widget, std::uint32_t colour) {
  paint(widget, {QPalette::Window, QPalette::Button, QPalette::Base}, colour);
  widget->setAutoFillBackground(true);
  widget->setProperty(kBackColourProperty, QVariant::fromValue<quint32>(colour));
}

std::uint32_t backColour(const QWidget* widget) {
  return widget->property(kBackColourProperty).value<quint32>();
}

void setForeColour(QWidget* widget, std::uint32_t colour) {
  paint(widget, {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}, colour);
}

}  // namespace lumora::colours
