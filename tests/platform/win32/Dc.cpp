// GetWindowDC, GetDC, ReleaseDC, CreateCompatibleDC, DeleteDC.
#include "platform/win32/internal/Surface.h"
#include "tests/platform/win32/Gdi.h"
#include "tests/platform/win32/Support.h"

namespace win32test {
namespace {

using Win32Dc = Win32Test;

TEST_F(Win32Dc, WindowDcsAreReleasedOnce) {
  HWND w = MakeWindow();
  HDC window = GetWindowDC(w);
  HDC client = GetDC(w);
  ASSERT_NE(window, nullptr);
  ASSERT_NE(client, nullptr);
  EXPECT_NE(window, client);
  EXPECT_EQ(ReleaseDC(w, window), 1);
  EXPECT_EQ(ReleaseDC(w, window), 0);
  EXPECT_EQ(ReleaseDC(w, client), 1);
  HDC screen = GetDC(nullptr);  // null: the screen
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
  EXPECT_EQ(ReleaseDC(w, nullptr), 0);
}

TEST_F(Win32Dc, NoDcForAWindowThatIsGone) {
  HWND w = MakeWindow();
  DestroyWindow(w);
  SetLastError(0);
  EXPECT_EQ(GetWindowDC(w), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_EQ(GetDC(w), nullptr);
}

TEST_F(Win32Dc, ADcOutlivesItsWindowUntilReleased) {
  HWND w = MakeWindow();
  HDC dc = GetWindowDC(w);
  DestroyWindow(w);
  HDC memory = CreateCompatibleDC(dc);
  EXPECT_NE(memory, nullptr);
  EXPECT_TRUE(DeleteDC(memory));
  EXPECT_EQ(ReleaseDC(w, dc), 1);
}

TEST_F(Win32Dc, MemoryDcs) {
  HWND w = MakeWindow();
  HDC window = GetWindowDC(w);
  HDC a = CreateCompatibleDC(window);
  HDC b = CreateCompatibleDC(nullptr);  // compatible with the screen
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_NE(a, b);
  // A memory DC is deleted, not released; a window DC the other way round.
  EXPECT_EQ(ReleaseDC(w, a), 0);
  SetLastError(0);
  EXPECT_FALSE(DeleteDC(window));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_TRUE(DeleteDC(a));
  EXPECT_FALSE(DeleteDC(a));
  EXPECT_TRUE(DeleteDC(b));
  EXPECT_FALSE(DeleteDC(nullptr));
  EXPECT_EQ(ReleaseDC(w, window), 1);
  SetLastError(0);
  EXPECT_EQ(CreateCompatibleDC(window), nullptr);  // released: no longer a DC
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST_F(Win32Dc, AMemoryDcStartsWithAOneByOneBitmapAndTheGuiFont) {
  HDC dc = CreateCompatibleDC(nullptr);
  BITMAPINFO info = DibInfo(2, 2);
  HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
  HGDIOBJ original = SelectObject(dc, dib);
  ASSERT_NE(original, nullptr);
  BITMAP bitmap{};
  EXPECT_EQ(GetObjectA(original, sizeof bitmap, &bitmap), int(sizeof bitmap));
  EXPECT_EQ(bitmap.bmWidth, 1);
  EXPECT_EQ(bitmap.bmHeight, 1);
  EXPECT_EQ(bitmap.bmBitsPixel, 1);
  EXPECT_EQ(bitmap.bmBits, nullptr);
  EXPECT_EQ(internal::SelectedFont(dc), GetStockObject(DEFAULT_GUI_FONT));
  EXPECT_EQ(SelectObject(dc, original), dib);
  EXPECT_TRUE(DeleteObject(dib));
  EXPECT_TRUE(DeleteDC(dc));
}

TEST_F(Win32Dc, SelectedDibOnlyForA32BitDibInAMemoryDc) {
  HWND w = MakeWindow();
  HDC window = GetWindowDC(w);
  HDC dc = CreateCompatibleDC(window);
  internal::DibSurface surface;
  EXPECT_FALSE(internal::SelectedDib(dc, &surface));  // the 1 x 1 stock bitmap
  EXPECT_FALSE(internal::SelectedDib(window, &surface));
  EXPECT_FALSE(internal::SelectedDib(nullptr, &surface));
  BITMAPINFO info = DibInfo(5, 3);
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, dib);
  ASSERT_TRUE(internal::SelectedDib(dc, &surface));
  EXPECT_EQ(surface.bits, bits);
  EXPECT_EQ(surface.width, 5);
  EXPECT_EQ(surface.height, 3);
  EXPECT_EQ(surface.stride, 20);
  EXPECT_TRUE(surface.bottomUp);
  EXPECT_FALSE(internal::SelectedDib(dc, nullptr));
  BITMAPINFO rgb = DibInfo(5, 3, 24);
  HBITMAP dib24 = CreateDIBSection(dc, &rgb, DIB_RGB_COLORS, nullptr, nullptr, 0);
  SelectObject(dc, dib24);
  EXPECT_FALSE(internal::SelectedDib(dc, &surface));
  SelectObject(dc, old);
  DeleteObject(dib);
  DeleteObject(dib24);
  DeleteDC(dc);
  EXPECT_EQ(internal::SelectedFont(dc), nullptr);
  ReleaseDC(w, window);
}

}  // namespace
}  // namespace win32test
