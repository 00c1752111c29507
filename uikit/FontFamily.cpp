#include "uikit/FontFamily.h"

#include "uikit/TextConvert.h"

namespace uikit {

FontFamily::~FontFamily() {
  Release();
}

void FontFamily::Release() {
  if (handle_ == nullptr) return;
  gdiplus::GdipDeleteFontFamily(handle_);
  handle_ = nullptr;
}

gdiplus::GpStatus FontFamily::CreateFromName(const char* faceName) {
  gdiplus::GpFontFamily* family = nullptr;
  gdiplus::GpStatus status;
  {
    const bytes::ByteBlock name = AnsiToUtf16(faceName);
    status = gdiplus::GdipCreateFontFamilyFromName(
        reinterpret_cast<const gdiplus::WCHAR*>(name.data()), nullptr, &family);
  }
  SetHandle(status == gdiplus::Ok ? family : nullptr);
  return status;
}

gdiplus::GpFontFamily* FontFamily::GetHandle() const {
  return handle_;
}

void FontFamily::SetHandle(gdiplus::GpFontFamily* handle) {
  Release();
  handle_ = handle;
}

}  // namespace uikit
