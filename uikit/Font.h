#pragma once
// The font object: owns one GDI+ font (deleted by Release and the destructor). Create and
// CreateFromDC give GDI+'s status, CreateFromWindow and CreateFromGdiFont the new font (null on
// failure); a failed create leaves the object empty.

#include "platform/gdiplus/Gdiplus.h"
#include "platform/win32/Types.h"

namespace uikit {

class Font {
 public:
  Font() = default;
  virtual ~Font();
  // One owner per font: a copy would delete it twice.
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  virtual void Release();
  // A font of the named family (ANSI face name); style is FontStyle bits, unit a GDI+ unit.
  virtual gdiplus::GpStatus Create(const char* familyName, float emSize, int style, int unit);
  virtual gdiplus::GpStatus CreateFromDC(win32::HDC dc);
  // The window's own GDI font (WM_GETFONT) as a GDI+ font.
  virtual gdiplus::GpFont* CreateFromWindow(win32::HWND window);
  // A GDI font as a GDI+ font in pixels; GDI font 0 returns null and leaves the object as it was.
  virtual gdiplus::GpFont* CreateFromGdiFont(win32::HFONT gdiFont);
  virtual gdiplus::GpFont* GetHandle() const;
  // Releases what is held, then keeps `handle` (null too).
  virtual void SetHandle(gdiplus::GpFont* handle);
  virtual gdiplus::GpStatus GetStyle(int* style) const;
  virtual gdiplus::GpStatus GetSize(float* size) const;
  virtual gdiplus::GpStatus GetUnit(int* unit) const;
  // The line height against the graphics it is drawn on.
  virtual gdiplus::GpStatus GetHeight(const gdiplus::GpGraphics* graphics, float* height) const;

 private:
  gdiplus::GpFont* handle_{nullptr};
};

// The GDI+ style bits for a GDI font's weight, italic, underline and strikeout fields: bold only
// for weights 600 and 700, the others only for a byte value of exactly 1.
int FontStyleOf(win32::LONG weight, win32::BYTE italic, win32::BYTE underline,
                win32::BYTE strikeOut);

}  // namespace uikit
