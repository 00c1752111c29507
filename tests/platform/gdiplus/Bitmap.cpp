// Bitmaps made from pixel memory, and reading their pixels.

#include <cstring>
#include <vector>

#include "tests/platform/gdiplus/Support.h"

namespace gdiplus {
namespace {

using test::kMarker;
using test::Pixel;

class BitmapTest : public test::GdiplusTest {};

TEST_F(BitmapTest, OwnMemoryStartsFullyTransparentOrBlack) {
  struct Case {
    PixelFormat format;
    ARGB expected;
  };
  for (Case c : {Case{PixelFormat32bppARGB, 0x00000000}, Case{PixelFormat32bppPARGB, 0x00000000},
                 Case{PixelFormat32bppRGB, 0xFF000000}, Case{PixelFormat24bppRGB, 0xFF000000}}) {
    SCOPED_TRACE(c.format);
    GpBitmap* bitmap = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromScan0(5, 3, 0, c.format, nullptr, &bitmap), Ok);
    UINT width = 0, height = 0;
    PixelFormat format = 0;
    GdipGetImageWidth(bitmap, &width);
    GdipGetImageHeight(bitmap, &height);
    GdipGetImagePixelFormat(bitmap, &format);
    EXPECT_EQ(width, 5u);
    EXPECT_EQ(height, 3u);
    EXPECT_EQ(format, c.format);
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 5; ++x) EXPECT_EQ(Pixel(bitmap, x, y), c.expected);
    }
    UINT count = kMarker;
    EXPECT_EQ(GdipImageGetFrameCount(bitmap, &FrameDimensionPage, &count), Ok);
    EXPECT_EQ(count, 1u);
    EXPECT_EQ(GdipDisposeImage(bitmap), Ok);
  }
}

TEST_F(BitmapTest, RefusesBadSizesFormatsAndStrides) {
  std::vector<BYTE> memory(64 * 4);
  struct Case {
    INT width, height, stride;
    PixelFormat format;
    BYTE* scan0;
    GpStatus status;
  };
  const Case cases[] = {
      {0, 4, 0, PixelFormat32bppARGB, nullptr, InvalidParameter},
      {4, 0, 0, PixelFormat32bppARGB, nullptr, InvalidParameter},
      {-1, 4, 0, PixelFormat32bppARGB, nullptr, InvalidParameter},
      {4, -3, 0, PixelFormat32bppARGB, nullptr, InvalidParameter},
      {4, 4, 0, 0, nullptr, InvalidParameter},
      {4, 4, 0, 0x12345678, nullptr, InvalidParameter},
      {4, 4, 0, PixelFormat32bppARGB, memory.data(), InvalidParameter},       // no stride
      {4, 4, 18, PixelFormat32bppARGB, memory.data(), InvalidParameter},      // not a multiple of 4
      {4, 4, 12, PixelFormat32bppARGB, memory.data(), InvalidParameter},      // shorter than a row
      {4, 4, -16, PixelFormat32bppARGB, memory.data() + 48, NotImplemented},  // bottom-up rows
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " stride " << c.stride);
    GpBitmap* bitmap = reinterpret_cast<GpBitmap*>(kMarker);
    EXPECT_EQ(GdipCreateBitmapFromScan0(c.width, c.height, c.stride, c.format, c.scan0, &bitmap),
              c.status);
    EXPECT_EQ(bitmap, reinterpret_cast<GpBitmap*>(kMarker));
  }
  EXPECT_EQ(GdipCreateBitmapFromScan0(4, 4, 0, PixelFormat32bppARGB, nullptr, nullptr),
            InvalidParameter);
}

// Over the caller's memory the bitmap reads and writes that memory in GDI+'s byte order.
TEST_F(BitmapTest, WrapsTheCallersMemory) {
  constexpr int kStride = 16;  // 3 pixels of 4 bytes and 4 bytes of padding per row
  std::vector<std::uint32_t> memory(kStride / 4 * 2, 0);
  memory[0] = 0xFF112233;
  memory[kStride / 4 + 2] = 0x80402010;  // unpremultiplied in 32bppARGB
  GpBitmap* bitmap = nullptr;
  ASSERT_EQ(GdipCreateBitmapFromScan0(3, 2, kStride, PixelFormat32bppARGB,
                                      reinterpret_cast<BYTE*>(memory.data()), &bitmap),
            Ok);
  EXPECT_EQ(Pixel(bitmap, 0, 0), 0xFF112233u);
  EXPECT_EQ(Pixel(bitmap, 2, 1), 0x80402010u);
  GpGraphics* graphics = nullptr;
  ASSERT_EQ(GdipGetImageGraphicsContext(bitmap, &graphics), Ok);
  ASSERT_EQ(GdipGraphicsClear(graphics, 0xFFABCDEF), Ok);
  EXPECT_EQ(memory[0], 0xFFABCDEFu);
  EXPECT_EQ(memory[kStride / 4 + 2], 0xFFABCDEFu);
  EXPECT_EQ(memory[3], 0u);  // the padding is not touched
  GdipDeleteGraphics(graphics);
  GdipDisposeImage(bitmap);
}

// 24bppRGB memory is three bytes a pixel, blue first, and rows padded to four bytes.
TEST_F(BitmapTest, WrapsTwentyFourBitMemory) {
  std::uint8_t memory[2 * 8] = {0x10, 0x20, 0x30};
  GpBitmap* bitmap = nullptr;
  ASSERT_EQ(GdipCreateBitmapFromScan0(2, 2, 8, PixelFormat24bppRGB, memory, &bitmap), Ok);
  EXPECT_EQ(Pixel(bitmap, 0, 0), 0xFF302010u);
  GpGraphics* graphics = nullptr;
  ASSERT_EQ(GdipGetImageGraphicsContext(bitmap, &graphics), Ok);
  GpSolidFill* brush = nullptr;
  GdipCreateSolidFill(0xFFAABBCC, &brush);
  ASSERT_EQ(GdipFillRectangle(graphics, brush, 1, 1, 1, 1), Ok);
  EXPECT_EQ(memory[8 + 3], 0xCC);
  EXPECT_EQ(memory[8 + 4], 0xBB);
  EXPECT_EQ(memory[8 + 5], 0xAA);
  EXPECT_EQ(memory[6], 0);  // padding
  EXPECT_EQ(Pixel(bitmap, 1, 1), 0xFFAABBCCu);
  GdipDeleteBrush(brush);
  GdipDeleteGraphics(graphics);
  GdipDisposeImage(bitmap);
}

// 32bppPARGB memory holds premultiplied pixels; GetPixel gives them unpremultiplied.
TEST_F(BitmapTest, PremultipliedMemoryReadsUnpremultiplied) {
  std::uint32_t memory[2] = {0x80800000, 0x00000000};
  GpBitmap* bitmap = nullptr;
  ASSERT_EQ(GdipCreateBitmapFromScan0(2, 1, 8, PixelFormat32bppPARGB,
                                      reinterpret_cast<BYTE*>(memory), &bitmap),
            Ok);
  ARGB half = Pixel(bitmap, 0, 0);
  EXPECT_EQ(half >> 24, 0x80u);
  EXPECT_NEAR(int((half >> 16) & 0xFF), 255, 1);
  EXPECT_EQ(half & 0xFFFF, 0u);
  EXPECT_EQ(Pixel(bitmap, 1, 0) >> 24, 0u);
  GdipDisposeImage(bitmap);
}

TEST_F(BitmapTest, GetPixelRefusesOutsidePointsBadHandlesAndNullColour) {
  GpBitmap* bitmap = test::NewBitmap(4, 3, nullptr);
  struct Point {
    INT x, y;
  };
  for (Point p : {Point{-1, 0}, Point{0, -1}, Point{4, 0}, Point{0, 3}, Point{100, 100}}) {
    ARGB color = kMarker;
    EXPECT_EQ(GdipBitmapGetPixel(bitmap, p.x, p.y, &color), InvalidParameter);
    EXPECT_EQ(color, kMarker);
  }
  EXPECT_EQ(GdipBitmapGetPixel(bitmap, 3, 2, nullptr), InvalidParameter);
  ARGB color = kMarker;
  EXPECT_EQ(GdipBitmapGetPixel(nullptr, 0, 0, &color), InvalidParameter);
  GdipDisposeImage(bitmap);
  EXPECT_EQ(GdipBitmapGetPixel(bitmap, 0, 0, &color), InvalidParameter);
  EXPECT_EQ(color, kMarker);
}

}  // namespace
}  // namespace gdiplus
