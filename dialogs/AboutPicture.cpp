#include "dialogs/AboutPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace quillora {

// A quiet gradient with a large eighth note, the program's name under it.
QPixmap AboutPicture(int size) {
  QPixmap picture(size, size);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);

  QLinearGradient sky(0, 0, 0, size);
  sky.setColorAt(0, QColor(0xF4, 0xF7, 0xFB));
  sky.setColorAt(1, QColor(0x9D, 0xB7, 0xD5));
  painter.fillRect(picture.rect(), sky);

  const QColor ink(0x2B, 0x45, 0x6E);
  painter.setPen(Qt::NoPen);
  painter.setBrush(ink);
  const double unit = size / 312.0;
  painter.drawEllipse(QPointF(130 * unit, 200 * unit), 34 * unit, 25 * unit);
  painter.drawRect(QRectF(156 * unit, 70 * unit, 9 * unit, 132 * unit));
  QPainterPath flag(QPointF(165 * unit, 70 * unit));
  flag.cubicTo(QPointF(175 * unit, 105 * unit), QPointF(215 * unit, 110 * unit),
               QPointF(205 * unit, 160 * unit));
  flag.cubicTo(QPointF(200 * unit, 125 * unit), QPointF(180 * unit, 118 * unit),
               QPointF(165 * unit, 110 * unit));
  painter.drawPath(flag);

  QFont font = painter.font();
  font.setPixelSize(static_cast<int>(30 * unit));
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(ink);
  painter.drawText(QRectF(0, 240 * unit, size, 50 * unit), Qt::AlignCenter, QStringLiteral("Quillora"));
  return picture;
}

}  // namespace quillora
