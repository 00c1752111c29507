#pragma once
// Inside the GDI+ stand-in only: the picture a graphics draws on, opened for one drawing call, and
// the rules GDI+ draws by.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include "platform/gdiplus/Gdiplus.h"
#include "platform/gdiplus/Objects.h"

namespace gdiplus::internal {

// Opens the target of a graphics: a bitmap's own pixels, or the DIB selected into its DC (a
// bottom-up DIB is drawn upright in a copy that the destructor writes back). A DC with no 32-bit
// DIB selected gives no picture: the call succeeds and draws nothing, as on a window DC.
class Canvas {
 public:
  Canvas() = default;
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // InvalidParameter when `graphics` is no graphics of the table, or its bitmap is gone.
  GpStatus Open(const GpGraphics* graphics);
  // The picture to paint on; null when there is none.
  QImage* picture() const { return picture_; }
  // The bitmap drawn on, or null for a DC.
  const ImageObject* image() const { return image_; }

 private:
  QImage* picture_{nullptr};
  const ImageObject* image_{nullptr};
  QImage view_;
  std::uint8_t* dibBits_{nullptr};  // set when view_ is an upright copy of a bottom-up DIB
  int dibStride_{0};
};

inline QColor ToQColor(ARGB color) {
  return QColor::fromRgba(color);
}

// Fills `area`, given in GDI+ coordinates, as GDI+ fills without antialiasing: a pixel is covered
// when its centre is inside, pixel centres lie on integer coordinates, and a centre on an edge
// counts for the top and left edges only.
void FillAliased(QPainter& painter, const QPainterPath& area, ARGB color);

}  // namespace gdiplus::internal
