#pragma once
// Inside the stand-in only: the pixels of the 32-bit DIB section selected into a memory DC, so
// that GDI+ can draw into it the way it draws into a real DC.

#include <cstdint>

#include "platform/win32/Types.h"

namespace win32::internal {

struct DibSurface {
  std::uint8_t* bits{nullptr};  // first byte of the first stored row
  int width{0};
  int height{0};
  int stride{0};  // bytes from one stored row to the next
  bool bottomUp{true};  // stored row 0 is the picture's bottom row
};

// The DIB selected into `dc`; false when `dc` is no DC or has no 32-bit DIB selected.
bool SelectedDib(HDC dc, DibSurface* surface);

// The font selected into `dc` (the stock DEFAULT_GUI_FONT when none was selected); null when `dc`
// is no DC. GDI+ reads its LOGFONTA with GetObjectA.
HGDIOBJ SelectedFont(HDC dc);

}  // namespace win32::internal
