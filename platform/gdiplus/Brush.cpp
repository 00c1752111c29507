// Solid brushes and the rectangles filled with them.

#include <memory>

#include "platform/gdiplus/Canvas.h"
#include "platform/gdiplus/Gdiplus.h"
#include "platform/gdiplus/Objects.h"

namespace gdiplus {

using internal::SolidFillObject;

GpStatus GdipCreateSolidFill(ARGB color, GpSolidFill** brush) {
  if (!internal::Started()) return GdiplusNotInitialized;
  if (brush == nullptr) return InvalidParameter;
  auto object = std::make_unique<SolidFillObject>();
  object->color = color;
  *brush = internal::Add<GpSolidFill>(std::move(object));
  return Ok;
}

GpStatus GdipDeleteBrush(GpBrush* brush) {
  if (!internal::Started()) return GdiplusNotInitialized;
  return internal::Remove<SolidFillObject>(brush) ? Ok : InvalidParameter;
}

// Covers the pixels whose centres lie in [x, x + width) by [y, y + height), blended source-over.
GpStatus GdipFillRectangle(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width,
                           REAL height) {
  if (!internal::Started()) return GdiplusNotInitialized;
  internal::Canvas canvas;
  if (GpStatus status = canvas.Open(graphics); status != Ok) return status;
  auto* object = internal::Find<SolidFillObject>(brush);
  if (object == nullptr) return InvalidParameter;
  if (canvas.picture() == nullptr) return Ok;
  QPainterPath area;
  area.addRect(QRectF(x, y, width, height));
  QPainter painter(canvas.picture());
  internal::FillAliased(painter, area, object->color);
  return Ok;
}

}  // namespace gdiplus
