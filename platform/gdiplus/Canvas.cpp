// Opening a graphics' target for one drawing call, and GDI+'s pixel rule for filled areas.

#include "platform/gdiplus/Canvas.h"

#include <cstring>

#include "platform/win32/internal/Surface.h"

namespace gdiplus::internal {
namespace {

void CopyFlipped(const std::uint8_t* from, int fromStride, std::uint8_t* to, int toStride,
                 int width, int height) {
  for (int row = 0; row < height; ++row) {
    std::memcpy(to + std::ptrdiff_t(height - 1 - row) * toStride,
                from + std::ptrdiff_t(row) * fromStride, std::size_t(width) * 4);
  }
}

}  // namespace

GpStatus Canvas::Open(const GpGraphics* graphics) {
  auto* object = Find<GraphicsObject>(graphics);
  if (object == nullptr) return InvalidParameter;
  if (object->image != nullptr) {
    auto* image = Find<ImageObject>(object->image);
    if (image == nullptr) return InvalidParameter;
    image_ = image;
    picture_ = &image->pixels;
    return Ok;
  }
  // The DC's bitmap is looked up again for every call: it may have been changed or deleted.
  win32::internal::DibSurface dib;
  if (!win32::internal::SelectedDib(object->dc, &dib) || dib.bits == nullptr || dib.width <= 0 ||
      dib.height <= 0) {
    return Ok;
  }
  if (dib.bottomUp) {
    view_ = QImage(dib.width, dib.height, QImage::Format_ARGB32_Premultiplied);
    if (view_.isNull()) return OutOfMemory;
    CopyFlipped(dib.bits, dib.stride, view_.bits(), int(view_.bytesPerLine()), dib.width,
                dib.height);
    dibBits_ = dib.bits;
    dibStride_ = dib.stride;
  } else {
    view_ =
        QImage(dib.bits, dib.width, dib.height, dib.stride, QImage::Format_ARGB32_Premultiplied);
  }
  view_.setDotsPerMeterX(kDotsPerMeter);
  view_.setDotsPerMeterY(kDotsPerMeter);
  picture_ = &view_;
  return Ok;
}

Canvas::~Canvas() {
  if (dibBits_ != nullptr) {
    CopyFlipped(view_.constBits(), int(view_.bytesPerLine()), dibBits_, dibStride_, view_.width(),
                view_.height());
  }
}

// Qt samples pixel centres at half-integer coordinates and gives a centre on an edge to the right
// and bottom edges. Moving the area by half a pixel puts GDI+'s centres on Qt's; taking a sixty-
// fourth of a pixel off that move hands edge centres to the top and left edges instead.
void FillAliased(QPainter& painter, const QPainterPath& area, ARGB color) {
  constexpr qreal kShift = 0.5 - 1.0 / 64;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.translate(kShift, kShift);
  painter.fillPath(area, ToQColor(color));
  painter.restore();
}

}  // namespace gdiplus::internal
