#include "uikit/Compose.h"

#include "platform/win32/Gdi.h"
#include "platform/win32/Timer.h"
#include "platform/win32/Window.h"
#include "uikit/KitState.h"
#include "uikit/LayeredImageHost.h"
#include "uikit/SkinnedControls.h"

namespace uikit {

namespace {
constexpr float kCaretLength = 12;
}

void Compose(win32::HWND window, gdiplus::GpImage** canvas, ComposeMode mode) {
  win32::RECT rect{};
  win32::GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;

  gdiplus::GpBitmap* bitmap = nullptr;
  gdiplus::GdipCreateBitmapFromScan0(width, height, 0, gdiplus::PixelFormat32bppARGB, nullptr,
                                     &bitmap);
  if (bitmap == nullptr) {
    // A window that is gone or has no area: the blink must not show an outdated picture.
    KitState& kit = Kit();
    if (window == kit.caretHost) kit.cachedComposite.reset();
    return;
  }
  gdiplus::GpGraphics* graphics = nullptr;
  gdiplus::GdipGetImageGraphicsContext(bitmap, &graphics);

  auto* back = reinterpret_cast<gdiplus::GpImage*>(win32::GetPropA(window, kBackImageProperty));
  if (back != nullptr) {
    gdiplus::REAL canvasWidth = 0;
    gdiplus::REAL canvasHeight = 0;
    gdiplus::GdipGetImageDimension(bitmap, &canvasWidth, &canvasHeight);
    gdiplus::GdipDrawImageRect(graphics, back, 0, 0, canvasWidth, canvasHeight);
  }
  // From the top of the Z order down, so lower controls are painted over higher ones.
  for (win32::HWND child = win32::GetWindow(window, win32::GW_CHILD); child != nullptr;
       child = win32::GetWindow(child, win32::GW_HWNDNEXT)) {
    if (win32::GetPropA(child, kTypeProperty) != nullptr)
      DrawSkinnedControl(window, child, graphics);
  }

  if (mode == ComposeMode::ReturnCanvas) {
    if (canvas != nullptr) *canvas = bitmap;
    gdiplus::GdipDeleteGraphics(graphics);
    return;
  }
  Present(window, bitmap, false);
  KitState& kit = Kit();
  if (window == kit.caretHost) {
    kit.cachedComposite.reset(bitmap);
  } else {
    gdiplus::GdipDisposeImage(bitmap);
  }
  gdiplus::GdipDeleteGraphics(graphics);
}

void Present(win32::HWND window, gdiplus::GpImage* image, bool caret) {
  if (!win32::IsWindow(window) || image == nullptr) return;
  win32::RECT rect{};
  win32::GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;

  win32::HDC windowDc = win32::GetWindowDC(window);
  win32::HDC memoryDc = win32::CreateCompatibleDC(windowDc);

  win32::BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(win32::BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // positive: rows bottom-up
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = win32::BI_RGB;
  info.bmiHeader.biSizeImage = static_cast<win32::DWORD>(width * height * 32 / 8);
  win32::HBITMAP dib =
      win32::CreateDIBSection(memoryDc, &info, win32::DIB_RGB_COLORS, nullptr, nullptr, 0);
  win32::HGDIOBJ previous = win32::SelectObject(memoryDc, dib);

  gdiplus::GpGraphics* graphics = nullptr;
  gdiplus::GdipCreateFromHDC(memoryDc, &graphics);
  win32::UINT imageWidth = 0;
  win32::UINT imageHeight = 0;
  gdiplus::GdipGetImageWidth(image, &imageWidth);
  gdiplus::GdipGetImageHeight(image, &imageHeight);
  gdiplus::GdipDrawImageRect(graphics, image, 0, 0, static_cast<gdiplus::REAL>(imageWidth),
                             static_cast<gdiplus::REAL>(imageHeight));
  if (caret) DrawCaret(window, Kit().caretControl, graphics);
  gdiplus::GdipDeleteGraphics(graphics);

  win32::SIZE size{width, height};
  win32::POINT source{0, 0};
  win32::BLENDFUNCTION blend{win32::AC_SRC_OVER, 0, 255, win32::AC_SRC_ALPHA};
  win32::UpdateLayeredWindow(window, windowDc, nullptr, &size, memoryDc, &source, 0, &blend,
                             win32::ULW_ALPHA);

  win32::SelectObject(memoryDc, previous);
  win32::DeleteObject(dib);
  win32::DeleteDC(memoryDc);
  win32::ReleaseDC(window, windowDc);
}

void DrawCaret(win32::HWND window, win32::HWND control, gdiplus::GpGraphics* graphics) {
  win32::RECT rect{};
  win32::GetWindowRect(control, &rect);
  const int height = rect.bottom - rect.top;
  win32::POINT corner{rect.left, rect.top};
  win32::ScreenToClient(window, &corner);
  win32::POINT caret{0, 0};
  win32::GetCaretPos(&caret);
  // The line is centred in the control; the caret's own vertical place is not used.
  const auto x = static_cast<int>(double(corner.x) + double(caret.x) + 5.0);
  const auto y = static_cast<int>(double(corner.y) + (double(height) - kCaretLength) / 2.0);

  gdiplus::GpPen* pen = nullptr;
  gdiplus::GdipCreatePen1(ToArgb(0, 255), 1.0f, gdiplus::UnitWorld, &pen);
  gdiplus::GdipDrawLine(graphics, pen, gdiplus::REAL(x), gdiplus::REAL(y), gdiplus::REAL(x),
                        gdiplus::REAL(y) + kCaretLength);
  gdiplus::GdipDeletePen(pen);
}

void OnBlinkTimer(win32::HWND window, win32::UINT /*message*/, win32::UINT_PTR id,
                  win32::DWORD /*time*/) {
  if (id != kBlinkTimerId) return;
  KitState& kit = Kit();
  if (window != kit.caretHost || kit.caretControl == nullptr || !kit.cachedComposite) return;
  kit.blinkPhase = (kit.blinkPhase & 1) ^ 1;
  Present(kit.caretHost, kit.cachedComposite.get(), kit.blinkPhase != 0);
}

gdiplus::ARGB ToArgb(win32::COLORREF color, int alpha) {
  const gdiplus::ARGB r = win32::GetRValue(color);
  const gdiplus::ARGB g = win32::GetGValue(color);
  const gdiplus::ARGB b = win32::GetBValue(color);
  return (b + g * 256 + r * 65536) | static_cast<gdiplus::ARGB>(alpha) << 24;
}

}  // namespace uikit
