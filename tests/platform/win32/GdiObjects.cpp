// SelectObject, DeleteObject, GetStockObject, GetObjectA for bitmaps.
#include <cstring>

#include "platform/win32/internal/Surface.h"
#include "tests/platform/win32/Gdi.h"
#include "tests/platform/win32/Support.h"

namespace win32test {
namespace {

using Win32GdiObjects = Win32Test;

HBITMAP MakeDib(int width = 2, int height = 2) {
  BITMAPINFO info = DibInfo(width, height);
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
}

TEST_F(Win32GdiObjects, SelectObjectReturnsThePreviousObject) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP a = MakeDib();
  HBITMAP b = MakeDib();
  HGDIOBJ stock = SelectObject(dc, a);
  EXPECT_EQ(SelectObject(dc, b), a);
  EXPECT_EQ(SelectObject(dc, b), b);  // selected already: it is its own predecessor
  EXPECT_EQ(SelectObject(dc, stock), b);
  EXPECT_TRUE(DeleteObject(a));
  EXPECT_TRUE(DeleteObject(b));
  DeleteDC(dc);
}

TEST_F(Win32GdiObjects, ABitmapIsInOneDcAtATime) {
  HDC first = CreateCompatibleDC(nullptr);
  HDC second = CreateCompatibleDC(nullptr);
  HBITMAP dib = MakeDib();
  HGDIOBJ stock = SelectObject(first, dib);
  SetLastError(0);
  EXPECT_EQ(SelectObject(second, dib), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  SelectObject(first, stock);
  EXPECT_NE(SelectObject(second, dib), nullptr);
  SelectObject(second, stock);
  // The stock bitmap may sit in any number of DCs.
  EXPECT_EQ(SelectObject(first, stock), stock);
  DeleteObject(dib);
  DeleteDC(first);
  DeleteDC(second);
}

TEST_F(Win32GdiObjects, BitmapsGoIntoMemoryDcsOnly) {
  HWND w = MakeWindow();
  HDC window = GetWindowDC(w);
  HBITMAP dib = MakeDib();
  EXPECT_EQ(SelectObject(window, dib), nullptr);
  EXPECT_TRUE(DeleteObject(dib));
  ReleaseDC(w, window);
}

TEST_F(Win32GdiObjects, ASelectedObjectIsNotDeleted) {
  HDC dc = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  BITMAPINFO info = DibInfo(2, 2);
  HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ stock = SelectObject(dc, dib);
  // Deleting an object a DC still uses fails, and the DC keeps drawing into live memory.
  EXPECT_FALSE(DeleteObject(dib));
  internal::DibSurface surface;
  ASSERT_TRUE(internal::SelectedDib(dc, &surface));
  EXPECT_EQ(surface.bits, bits);
  static_cast<std::uint8_t*>(bits)[15] = 0x7f;  // still writable
  SelectObject(dc, stock);
  EXPECT_TRUE(DeleteObject(dib));
  EXPECT_FALSE(DeleteObject(dib));  // gone now
  SetLastError(0);
  EXPECT_EQ(SelectObject(dc, dib), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  DeleteDC(dc);
}

TEST_F(Win32GdiObjects, DeletingTheDcLetsGoOfItsBitmap) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP dib = MakeDib();
  SelectObject(dc, dib);
  EXPECT_TRUE(DeleteDC(dc));
  EXPECT_TRUE(DeleteObject(dib));
}

TEST_F(Win32GdiObjects, StockObjects) {
  HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(GetStockObject(DEFAULT_GUI_FONT), font);
  // Deleting a stock object is harmless and does nothing.
  EXPECT_TRUE(DeleteObject(font));
  EXPECT_EQ(GetObjectA(font, 0, nullptr), int(sizeof(LOGFONTA)));
  for (int other : {0, 4, 13, 16, 18, 99, -1}) EXPECT_EQ(GetStockObject(other), nullptr) << other;
}

TEST_F(Win32GdiObjects, GetObjectForBitmaps) {
  HBITMAP dib = MakeDib(3, 5);
  EXPECT_EQ(GetObjectA(dib, 0, nullptr), int(sizeof(BITMAP)));
  BITMAP bitmap;
  std::memset(&bitmap, 0xde, sizeof bitmap);
  // A bitmap is described whole or not at all.
  EXPECT_EQ(GetObjectA(dib, sizeof(BITMAP) - 1, &bitmap), 0);
  EXPECT_EQ(bitmap.bmWidth, LONG(0xdededede));
  EXPECT_EQ(GetObjectA(dib, sizeof(BITMAP) + 8, &bitmap), int(sizeof(BITMAP)));
  EXPECT_EQ(bitmap.bmWidth, 3);
  SetLastError(0);
  EXPECT_EQ(GetObjectA(nullptr, sizeof bitmap, &bitmap), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_EQ(GetObjectA(reinterpret_cast<HGDIOBJ>(0x10), sizeof bitmap, &bitmap), 0);
  DeleteObject(dib);
}

TEST_F(Win32GdiObjects, BadHandles) {
  HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_EQ(SelectObject(nullptr, MakeDib()), nullptr);
  EXPECT_EQ(SelectObject(dc, nullptr), nullptr);
  EXPECT_EQ(SelectObject(dc, reinterpret_cast<HGDIOBJ>(dc)), nullptr);  // a DC is no object
  EXPECT_FALSE(DeleteObject(nullptr));
  EXPECT_FALSE(DeleteObject(reinterpret_cast<HGDIOBJ>(dc)));
  DeleteDC(dc);
}

}  // namespace
}  // namespace win32test
