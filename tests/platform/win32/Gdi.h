#pragma once
// Helpers of the GDI tests: DIB sections described the way the layered image host describes its
// bitmap.

#include <cstdint>
#include <cstdlib>

#include "platform/win32/Gdi.h"

namespace win32test {

using namespace win32;

// A BI_RGB header; a positive height is bottom-up.
inline BITMAPINFO DibInfo(int width, int height, int bitCount = 32) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = WORD(bitCount);
  info.bmiHeader.biCompression = BI_RGB;
  info.bmiHeader.biSizeImage = DWORD(std::int64_t(width) * std::abs(height) * bitCount / 8);
  return info;
}

}  // namespace win32test
