// DecodeImage and DisposeImage: image-file bytes to GDI+ images, and the stream behind each.
#include "uikit/Decode.h"

#include <gtest/gtest.h>

#include "platform/win32/Memory.h"
#include "tests/uikit/KitTest.h"
#include "uikit/FrameDimension.h"
#include "uikit/KitState.h"

namespace {

using namespace kit_test;

// A 2 x 2 GIF of two frames, the first all red, the second all green (written by hand: a
// four-colour table, a loop extension, and each frame's codes with a clear code before each
// pixel so the code size stays at 3 bits).
const std::uint8_t kTwoFrameGif[] = {
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x02, 0x00, 0x02, 0x00, 0xF1, 0x00, 0x00, 0xFF, 0x00, 0x00,
    0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x21, 0xFF, 0x0B, 0x4E, 0x45, 0x54, 0x53,
    0x43, 0x41, 0x50, 0x45, 0x32, 0x2E, 0x30, 0x03, 0x01, 0x00, 0x00, 0x00, 0x21, 0xF9, 0x04, 0x04,
    0x0A, 0x00, 0x00, 0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x02, 0x00, 0x00, 0x02, 0x04,
    0x04, 0x41, 0x10, 0x05, 0x00, 0x21, 0xF9, 0x04, 0x04, 0x0A, 0x00, 0x00, 0x00, 0x2C, 0x00, 0x00,
    0x00, 0x00, 0x02, 0x00, 0x02, 0x00, 0x00, 0x02, 0x04, 0x0C, 0xC3, 0x30, 0x05, 0x00, 0x3B};

class Decode : public ::testing::Test {
 protected:
  void SetUp() override { StartKit(); }
};

TEST_F(Decode, PngBecomesAnImageOfItsOwnSize) {
  QImage picture = Halves(7, 5, 0xFFFF0000, 0x800000FF);
  gdiplus::GpImage* image = uikit::DecodeImage(PngBytes(picture));
  ASSERT_NE(image, nullptr);
  win32::UINT width = 0, height = 0;
  EXPECT_EQ(gdiplus::GdipGetImageWidth(image, &width), gdiplus::Ok);
  EXPECT_EQ(gdiplus::GdipGetImageHeight(image, &height), gdiplus::Ok);
  EXPECT_EQ(width, 7u);
  EXPECT_EQ(height, 5u);
  EXPECT_EQ(BitmapPixel(image, 0, 0), 0xFFFF0000u);
  EXPECT_EQ(BitmapPixel(image, 6, 4), 0x800000FFu);
  uikit::DisposeImage(image);
}

TEST_F(Decode, WhatIsNoImageDecodesToNull) {
  const std::size_t sources = uikit::Kit().imageSources.size();
  const bytes::ByteBlock garbage("this is not a picture, only some text bytes");
  bytes::ByteBlock truncated = PngBytes(Solid(4, 4, 0xFF00FF00));
  truncated = bytes::ByteBlock(truncated.data(), 20);
  EXPECT_EQ(uikit::DecodeImage(bytes::ByteBlock()), nullptr);
  EXPECT_EQ(uikit::DecodeImage(bytes::ByteBlockView()), nullptr);
  EXPECT_EQ(uikit::DecodeImage(garbage), nullptr);
  EXPECT_EQ(uikit::DecodeImage(truncated), nullptr);
  EXPECT_EQ(uikit::Kit().imageSources.size(), sources) << "a failed decode keeps no stream";
}

TEST_F(Decode, AnimatedGifShowsItsFirstFrame) {
  gdiplus::GpImage* image =
      uikit::DecodeImage(bytes::ByteBlockView(kTwoFrameGif, sizeof(kTwoFrameGif)));
  ASSERT_NE(image, nullptr);
  win32::UINT frames = 0;
  EXPECT_EQ(gdiplus::GdipImageGetFrameCount(image, &gdiplus::FrameDimensionTime, &frames),
            gdiplus::Ok);
  EXPECT_EQ(frames, 2u);
  EXPECT_EQ(BitmapPixel(image, 1, 1), 0xFFFF0000u) << "first frame: red";
  // The second frame is there to be chosen: the selection above was not a no-op by chance.
  EXPECT_EQ(gdiplus::GdipImageSelectActiveFrame(image, &gdiplus::FrameDimensionTime, 1),
            gdiplus::Ok);
  EXPECT_EQ(BitmapPixel(image, 1, 1), 0xFF00FF00u) << "second frame: green";
  uikit::DisposeImage(image);
}

TEST_F(Decode, StillDecodesWithoutAFrameDimension) {
  // The frame selection then fails with a null dimension; the image stays as loaded.
  uikit::FreeFrameDimension();
  gdiplus::GpImage* image = DecodedImage(Solid(3, 2, 0xFF123456));
  uikit::PrepareFrameDimension();
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(BitmapPixel(image, 2, 1), 0xFF123456u);
  uikit::DisposeImage(image);
}

TEST_F(Decode, ImageOutlivesTheCallersBytes) {
  gdiplus::GpImage* image = nullptr;
  {
    bytes::ByteBlock png = PngBytes(Solid(6, 6, 0xFF0000FF));
    image = uikit::DecodeImage(png);
    std::fill(png.data(), png.data() + png.size(), 0);
  }
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(BitmapPixel(image, 5, 5), 0xFF0000FFu);
  uikit::DisposeImage(image);
}

TEST_F(Decode, DisposeImageDisposesThenReleasesTheStream) {
  gdiplus::GpImage* image = DecodedImage(Solid(4, 4, 0xFFFFFFFF));
  ASSERT_NE(image, nullptr);
  auto found = uikit::Kit().imageSources.find(image);
  ASSERT_NE(found, uikit::Kit().imageSources.end());
  win32::HGLOBAL memory = found->second->stream.memory();
  EXPECT_EQ(win32::GlobalSize(memory), PngBytes(Solid(4, 4, 0xFFFFFFFF)).size())
      << "the stream holds a copy of the whole file";
  uikit::DisposeImage(image);
  EXPECT_FALSE(ImageAlive(image));
  EXPECT_EQ(win32::GlobalSize(memory), 0u);
  EXPECT_FALSE(uikit::Kit().imageSources.contains(image));
  uikit::DisposeImage(nullptr);  // nothing
}

TEST_F(Decode, DisposeImageOfAnotherImageJustDisposesIt) {
  gdiplus::GpBitmap* bitmap = nullptr;
  ASSERT_EQ(
      gdiplus::GdipCreateBitmapFromScan0(2, 2, 0, gdiplus::PixelFormat32bppARGB, nullptr, &bitmap),
      gdiplus::Ok);
  uikit::DisposeImage(bitmap);
  EXPECT_FALSE(ImageAlive(bitmap));
}

TEST(FrameDimension, HoldsTheTimeDimensionFromStartUpOn) {
  StartKit();
  ASSERT_NE(uikit::FrameDimension(), nullptr);
  EXPECT_EQ(*uikit::FrameDimension(), gdiplus::FrameDimensionTime);
  uikit::PrepareFrameDimension();  // again: a fresh block with the same bytes
  ASSERT_NE(uikit::FrameDimension(), nullptr);
  EXPECT_EQ(*uikit::FrameDimension(), gdiplus::FrameDimensionTime);
  uikit::FreeFrameDimension();
  EXPECT_EQ(uikit::FrameDimension(), nullptr);
  uikit::PrepareFrameDimension();
  EXPECT_EQ(*uikit::FrameDimension(), gdiplus::FrameDimensionTime);
}

}  // namespace
