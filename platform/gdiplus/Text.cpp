// Drawing strings in a layout rectangle.

#include <QString>

#include "platform/gdiplus/Canvas.h"
#include "platform/gdiplus/Gdiplus.h"
#include "platform/gdiplus/Objects.h"

namespace gdiplus {
namespace {

using internal::FontObject;
using internal::SolidFillObject;
using internal::StringFormatObject;

constexpr qreal kUnbounded = 1.0e6;  // "as far as it takes" for a layout side of size 0

Qt::Alignment Horizontal(StringAlignment align) {
  if (align == StringAlignmentCenter) return Qt::AlignHCenter;
  return align == StringAlignmentFar ? Qt::AlignRight : Qt::AlignLeft;
}

Qt::Alignment Vertical(StringAlignment align) {
  if (align == StringAlignmentCenter) return Qt::AlignVCenter;
  return align == StringAlignmentFar ? Qt::AlignBottom : Qt::AlignTop;
}

// One side of the layout: a size of 0 or less leaves that direction unbounded, and the text is
// then aligned at the start point (near: from it, centre: around it, far: up to it).
void Span(qreal start, qreal size, StringAlignment align, qreal* from, qreal* length) {
  if (size > 0) {
    *from = start;
    *length = size;
    return;
  }
  *length = kUnbounded;
  if (align == StringAlignmentNear) *from = start;
  if (align == StringAlignmentCenter) *from = start - kUnbounded / 2;
  if (align == StringAlignmentFar) *from = start - kUnbounded;
}

}  // namespace

// Antialiased text in the brush's colour. Text is clipped to the layout rectangle unless the
// format has StringFormatFlagsNoClip, wraps at words unless it has StringFormatFlagsNoWrap, and
// keeps a sixth of the em free on the left and the right, as GDI+'s default layout does. No
// format means near alignment both ways with wrapping.
GpStatus GdipDrawString(GpGraphics* graphics, const WCHAR* text, INT length, const GpFont* font,
                        const RectF* layout, const GpStringFormat* format, const GpBrush* brush) {
  if (!internal::Started()) return GdiplusNotInitialized;
  if (text == nullptr || layout == nullptr || length < -1) return InvalidParameter;
  internal::Canvas canvas;
  if (GpStatus status = canvas.Open(graphics); status != Ok) return status;
  auto* fontObject = internal::Find<FontObject>(font);
  auto* fill = internal::Find<SolidFillObject>(brush);
  if (fontObject == nullptr || fill == nullptr) return InvalidParameter;
  StringFormatObject defaults;
  const StringFormatObject* layoutFormat = &defaults;
  if (format != nullptr) {
    layoutFormat = internal::Find<StringFormatObject>(format);
    if (layoutFormat == nullptr) return InvalidParameter;
  }
  QString string = length == -1 ? QString::fromUtf16(text) : QString::fromUtf16(text, length);
  if (string.isEmpty() || canvas.picture() == nullptr) return Ok;

  qreal left = 0, width = 0, top = 0, height = 0;
  Span(layout->X, layout->Width, layoutFormat->align, &left, &width);
  Span(layout->Y, layout->Height, layoutFormat->lineAlign, &top, &height);
  QRectF box(left, top, width, height);
  qreal margin = fontObject->PixelSize() / 6;
  QRectF textBox = box.adjusted(margin, 0, -margin, 0);

  // Qt would clip to the text box, inside the margins; the painter clips to the layout instead.
  int flags =
      int(Horizontal(layoutFormat->align) | Vertical(layoutFormat->lineAlign)) | Qt::TextDontClip;
  if ((layoutFormat->flags & StringFormatFlagsNoWrap) == 0) flags |= Qt::TextWordWrap;

  QPainter painter(canvas.picture());
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  if ((layoutFormat->flags & StringFormatFlagsNoClip) == 0) painter.setClipRect(box);
  painter.setFont(fontObject->ToQFont());
  painter.setPen(internal::ToQColor(fill->color));
  painter.drawText(textBox, flags, string);
  return Ok;
}

}  // namespace gdiplus
