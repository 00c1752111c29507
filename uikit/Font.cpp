#include "uikit/Font.h"

#include <cmath>
#include <cstring>
#include <string>

#include "platform/win32/Gdi.h"
#include "platform/win32/Window.h"
#include "uikit/FontFamily.h"

namespace uikit {

namespace {

// The font of a family made for this one creation and gone right after it.
gdiplus::GpStatus CreateInFamily(const char* familyName, float emSize, int style, int unit,
                                 gdiplus::GpFont** font) {
  FontFamily family;
  family.CreateFromName(familyName);
  return gdiplus::GdipCreateFont(family.GetHandle(), emSize, style,
                                 static_cast<gdiplus::Unit>(unit), font);
}

}  // namespace

int FontStyleOf(win32::LONG weight, win32::BYTE italic, win32::BYTE underline,
                win32::BYTE strikeOut) {
  int style = gdiplus::FontStyleRegular;
  if (weight == win32::FW_SEMIBOLD || weight == win32::FW_BOLD) style |= gdiplus::FontStyleBold;
  if (italic == 1) style |= gdiplus::FontStyleItalic;
  if (underline == 1) style |= gdiplus::FontStyleUnderline;
  if (strikeOut == 1) style |= gdiplus::FontStyleStrikeout;
  return style;
}

Font::~Font() {
  Release();
}

void Font::Release() {
  if (handle_ == nullptr) return;
  gdiplus::GdipDeleteFont(handle_);
  handle_ = nullptr;
}

gdiplus::GpStatus Font::Create(const char* familyName, float emSize, int style, int unit) {
  gdiplus::GpFont* font = nullptr;
  const gdiplus::GpStatus status = CreateInFamily(familyName, emSize, style, unit, &font);
  SetHandle(status == gdiplus::Ok ? font : nullptr);
  return status;
}

gdiplus::GpStatus Font::CreateFromDC(win32::HDC dc) {
  gdiplus::GpFont* font = nullptr;
  const gdiplus::GpStatus status = gdiplus::GdipCreateFontFromDC(dc, &font);
  SetHandle(status == gdiplus::Ok ? font : nullptr);
  return status;
}

gdiplus::GpFont* Font::CreateFromWindow(win32::HWND window) {
  const win32::LRESULT gdiFont = win32::SendMessageA(window, win32::WM_GETFONT, 0, 0);
  return CreateFromGdiFont(reinterpret_cast<win32::HFONT>(gdiFont));
}

gdiplus::GpFont* Font::CreateFromGdiFont(win32::HFONT gdiFont) {
  if (gdiFont == nullptr) return nullptr;
  win32::LOGFONTA logFont{};
  if (win32::GetObjectA(gdiFont, sizeof(win32::LOGFONTA), &logFont) == 0) logFont = {};
  const int style =
      FontStyleOf(logFont.lfWeight, logFont.lfItalic, logFont.lfUnderline, logFont.lfStrikeOut);
  // The face name need not end with a zero byte inside its 32 bytes.
  const std::string faceName(logFont.lfFaceName,
                             strnlen(logFont.lfFaceName, sizeof(logFont.lfFaceName)));
  // Cell height and character height of the same size give the same em size.
  const float emSize = static_cast<float>(std::abs(static_cast<double>(logFont.lfHeight)));
  gdiplus::GpFont* font = nullptr;
  CreateInFamily(faceName.c_str(), emSize, style, gdiplus::UnitPixel, &font);
  SetHandle(font);
  return handle_;
}

gdiplus::GpFont* Font::GetHandle() const {
  return handle_;
}

void Font::SetHandle(gdiplus::GpFont* handle) {
  Release();
  handle_ = handle;
}

gdiplus::GpStatus Font::GetStyle(int* style) const {
  return gdiplus::GdipGetFontStyle(handle_, style);
}

gdiplus::GpStatus Font::GetSize(float* size) const {
  return gdiplus::GdipGetFontSize(handle_, size);
}

gdiplus::GpStatus Font::GetUnit(int* unit) const {
  gdiplus::Unit value = gdiplus::UnitWorld;
  const gdiplus::GpStatus status =
      gdiplus::GdipGetFontUnit(handle_, unit != nullptr ? &value : nullptr);
  if (status == gdiplus::Ok && unit != nullptr) *unit = value;
  return status;
}

gdiplus::GpStatus Font::GetHeight(const gdiplus::GpGraphics* graphics, float* height) const {
  return gdiplus::GdipGetFontHeight(handle_, graphics, height);
}

}  // namespace uikit
