// CreateDIBSection.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/win32/internal/Surface.h"
#include "tests/platform/win32/Gdi.h"
#include "tests/platform/win32/Support.h"

namespace win32test {
namespace {

using Win32Dib = Win32Test;

TEST_F(Win32Dib, A32BitDibIsZeroFilledAndDescribed) {
  HDC dc = CreateCompatibleDC(nullptr);
  BITMAPINFO info = DibInfo(495, 331);
  void* bits = reinterpret_cast<void*>(0xdeadbeef);
  HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_NE(dib, nullptr);
  ASSERT_NE(bits, nullptr);
  const auto* bytes = static_cast<const std::uint8_t*>(bits);
  EXPECT_TRUE(std::all_of(bytes, bytes + 495 * 331 * 4, [](std::uint8_t b) { return b == 0; }));
  BITMAP bitmap;
  std::memset(&bitmap, 0xde, sizeof bitmap);
  EXPECT_EQ(GetObjectA(dib, sizeof bitmap, &bitmap), int(sizeof bitmap));
  EXPECT_EQ(bitmap.bmType, 0);
  EXPECT_EQ(bitmap.bmWidth, 495);
  EXPECT_EQ(bitmap.bmHeight, 331);
  EXPECT_EQ(bitmap.bmWidthBytes, 495 * 4);
  EXPECT_EQ(bitmap.bmPlanes, 1);
  EXPECT_EQ(bitmap.bmBitsPixel, 32);
  EXPECT_EQ(bitmap.bmBits, bits);
  EXPECT_TRUE(DeleteObject(dib));
  DeleteDC(dc);
}

TEST_F(Win32Dib, RowsOf24BitDibsArePaddedToFourBytes) {
  BITMAPINFO info = DibInfo(3, 2, 24);
  HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
  ASSERT_NE(dib, nullptr);  // no DC needed for DIB_RGB_COLORS
  BITMAP bitmap{};
  GetObjectA(dib, sizeof bitmap, &bitmap);
  EXPECT_EQ(bitmap.bmWidthBytes, 12);  // 9 bytes of pixels, padded
  EXPECT_EQ(bitmap.bmBitsPixel, 24);
  DeleteObject(dib);
}

TEST_F(Win32Dib, ANegativeHeightIsTopDown) {
  HDC dc = CreateCompatibleDC(nullptr);
  BITMAPINFO info = DibInfo(4, -3);
  HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, dib);
  internal::DibSurface surface;
  ASSERT_TRUE(internal::SelectedDib(dc, &surface));
  EXPECT_FALSE(surface.bottomUp);
  EXPECT_EQ(surface.height, 3);
  BITMAP bitmap{};
  GetObjectA(dib, sizeof bitmap, &bitmap);
  EXPECT_EQ(bitmap.bmHeight, 3);  // reported without its sign
  SelectObject(dc, old);
  DeleteObject(dib);
  DeleteDC(dc);
}

TEST_F(Win32Dib, BadHeadersAreRefused) {
  struct Case {
    const char* what;
    void (*change)(BITMAPINFO&);
  };
  const Case cases[] = {
      {"no size", [](BITMAPINFO& i) { i.bmiHeader.biSize = 0; }},
      {"short header", [](BITMAPINFO& i) { i.bmiHeader.biSize = 39; }},
      {"zero width", [](BITMAPINFO& i) { i.bmiHeader.biWidth = 0; }},
      {"negative width", [](BITMAPINFO& i) { i.bmiHeader.biWidth = -4; }},
      {"zero height", [](BITMAPINFO& i) { i.bmiHeader.biHeight = 0; }},
      {"two planes", [](BITMAPINFO& i) { i.bmiHeader.biPlanes = 2; }},
      {"8 bits", [](BITMAPINFO& i) { i.bmiHeader.biBitCount = 8; }},
      {"16 bits", [](BITMAPINFO& i) { i.bmiHeader.biBitCount = 16; }},
      {"bit fields", [](BITMAPINFO& i) { i.bmiHeader.biCompression = 3; }},
  };
  for (const Case& c : cases) {
    BITMAPINFO info = DibInfo(4, 4);
    c.change(info);
    void* bits = reinterpret_cast<void*>(0xdeadbeef);
    SetLastError(0);
    EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr)
        << c.what;
    EXPECT_EQ(bits, nullptr) << c.what;  // cleared on failure
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER) << c.what;
  }
  BITMAPINFO info = DibInfo(4, 4);
  EXPECT_EQ(CreateDIBSection(nullptr, nullptr, DIB_RGB_COLORS, nullptr, nullptr, 0), nullptr);
  EXPECT_EQ(CreateDIBSection(nullptr, &info, 2, nullptr, nullptr, 0), nullptr);
  // The stand-in has no file mappings to put a DIB in.
  EXPECT_EQ(
      CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, reinterpret_cast<HANDLE>(0x10), 0),
      nullptr);
  BITMAPINFO huge = DibInfo(100000, 100000);
  SetLastError(0);
  EXPECT_EQ(CreateDIBSection(nullptr, &huge, DIB_RGB_COLORS, nullptr, nullptr, 0), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_NOT_ENOUGH_MEMORY);
}

TEST_F(Win32Dib, EveryDibIsANewHandle) {
  BITMAPINFO info = DibInfo(1, 1);
  HBITMAP a = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
  DeleteObject(a);
  HBITMAP b = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
  EXPECT_NE(a, b);
  BITMAP bitmap{};
  EXPECT_EQ(GetObjectA(a, sizeof bitmap, &bitmap), 0);  // deleted
  DeleteObject(b);
}

}  // namespace
}  // namespace win32test
