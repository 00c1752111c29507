#include "tests/uikit/KitTest.h"

#include <QBuffer>
#include <QTest>

#include "platform/win32/Window.h"
#include "platform/win32/internal/Peer.h"
#include "uikit/Decode.h"
#include "uikit/FrameDimension.h"
#include "uikit/Kit.h"

namespace kit_test {

namespace {

constexpr char kTestClass[] = "UikitTestWindow";

void RegisterTestClass() {
  static bool registered = false;
  if (registered) return;
  win32::WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = win32::DefWindowProcA;
  wc.hInstance = win32::GetModuleHandleA(nullptr);
  wc.lpszClassName = kTestClass;
  registered = win32::RegisterClassExA(&wc) != 0;
}

}  // namespace

void StartKit() {
  static bool started = false;
  if (!started || uikit::FrameDimension() == nullptr) uikit::KitStartup();
  started = true;
}

TestWindow::TestWindow(int x, int y, int width, int height, win32::DWORD exStyle) {
  RegisterTestClass();
  handle_ = win32::CreateWindowExA(exStyle, kTestClass, "", win32::WS_POPUP, x, y, width, height,
                                   nullptr, nullptr, win32::GetModuleHandleA(nullptr), nullptr);
}

TestWindow::~TestWindow() {
  Destroy();
}

void TestWindow::Destroy() {
  if (handle_ != nullptr && win32::IsWindow(handle_)) win32::DestroyWindow(handle_);
  handle_ = nullptr;
}

win32::HWND CreateChild(win32::HWND parent, const char* className, int x, int y, int width,
                        int height, const char* text) {
  RegisterTestClass();
  return win32::CreateWindowExA(0, className, text, win32::WS_CHILD | win32::WS_VISIBLE, x, y,
                                width, height, parent, nullptr, win32::GetModuleHandleA(nullptr),
                                nullptr);
}

QImage Solid(int width, int height, QRgb color) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(QColor::fromRgba(color));
  return image;
}

QImage Halves(int width, int height, QRgb left, QRgb right) {
  QImage image(width, height, QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.setPixel(x, y, x < width / 2 ? left : right);
  }
  return image;
}

bytes::ByteBlock PngBytes(const QImage& image) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes::ByteBlock(data.constData(), static_cast<std::size_t>(data.size()));
}

gdiplus::GpImage* DecodedImage(const QImage& image) {
  return uikit::DecodeImage(PngBytes(image));
}

std::uint32_t Presented(win32::HWND window, int x, int y) {
  const QImage* picture = win32::internal::PresentedPicture(window);
  if (picture == nullptr || !picture->valid(x, y)) return 0;
  const QImage premultiplied = picture->format() == QImage::Format_ARGB32_Premultiplied
                                   ? *picture
                                   : picture->convertToFormat(QImage::Format_ARGB32_Premultiplied);
  return reinterpret_cast<const std::uint32_t*>(premultiplied.constScanLine(y))[x];
}

QSize PresentedSize(win32::HWND window) {
  const QImage* picture = win32::internal::PresentedPicture(window);
  return picture == nullptr ? QSize(0, 0) : picture->size();
}

std::uint32_t BitmapPixel(gdiplus::GpImage* image, int x, int y) {
  gdiplus::ARGB color = 0xdeadbeef;
  gdiplus::GdipBitmapGetPixel(static_cast<gdiplus::GpBitmap*>(image), x, y, &color);
  return color;
}

bool ImageAlive(gdiplus::GpImage* image) {
  win32::UINT width = 0;
  return gdiplus::GdipGetImageWidth(image, &width) == gdiplus::Ok;
}

void RunEvents(int milliseconds) {
  QTest::qWait(milliseconds);
}

}  // namespace kit_test
