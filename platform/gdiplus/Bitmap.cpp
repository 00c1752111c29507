// Bitmaps made from pixel memory, and reading their pixels.

#include <cstdlib>
#include <memory>

#include "platform/gdiplus/Gdiplus.h"
#include "platform/gdiplus/Objects.h"

namespace gdiplus {
namespace {

using internal::ImageObject;

// The Qt layout of a GDI+ pixel format over caller memory (GDI+ stores 32-bit pixels as B, G, R,
// A bytes and 24-bit ones as B, G, R); Format_Invalid when the stand-in has none.
QImage::Format WrappedFormat(PixelFormat format) {
  switch (format) {
    case PixelFormat32bppARGB:
      return QImage::Format_ARGB32;
    case PixelFormat32bppPARGB:
      return QImage::Format_ARGB32_Premultiplied;
    case PixelFormat32bppRGB:
      return QImage::Format_RGB32;
    case PixelFormat24bppRGB:
      return QImage::Format_BGR888;
    default:
      return QImage::Format_Invalid;
  }
}

// Memory of the stand-in's own: alpha formats are kept premultiplied (the form they are drawn
// in), the others opaque.
QImage::Format OwnFormat(PixelFormat format) {
  return format == PixelFormat32bppARGB || format == PixelFormat32bppPARGB
             ? QImage::Format_ARGB32_Premultiplied
             : QImage::Format_RGB32;
}

int BytesPerPixel(PixelFormat format) {
  return format == PixelFormat24bppRGB ? 3 : 4;
}

}  // namespace

// Without scan0 the bitmap has zeroed memory of its own: fully transparent, or black for the
// formats without alpha. With scan0 the bitmap draws into the caller's memory, which must
// outlive it; the stride is then a positive multiple of 4 that holds a row (rows stored
// bottom-up, with a negative stride, are not supported by the stand-in).
GpStatus GdipCreateBitmapFromScan0(INT width, INT height, INT stride, PixelFormat format,
                                   BYTE* scan0, GpBitmap** bitmap) {
  if (!internal::Started()) return GdiplusNotInitialized;
  if (bitmap == nullptr || width <= 0 || height <= 0) return InvalidParameter;
  QImage::Format layout = WrappedFormat(format);
  if (layout == QImage::Format_Invalid) return InvalidParameter;
  QImage pixels;
  if (scan0 == nullptr) {
    pixels = QImage(width, height, OwnFormat(format));
    if (pixels.isNull()) return OutOfMemory;
    pixels.fill(OwnFormat(format) == QImage::Format_RGB32 ? 0xFF000000u : 0u);
  } else {
    if (stride == 0 || stride % 4 != 0) return InvalidParameter;
    if (std::int64_t(std::abs(stride)) < std::int64_t(width) * BytesPerPixel(format)) {
      return InvalidParameter;
    }
    if (stride < 0) return NotImplemented;
    pixels = QImage(scan0, width, height, stride, layout);
    if (pixels.isNull()) return OutOfMemory;
  }
  pixels.setDotsPerMeterX(internal::kDotsPerMeter);
  pixels.setDotsPerMeterY(internal::kDotsPerMeter);
  auto object = std::make_unique<ImageObject>();
  object->pixels = std::move(pixels);
  object->format = format;
  *bitmap = internal::Add<GpBitmap>(std::move(object));
  return Ok;
}

// The colour is unpremultiplied ARGB, whatever the bitmap stores.
GpStatus GdipBitmapGetPixel(GpBitmap* bitmap, INT x, INT y, ARGB* color) {
  if (!internal::Started()) return GdiplusNotInitialized;
  auto* object = internal::Find<ImageObject>(bitmap);
  if (object == nullptr || color == nullptr) return InvalidParameter;
  const QImage& pixels = object->pixels;
  if (x < 0 || y < 0 || x >= pixels.width() || y >= pixels.height()) return InvalidParameter;
  if (pixels.format() == QImage::Format_ARGB32_Premultiplied) {
    auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
    *color = qUnpremultiply(row[x]);
  } else {
    *color = pixels.pixel(x, y);
  }
  return Ok;
}

}  // namespace gdiplus
