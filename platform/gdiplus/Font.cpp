// Fonts: made from a family or from the font selected into a DC, and what they report.

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>

#include <cmath>
#include <cstring>
#include <memory>

#include "platform/gdiplus/Gdiplus.h"
#include "platform/gdiplus/Objects.h"
#include "platform/win32/CodePage.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/internal/Surface.h"

namespace gdiplus {
namespace internal {

// Pixel and world sizes are pixel sizes; the other units are converted to points, which Qt
// turns into pixels by the 96 dpi of every picture the stand-in paints on.
QFont FontObject::ToQFont() const {
  QFont font(family);
  switch (unit) {
    case UnitPoint:
      font.setPointSizeF(emSize);
      break;
    case UnitInch:
      font.setPointSizeF(emSize * 72.0);
      break;
    case UnitDocument:
      font.setPointSizeF(emSize * 72.0 / 300.0);
      break;
    case UnitMillimeter:
      font.setPointSizeF(emSize * 72.0 / 25.4);
      break;
    default:
      font.setPixelSize(std::max(1, int(std::lround(emSize))));
      break;
  }
  font.setBold((style & FontStyleBold) != 0);
  font.setItalic((style & FontStyleItalic) != 0);
  font.setUnderline((style & FontStyleUnderline) != 0);
  font.setStrikeOut((style & FontStyleStrikeout) != 0);
  return font;
}

qreal FontObject::PixelSize() const {
  switch (unit) {
    case UnitPoint:
      return emSize * 96.0 / 72.0;
    case UnitInch:
      return emSize * 96.0;
    case UnitDocument:
      return emSize * 96.0 / 300.0;
    case UnitMillimeter:
      return emSize * 96.0 / 25.4;
    default:
      return emSize;
  }
}

}  // namespace internal

namespace {

using internal::FontObject;

bool IsFontUnit(Unit unit) {
  return unit >= UnitWorld && unit <= UnitMillimeter && unit != UnitDisplay;
}

GpFont* AddFont(const QString& family, REAL emSize, INT style, Unit unit) {
  auto object = std::make_unique<FontObject>();
  object->family = family;
  object->emSize = emSize;
  object->style = style;
  object->unit = unit;
  return internal::Add<GpFont>(std::move(object));
}

}  // namespace

// The font keeps the em size, style bits and unit it was made with; UnitDisplay has no fixed
// size for a font and is refused.
GpStatus GdipCreateFont(const GpFontFamily* family, REAL emSize, INT style, Unit unit,
                        GpFont** font) {
  if (!internal::Started()) return GdiplusNotInitialized;
  auto* familyObject = internal::Find<internal::FontFamilyObject>(family);
  if (familyObject == nullptr || font == nullptr) return InvalidParameter;
  if (!(emSize > 0) || !IsFontUnit(unit)) return InvalidParameter;
  *font = AddFont(familyObject->name, emSize, style, unit);
  return Ok;
}

// The DC's font, read as a LOGFONTA: its face (a face that is not installed stands for the
// system's default family, as GDI maps it to a font it has), |lfHeight| pixels as the em size in
// world units, bold from weight 600 up, and a non-zero italic, underline or strike-out byte.
GpStatus GdipCreateFontFromDC(HDC dc, GpFont** font) {
  if (!internal::Started()) return GdiplusNotInitialized;
  if (dc == nullptr || font == nullptr) return InvalidParameter;
  win32::HGDIOBJ selected = win32::internal::SelectedFont(dc);
  if (selected == nullptr) return InvalidParameter;
  win32::LOGFONTA logFont{};
  if (win32::GetObjectA(selected, sizeof logFont, &logFont) != int(sizeof logFont)) {
    return GenericError;
  }
  char face[win32::LF_FACESIZE + 1] = {};
  std::memcpy(face, logFont.lfFaceName, win32::LF_FACESIZE);
  WCHAR wide[win32::LF_FACESIZE + 1] = {};
  win32::MultiByteToWideChar(win32::CP_ACP, 0, face, -1, wide, win32::LF_FACESIZE + 1);
  QString family = internal::InstalledFamily(QString::fromUtf16(wide));
  QFont fallback = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  if (family.isEmpty()) family = QFontInfo(fallback).family();
  REAL emSize = REAL(std::abs(logFont.lfHeight));
  if (emSize == 0) emSize = REAL(QFontInfo(fallback).pixelSize());
  INT style = FontStyleRegular;
  if (logFont.lfWeight >= win32::FW_SEMIBOLD) style |= FontStyleBold;
  if (logFont.lfItalic != 0) style |= FontStyleItalic;
  if (logFont.lfUnderline != 0) style |= FontStyleUnderline;
  if (logFont.lfStrikeOut != 0) style |= FontStyleStrikeout;
  *font = AddFont(family, emSize, style, UnitWorld);
  return Ok;
}

GpStatus GdipDeleteFont(GpFont* font) {
  if (!internal::Started()) return GdiplusNotInitialized;
  return internal::Remove<FontObject>(font) ? Ok : InvalidParameter;
}

GpStatus GdipGetFontStyle(GpFont* font, INT* style) {
  if (!internal::Started()) return GdiplusNotInitialized;
  auto* object = internal::Find<FontObject>(font);
  if (object == nullptr || style == nullptr) return InvalidParameter;
  *style = object->style;
  return Ok;
}

GpStatus GdipGetFontSize(GpFont* font, REAL* size) {
  if (!internal::Started()) return GdiplusNotInitialized;
  auto* object = internal::Find<FontObject>(font);
  if (object == nullptr || size == nullptr) return InvalidParameter;
  *size = object->emSize;
  return Ok;
}

GpStatus GdipGetFontUnit(GpFont* font, Unit* unit) {
  if (!internal::Started()) return GdiplusNotInitialized;
  auto* object = internal::Find<FontObject>(font);
  if (object == nullptr || unit == nullptr) return InvalidParameter;
  *unit = object->unit;
  return Ok;
}

// The line spacing in the graphics' units, which are pixels for every graphics here; a null
// graphics measures at 96 dpi all the same.
GpStatus GdipGetFontHeight(const GpFont* font, const GpGraphics* graphics, REAL* height) {
  if (!internal::Started()) return GdiplusNotInitialized;
  auto* object = internal::Find<FontObject>(font);
  if (object == nullptr || height == nullptr) return InvalidParameter;
  if (graphics != nullptr && internal::Find<internal::GraphicsObject>(graphics) == nullptr) {
    return InvalidParameter;
  }
  QImage device(1, 1, QImage::Format_ARGB32_Premultiplied);
  device.setDotsPerMeterX(internal::kDotsPerMeter);
  device.setDotsPerMeterY(internal::kDotsPerMeter);
  *height = REAL(QFontMetricsF(object->ToQFont(), &device).lineSpacing());
  return Ok;
}

}  // namespace gdiplus
