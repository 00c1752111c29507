#include "uikit/StringFormat.h"

namespace uikit {

StringFormat::~StringFormat() {
  Release();
}

void StringFormat::Release() {
  if (handle_ == nullptr) return;
  gdiplus::GdipDeleteStringFormat(handle_);
  handle_ = nullptr;
}

void StringFormat::Create(int formatFlags, int language) {
  gdiplus::GpStringFormat* format = nullptr;
  const gdiplus::GpStatus status =
      gdiplus::GdipCreateStringFormat(formatFlags, static_cast<gdiplus::LANGID>(language), &format);
  SetHandle(status == gdiplus::Ok ? format : nullptr);
}

void StringFormat::SetAlign(int alignment) {
  gdiplus::GdipSetStringFormatAlign(handle_, static_cast<gdiplus::StringAlignment>(alignment));
}

void StringFormat::SetLineAlign(int alignment) {
  gdiplus::GdipSetStringFormatLineAlign(handle_, static_cast<gdiplus::StringAlignment>(alignment));
}

void StringFormat::SetAlignments(int alignment, int lineAlignment) {
  gdiplus::GdipSetStringFormatAlign(handle_, static_cast<gdiplus::StringAlignment>(alignment));
  gdiplus::GdipSetStringFormatLineAlign(handle_,
                                        static_cast<gdiplus::StringAlignment>(lineAlignment));
}

void StringFormat::SetHandle(gdiplus::GpStringFormat* handle) {
  Release();
  handle_ = handle;
}

gdiplus::GpStringFormat* StringFormat::GetHandle() const {
  return handle_;
}

}  // namespace uikit
