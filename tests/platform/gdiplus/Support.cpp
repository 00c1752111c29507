// Shared pieces of the GDI+ tests.

#include "tests/platform/gdiplus/Support.h"

#include <QBuffer>

#include <cstring>

#include "platform/win32/Memory.h"

namespace gdiplus::test {

void GdiplusTest::SetUp() {
  GdiplusStartupInput input{1, nullptr, win32::FALSE, win32::FALSE};
  ASSERT_EQ(GdiplusStartup(&token_, &input, nullptr), Ok);
}

void GdiplusTest::TearDown() {
  GdiplusShutdown(token_);
}

com::IStream* StreamOver(const QByteArray& bytes) {
  win32::HGLOBAL memory = win32::GlobalAlloc(win32::GMEM_MOVEABLE, win32::SIZE_T(bytes.size()));
  if (!bytes.isEmpty()) {
    std::memcpy(win32::GlobalLock(memory), bytes.constData(), std::size_t(bytes.size()));
    win32::GlobalUnlock(memory);
  }
  com::IStream* stream = nullptr;
  EXPECT_EQ(com::CreateStreamOnHGlobal(memory, win32::TRUE, &stream), com::S_OK);
  return stream;
}

QByteArray Encode(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, format, format == QByteArray("JPEG") ? 100 : -1));
  return bytes;
}

namespace {

// Header, logical screen of 2 by 2, and a global table of four colours: red, blue, green, white.
QByteArray GifHead() {
  return QByteArray("GIF89a\x02\x00\x02\x00\x91\x00\x00", 13) +
         QByteArray("\xFF\x00\x00\x00\x00\xFF\x00\xFF\x00\xFF\xFF\xFF", 12);
}

// One frame, with its control extension (10/100 s), covering the screen with one colour index.
// The LZW data (minimum code size 2) is: clear, i, i i, i, end of information.
QByteArray GifFrame(char lzw0, char lzw1) {
  QByteArray frame("\x21\xF9\x04\x00\x0A\x00\x00\x00", 8);
  frame += QByteArray("\x2C\x00\x00\x00\x00\x02\x00\x02\x00\x00", 10);
  frame += QByteArray("\x02\x02", 2);
  frame += lzw0;
  frame += lzw1;
  frame += '\0';
  return frame;
}

}  // namespace

QByteArray AnimatedGif() {
  QByteArray loop("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
  return GifHead() + loop + GifFrame('\x84', '\x51') + GifFrame('\x8C', '\x53') +
         GifFrame('\x94', '\x55') + ';';
}

QByteArray SingleFrameGif() {
  return GifHead() + GifFrame('\x8C', '\x53') + ';';
}

GpImage* Load(const QByteArray& bytes) {
  com::IStream* stream = StreamOver(bytes);
  GpImage* image = nullptr;
  EXPECT_EQ(GdipLoadImageFromStream(stream, &image), Ok);
  stream->Release();  // the image holds its own reference
  return image;
}

GpBitmap* NewBitmap(int width, int height, GpGraphics** graphics) {
  GpBitmap* bitmap = nullptr;
  EXPECT_EQ(GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &bitmap),
            Ok);
  if (graphics != nullptr) {
    EXPECT_EQ(GdipGetImageGraphicsContext(bitmap, graphics), Ok);
  }
  return bitmap;
}

ARGB Pixel(GpBitmap* bitmap, int x, int y) {
  ARGB color = kMarker;
  EXPECT_EQ(GdipBitmapGetPixel(bitmap, x, y, &color), Ok) << "at " << x << "," << y;
  return color;
}

QRect Inked(GpBitmap* bitmap) {
  UINT width = 0, height = 0;
  GdipGetImageWidth(bitmap, &width);
  GdipGetImageHeight(bitmap, &height);
  QRect box;
  for (int y = 0; y < int(height); ++y) {
    for (int x = 0; x < int(width); ++x) {
      ARGB color = 0;
      GdipBitmapGetPixel(bitmap, x, y, &color);
      if ((color >> 24) != 0) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

}  // namespace gdiplus::test
