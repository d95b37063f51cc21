#include "SyllablePicture.h"

#include <QBuffer>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include "ContentError.h"

namespace lumora::contentgen {
namespace {

const QString kFontFamily = QStringLiteral("NanumGothic");  // from Debian's fonts-nanum
constexpr int kLargestPixelSize = 110;
constexpr double kWidthShare = 0.9;  // longest text may fill this much of the width
constexpr int kJpegQuality = 95;

QFont syllableFont(const QString& hangul) {
  QFont font(kFontFamily);
  font.setBold(true);
  font.setPixelSize(kLargestPixelSize);
  if (QFontInfo(font).family() != kFontFamily) {
    throw ContentError(
        QStringLiteral("the font %1 is missing: install fonts-nanum").arg(kFontFamily));
  }
  const QFontMetricsF metrics(font);
  for (const char32_t character : hangul.toUcs4()) {
    if (!metrics.inFontUcs4(character)) {
      throw ContentError(QStringLiteral("the font %1 cannot draw \"%2\"").arg(kFontFamily, hangul));
    }
  }
  const double fitting = kWidthShare * kPictureWidth / metrics.horizontalAdvance(hangul);
  if (fitting < 1) font.setPixelSize(static_cast<int>(kLargestPixelSize * fitting));
  return font;
}

}  // namespace

QByteArray renderSyllablePicture(const QString& hangul) {
  QImage image(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
  image.fill(QColor(0xFA, 0xFA, 0xF5));
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(syllableFont(hangul));
    painter.setPen(QColor(0x20, 0x20, 0x20));
    painter.drawText(image.rect(), Qt::AlignCenter, hangul);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "JPG", kJpegQuality)) {
    throw ContentError(QStringLiteral("Qt cannot write JPEG pictures (qjpeg plugin missing?)"));
  }
  return bytes;
}

}  // namespace lumora::contentgen
