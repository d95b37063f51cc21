#include "app/Colours.h"

#include <QApplication>
#include <QPalette>
#include <QVariant>

namespace lumora::colours {
namespace {

constexpr char kBackColourProperty[] = "lumoraBackColour";

}  // namespace

QColor toQColor(std::uint32_t colour) {
  if (colour == kWindowBackground) return QApplication::palette().color(QPalette::Window);
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

void setBackColour(QWidget* widget, std::uint32_t colour) {
  const QColor qcolour = toQColor(colour);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, qcolour);
  palette.setColor(QPalette::Button, qcolour);
  palette.setColor(QPalette::Base, qcolour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
  widget->setProperty(kBackColourProperty, QVariant::fromValue<quint32>(colour));
}

std::uint32_t backColour(const QWidget* widget) {
  return widget->property(kBackColourProperty).value<quint32>();
}

void setForeColour(QWidget* widget, std::uint32_t colour) {
  const QColor qcolour = toQColor(colour);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, qcolour);
  palette.setColor(QPalette::ButtonText, qcolour);
  palette.setColor(QPalette::Text, qcolour);
  widget->setPalette(palette);
}

}  // namespace lumora::colours
