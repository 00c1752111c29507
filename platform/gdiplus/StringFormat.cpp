// String formats: layout flags and the two alignments.

#include <memory>

#include "platform/gdiplus/Gdiplus.h"
#include "platform/gdiplus/Objects.h"

namespace gdiplus {
namespace {

using internal::StringFormatObject;

bool IsAlignment(StringAlignment align) {
  return align == StringAlignmentNear || align == StringAlignmentCenter ||
         align == StringAlignmentFar;
}

}  // namespace

GpStatus GdipCreateStringFormat(INT formatFlags, LANGID language, GpStringFormat** format) {
  if (!internal::Started()) return GdiplusNotInitialized;
  if (format == nullptr) return InvalidParameter;
  auto object = std::make_unique<StringFormatObject>();
  object->flags = formatFlags;
  object->language = language;
  *format = internal::Add<GpStringFormat>(std::move(object));
  return Ok;
}

GpStatus GdipDeleteStringFormat(GpStringFormat* format) {
  if (!internal::Started()) return GdiplusNotInitialized;
  return internal::Remove<StringFormatObject>(format) ? Ok : InvalidParameter;
}

GpStatus GdipSetStringFormatAlign(GpStringFormat* format, StringAlignment align) {
  if (!internal::Started()) return GdiplusNotInitialized;
  auto* object = internal::Find<StringFormatObject>(format);
  if (object == nullptr || !IsAlignment(align)) return InvalidParameter;
  object->align = align;
  return Ok;
}

GpStatus GdipSetStringFormatLineAlign(GpStringFormat* format, StringAlignment align) {
  if (!internal::Started()) return GdiplusNotInitialized;
  auto* object = internal::Find<StringFormatObject>(format);
  if (object == nullptr || !IsAlignment(align)) return InvalidParameter;
  object->lineAlign = align;
  return Ok;
}

}  // namespace gdiplus
