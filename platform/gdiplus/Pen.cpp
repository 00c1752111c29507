// Pens, and the lines and rectangle outlines drawn with them.

#include <QPainterPathStroker>

#include <algorithm>
#include <memory>

#include "platform/gdiplus/Canvas.h"
#include "platform/gdiplus/Gdiplus.h"
#include "platform/gdiplus/Objects.h"

namespace gdiplus {
namespace {

using internal::Canvas;
using internal::PenObject;

// Pixels per unit at 96 dpi. World units are pixels: a graphics here has no world transform.
qreal PixelsPerUnit(Unit unit) {
  switch (unit) {
    case UnitPoint:
      return 96.0 / 72.0;
    case UnitInch:
      return 96.0;
    case UnitDocument:
      return 96.0 / 300.0;
    case UnitMillimeter:
      return 96.0 / 25.4;
    default:
      return 1.0;
  }
}

// A pen's stroke is the area its width covers along the figure, with flat ends and mitred
// corners, filled by GDI+'s pixel rule. A pen thinner than a pixel still draws one pixel wide.
GpStatus Stroke(GpGraphics* graphics, GpPen* pen, const QPainterPath& figure) {
  if (!internal::Started()) return GdiplusNotInitialized;
  Canvas canvas;
  if (GpStatus status = canvas.Open(graphics); status != Ok) return status;
  auto* object = internal::Find<PenObject>(pen);
  if (object == nullptr) return InvalidParameter;
  if (canvas.picture() == nullptr) return Ok;
  QPainterPathStroker stroker;
  stroker.setWidth(std::max<qreal>(1.0, qreal(object->width) * PixelsPerUnit(object->unit)));
  stroker.setCapStyle(Qt::FlatCap);
  stroker.setJoinStyle(Qt::MiterJoin);
  QPainter painter(canvas.picture());
  internal::FillAliased(painter, stroker.createStroke(figure), object->color);
  return Ok;
}

}  // namespace

// UnitDisplay has no fixed size for a pen and is refused, as GDI+ refuses it.
GpStatus GdipCreatePen1(ARGB color, REAL width, GpUnit unit, GpPen** pen) {
  if (!internal::Started()) return GdiplusNotInitialized;
  if (pen == nullptr || unit < UnitWorld || unit > UnitMillimeter || unit == UnitDisplay) {
    return InvalidParameter;
  }
  auto object = std::make_unique<PenObject>();
  object->color = color;
  object->width = width;
  object->unit = unit;
  *pen = internal::Add<GpPen>(std::move(object));
  return Ok;
}

GpStatus GdipDeletePen(GpPen* pen) {
  if (!internal::Started()) return GdiplusNotInitialized;
  return internal::Remove<PenObject>(pen) ? Ok : InvalidParameter;
}

// A 1-pixel line from (x, y) to (x, y + 12) covers column x, rows y to y + 11.
GpStatus GdipDrawLine(GpGraphics* graphics, GpPen* pen, REAL x1, REAL y1, REAL x2, REAL y2) {
  QPainterPath figure;
  figure.moveTo(x1, y1);
  figure.lineTo(x2, y2);
  return Stroke(graphics, pen, figure);
}

// The outline is centred on the rectangle's edges, so a 1-pixel pen covers width + 1 columns and
// height + 1 rows.
GpStatus GdipDrawRectangle(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width,
                           REAL height) {
  QPainterPath figure;
  figure.addRect(QRectF(x, y, width, height));
  return Stroke(graphics, pen, figure);
}

}  // namespace gdiplus
