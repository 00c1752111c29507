// Font families, looked up by name among the installed fonts.

#include <QFontDatabase>

#include <memory>

#include "platform/gdiplus/Gdiplus.h"
#include "platform/gdiplus/Objects.h"

namespace gdiplus {
namespace internal {

QString InstalledFamily(const QString& name) {
  if (name.isEmpty()) return {};
  for (const QString& family : QFontDatabase::families()) {
    if (family.compare(name, Qt::CaseInsensitive) == 0) return family;
  }
  return {};
}

}  // namespace internal

// Only the installed fonts are known: a collection of the caller's cannot be made here, so any
// collection other than null is refused.
GpStatus GdipCreateFontFamilyFromName(const WCHAR* name, GpFontCollection* collection,
                                      GpFontFamily** family) {
  if (!internal::Started()) return GdiplusNotInitialized;
  if (name == nullptr || family == nullptr || collection != nullptr) return InvalidParameter;
  QString found = internal::InstalledFamily(QString::fromUtf16(name));
  if (found.isEmpty()) return FontFamilyNotFound;
  auto object = std::make_unique<internal::FontFamilyObject>();
  object->name = found;
  *family = internal::Add<GpFontFamily>(std::move(object));
  return Ok;
}

GpStatus GdipDeleteFontFamily(GpFontFamily* family) {
  if (!internal::Started()) return GdiplusNotInitialized;
  return internal::Remove<internal::FontFamilyObject>(family) ? Ok : InvalidParameter;
}

}  // namespace gdiplus
