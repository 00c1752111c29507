#pragma once
// What the kit's tests share: the kit started once per process, plain top-level and child test
// windows (destroyed with their object), PNG bytes drawn with Qt, GDI+ images made from them, and
// the pixels of the picture last presented on a layered window.

#include <QColor>
#include <QImage>
#include <cstdint>

#include "platform/bytes/ByteBlock.h"
#include "platform/gdiplus/Gdiplus.h"
#include "platform/win32/Types.h"

namespace kit_test {

// KitStartup once per test process (and again after a test ran KitExit).
void StartKit();

// A top-level popup window of a plain class, at (x, y) on the screen, of the given outer size.
class TestWindow {
 public:
  TestWindow(int x, int y, int width, int height, win32::DWORD exStyle = 0);
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  win32::HWND handle() const { return handle_; }
  operator win32::HWND() const { return handle_; }
  // Destroys the window now (the destructor then does nothing).
  void Destroy();

 private:
  win32::HWND handle_{nullptr};
};

// A child window of `parent` at (x, y) in the parent's client area.
win32::HWND CreateChild(win32::HWND parent, const char* className, int x, int y, int width,
                        int height, const char* text = "");

// A picture of one colour; Format_ARGB32 (not premultiplied), 0xAARRGGBB.
QImage Solid(int width, int height, QRgb color);
// A picture whose left half is one colour and right half another.
QImage Halves(int width, int height, QRgb left, QRgb right);
bytes::ByteBlock PngBytes(const QImage& image);
// The picture decoded by the kit (DecodeImage); the caller gives it back with DisposeImage.
gdiplus::GpImage* DecodedImage(const QImage& image);

// The premultiplied pixel 0xAARRGGBB at (x, y) of the picture last presented on the window; 0 when
// none was presented or the point lies outside it.
std::uint32_t Presented(win32::HWND window, int x, int y);
// The size of the picture last presented (0 x 0 when none).
QSize PresentedSize(win32::HWND window);
// The pixel of a GDI+ bitmap, 0xAARRGGBB as GDI+ gives it.
std::uint32_t BitmapPixel(gdiplus::GpImage* image, int x, int y);

// True while GDI+ still knows the image (it has not been disposed).
bool ImageAlive(gdiplus::GpImage* image);

// Lets the event loop run for the given time (timers tick meanwhile).
void RunEvents(int milliseconds);

}  // namespace kit_test
