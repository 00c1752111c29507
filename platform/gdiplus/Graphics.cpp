// Graphics on bitmaps and on memory DCs, clearing, and drawing images.

#include <memory>

#include "platform/gdiplus/Canvas.h"
#include "platform/gdiplus/Gdiplus.h"
#include "platform/gdiplus/Objects.h"
#include "platform/win32/internal/Surface.h"

namespace gdiplus {
namespace {

using internal::Canvas;
using internal::GraphicsObject;
using internal::ImageObject;

bool IsIndexed(PixelFormat format) {
  return (format & 0x00010000) != 0;
}  // PixelFormatIndexed

// Draws `source` (in the image's pixels) into `target` (in the graphics' coordinates). Images
// are blended source-over in premultiplied alpha and, when scaled, filtered bilinearly, as GDI+
// does by default; Qt clamps at the picture's edges, so a stretched image has no faded border.
// A negative target size mirrors the image.
GpStatus DrawImage(GpGraphics* graphics, GpImage* image, QRectF target, QRectF source) {
  if (!internal::Started()) return GdiplusNotInitialized;
  Canvas canvas;
  if (GpStatus status = canvas.Open(graphics); status != Ok) return status;
  auto* object = internal::Find<ImageObject>(image);
  if (object == nullptr) return InvalidParameter;
  if (canvas.picture() == nullptr || target.width() == 0 || target.height() == 0) return Ok;
  bool mirrorX = target.width() < 0;
  bool mirrorY = target.height() < 0;
  // A bitmap drawn onto itself is read from a copy, so that it does not change under the brush.
  QImage pixels = object->pixels;
  if (canvas.image() == object) pixels = object->pixels.copy();
  if (mirrorX || mirrorY) {
    pixels = pixels.copy(source.toAlignedRect()).mirrored(mirrorX, mirrorY);
    source = QRectF(0, 0, pixels.width(), pixels.height());
  }
  QPainter painter(canvas.picture());
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.drawImage(target.normalized(), pixels, source);
  return Ok;
}

}  // namespace

GpStatus GdipGetImageGraphicsContext(GpImage* image, GpGraphics** graphics) {
  if (!internal::Started()) return GdiplusNotInitialized;
  auto* object = internal::Find<ImageObject>(image);
  if (object == nullptr || graphics == nullptr) return InvalidParameter;
  // GDI+ cannot draw into a picture whose pixels are palette indices.
  if (IsIndexed(object->format)) return OutOfMemory;
  auto graphicsObject = std::make_unique<GraphicsObject>();
  graphicsObject->image = image;
  *graphics = internal::Add<GpGraphics>(std::move(graphicsObject));
  return Ok;
}

// A null DC is OutOfMemory, as GDI+ reports it. A DC without a 32-bit DIB (a window DC) gives a
// graphics that draws nothing, since such a DC shows nothing in the stand-in.
GpStatus GdipCreateFromHDC(HDC dc, GpGraphics** graphics) {
  if (!internal::Started()) return GdiplusNotInitialized;
  if (graphics == nullptr) return InvalidParameter;
  if (dc == nullptr) return OutOfMemory;
  win32::internal::DibSurface dib;
  if (!win32::internal::SelectedDib(dc, &dib) && win32::internal::SelectedFont(dc) == nullptr) {
    return OutOfMemory;  // not a DC at all
  }
  auto object = std::make_unique<GraphicsObject>();
  object->dc = dc;
  *graphics = internal::Add<GpGraphics>(std::move(object));
  return Ok;
}

// Every drawing call has reached its picture already, so there is nothing left to flush.
GpStatus GdipDeleteGraphics(GpGraphics* graphics) {
  if (!internal::Started()) return GdiplusNotInitialized;
  return internal::Remove<GraphicsObject>(graphics) ? Ok : InvalidParameter;
}

// Every pixel becomes the colour, alpha included: nothing is blended.
GpStatus GdipGraphicsClear(GpGraphics* graphics, ARGB color) {
  if (!internal::Started()) return GdiplusNotInitialized;
  Canvas canvas;
  if (GpStatus status = canvas.Open(graphics); status != Ok) return status;
  if (canvas.picture() == nullptr) return Ok;
  QPainter painter(canvas.picture());
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.fillRect(canvas.picture()->rect(), internal::ToQColor(color));
  return Ok;
}

GpStatus GdipDrawImageRect(GpGraphics* graphics, GpImage* image, REAL x, REAL y, REAL width,
                           REAL height) {
  auto* object = internal::Find<ImageObject>(image);
  QRectF whole = object == nullptr ? QRectF() : QRectF(object->pixels.rect());
  return DrawImage(graphics, image, QRectF(x, y, width, height), whole);
}

// The source rectangle is in the image's pixels and is drawn unscaled at (x, y); the part of it
// outside the image is left out. Other source units are valid GDI+ units the stand-in does not
// convert (NotImplemented); values that are no unit are InvalidParameter.
GpStatus GdipDrawImagePointRect(GpGraphics* graphics, GpImage* image, REAL x, REAL y, REAL srcX,
                                REAL srcY, REAL srcWidth, REAL srcHeight, GpUnit srcUnit) {
  if (!internal::Started()) return GdiplusNotInitialized;
  if (srcUnit < UnitWorld || srcUnit > UnitMillimeter) return InvalidParameter;
  if (srcUnit != UnitPixel) return NotImplemented;
  if (srcWidth < 0 || srcHeight < 0) return InvalidParameter;
  QRectF source(srcX, srcY, srcWidth, srcHeight);
  return DrawImage(graphics, image, QRectF(x, y, srcWidth, srcHeight), source);
}

}  // namespace gdiplus
