#include "tools/artwork/ProgramIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>

namespace artwork {
namespace {

const QColor kOutline(14, 26, 52, 240);
// The fang's tip, where the drop hangs.
const QPointF kTip(66, 52);

// The drop: a point at the top widening into a round body.
QPainterPath DropPath() {
  QPainterPath path;
  path.moveTo(kTip);
  path.cubicTo(QPointF(71, 68), QPointF(96, 80), QPointF(96, 99));
  path.cubicTo(QPointF(96, 115), QPointF(83, 125), QPointF(66, 125));
  path.cubicTo(QPointF(49, 125), QPointF(36, 115), QPointF(36, 99));
  path.cubicTo(QPointF(36, 80), QPointF(61, 68), kTip);
  path.closeSubpath();
  return path;
}

// The fang: broad at its root under the gum, curving back and tapering to a sharp point.
QPainterPath FangPath() {
  QPainterPath path;
  path.moveTo(QPointF(38, 10));
  path.cubicTo(QPointF(38, 30), QPointF(50, 44), kTip);
  path.cubicTo(QPointF(62, 40), QPointF(66, 22), QPointF(76, 10));
  path.closeSubpath();
  return path;
}

// The gum: a curved piece of jaw along the top edge that the fang grows from.
void DrawGum(QPainter& p) {
  QPainterPath gum;
  gum.moveTo(QPointF(16, 2));
  gum.lineTo(QPointF(100, 2));
  gum.cubicTo(QPointF(96, 12), QPointF(84, 17), QPointF(58, 17));
  gum.cubicTo(QPointF(34, 17), QPointF(20, 12), QPointF(16, 2));
  gum.closeSubpath();
  QLinearGradient flesh(QPointF(0, 0), QPointF(0, 17));
  flesh.setColorAt(0.0, QColor(66, 22, 58));
  flesh.setColorAt(1.0, QColor(140, 48, 92));
  p.setPen(QPen(kOutline, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(flesh);
  p.drawPath(gum);
}

void DrawFang(QPainter& p) {
  QLinearGradient ivory(QPointF(38, 0), QPointF(76, 0));
  ivory.setColorAt(0.0, QColor(255, 253, 244));
  ivory.setColorAt(0.6, QColor(232, 226, 208));
  ivory.setColorAt(1.0, QColor(176, 168, 150));
  p.setPen(QPen(kOutline, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(ivory);
  p.drawPath(FangPath());
  // The groove that carries the venom down to the tip, already tinted by it.
  QPainterPath groove;
  groove.moveTo(QPointF(52, 14));
  groove.cubicTo(QPointF(53, 28), QPointF(58, 40), QPointF(64, 48));
  p.setPen(QPen(QColor(30, 170, 160, 220), 2.5, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(groove);
}

void DrawDrop(QPainter& p) {
  QRadialGradient body(QPointF(60, 96), 44, QPointF(54, 88));
  body.setColorAt(0.0, QColor(150, 255, 220));
  body.setColorAt(0.35, QColor(30, 200, 175));
  body.setColorAt(0.75, QColor(18, 110, 190));
  body.setColorAt(1.0, QColor(16, 50, 140));
  p.setPen(QPen(kOutline, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(body);
  p.drawPath(DropPath());

  // Gloss: a soft patch of light on the upper left and a small glint below right.
  QRadialGradient gloss(QPointF(52, 94), 16);
  gloss.setColorAt(0.0, QColor(255, 255, 255, 210));
  gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(gloss);
  p.drawEllipse(QPointF(52, 94), 11, 15);
  p.setBrush(QColor(255, 255, 255, 235));
  p.drawEllipse(QPointF(81, 110), 4.0, 2.8);
}

}  // namespace

QImage RenderProgramIcon() {
  QImage icon(kIconSize, kIconSize, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawDrop(painter);
  DrawFang(painter);
  DrawGum(painter);
  painter.end();
  return icon.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace artwork
