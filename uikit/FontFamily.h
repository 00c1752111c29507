#pragma once
// The font family object: owns one GDI+ font family (deleted by Release and the destructor).
// A name GDI+ does not know leaves the object empty and gives GDI+'s status.

#include "platform/gdiplus/Gdiplus.h"

namespace uikit {

class FontFamily {
 public:
  FontFamily() = default;
  virtual ~FontFamily();
  // One owner per family: a copy would delete it twice.
  FontFamily(const FontFamily&) = delete;
  FontFamily& operator=(const FontFamily&) = delete;

  virtual void Release();
  // Looks the ANSI face name up among the installed fonts.
  virtual gdiplus::GpStatus CreateFromName(const char* faceName);
  virtual gdiplus::GpFontFamily* GetHandle() const;
  // Releases what is held, then keeps `handle` (null too).
  virtual void SetHandle(gdiplus::GpFontFamily* handle);

 private:
  gdiplus::GpFontFamily* handle_{nullptr};
};

}  // namespace uikit
