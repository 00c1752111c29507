// Decoding pictures from streams, their sizes and formats, and frames of animated pictures.

#include <QImage>

#include <cstring>

#include "platform/win32/Memory.h"
#include "tests/platform/gdiplus/Support.h"

namespace gdiplus {
namespace {

using test::kMarker;
using test::Load;
using test::Pixel;
using test::StreamOver;

class ImageTest : public test::GdiplusTest {};

// A 3 by 2 picture with a distinct colour in each corner, to see that rows are not turned over.
QImage Corners(QImage::Format format) {
  QImage image(3, 2, format);
  image.fill(QColor(255, 255, 255));
  image.setPixelColor(0, 0, QColor(255, 0, 0));
  image.setPixelColor(2, 0, QColor(0, 255, 0));
  image.setPixelColor(0, 1, QColor(0, 0, 255));
  image.setPixelColor(2, 1, QColor(0, 0, 0));
  return image;
}

GpBitmap* AsBitmap(GpImage* image) {
  return static_cast<GpBitmap*>(image);
}

TEST_F(ImageTest, DecodesPngAndBmpUpright) {
  struct Case {
    const char* format;
    PixelFormat pixelFormat;
  };
  for (Case c : {Case{"PNG", PixelFormat24bppRGB}, Case{"BMP", PixelFormat24bppRGB}}) {
    SCOPED_TRACE(c.format);
    GpImage* image = Load(test::Encode(Corners(QImage::Format_RGB888), c.format));
    ASSERT_NE(image, nullptr);
    UINT width = kMarker, height = kMarker;
    EXPECT_EQ(GdipGetImageWidth(image, &width), Ok);
    EXPECT_EQ(GdipGetImageHeight(image, &height), Ok);
    EXPECT_EQ(width, 3u);
    EXPECT_EQ(height, 2u);
    REAL w = -1, h = -1;
    EXPECT_EQ(GdipGetImageDimension(image, &w, &h), Ok);
    EXPECT_EQ(w, 3.0f);
    EXPECT_EQ(h, 2.0f);
    PixelFormat format = PixelFormat(kMarker);
    EXPECT_EQ(GdipGetImagePixelFormat(image, &format), Ok);
    EXPECT_EQ(format, c.pixelFormat);
    EXPECT_EQ(Pixel(AsBitmap(image), 0, 0), 0xFFFF0000u);
    EXPECT_EQ(Pixel(AsBitmap(image), 2, 0), 0xFF00FF00u);
    EXPECT_EQ(Pixel(AsBitmap(image), 0, 1), 0xFF0000FFu);
    EXPECT_EQ(Pixel(AsBitmap(image), 2, 1), 0xFF000000u);
    EXPECT_EQ(Pixel(AsBitmap(image), 1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(GdipDisposeImage(image), Ok);
  }
}

// JPEG is lossy and blurs colour over small areas: halves of 8 by 8 pixels keep their colour
// near enough.
TEST_F(ImageTest, DecodesJpegUpright) {
  QImage picture(16, 8, QImage::Format_RGB888);
  picture.fill(QColor(0, 0, 255));
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) picture.setPixelColor(x, y, QColor(255, 0, 0));
  }
  GpImage* image = Load(test::Encode(picture, "JPEG"));
  ASSERT_NE(image, nullptr);
  UINT width = 0, height = 0;
  GdipGetImageWidth(image, &width);
  GdipGetImageHeight(image, &height);
  EXPECT_EQ(width, 16u);
  EXPECT_EQ(height, 8u);
  PixelFormat format = 0;
  GdipGetImagePixelFormat(image, &format);
  EXPECT_EQ(format, PixelFormat24bppRGB);
  QColor left = QColor::fromRgba(Pixel(AsBitmap(image), 2, 3));
  QColor right = QColor::fromRgba(Pixel(AsBitmap(image), 13, 4));
  EXPECT_GT(left.red(), 200);
  EXPECT_LT(left.blue(), 60);
  EXPECT_GT(right.blue(), 200);
  EXPECT_LT(right.red(), 60);
  EXPECT_EQ(left.alpha(), 255);
  GdipDisposeImage(image);
}

// PNG keeps its alpha, unpremultiplied when read back.
TEST_F(ImageTest, PngWithAlpha) {
  QImage picture(2, 1, QImage::Format_ARGB32);
  picture.setPixel(0, 0, 0x00000000);
  picture.setPixel(1, 0, 0x80FF0000);
  GpImage* image = Load(test::Encode(picture, "PNG"));
  ASSERT_NE(image, nullptr);
  PixelFormat format = 0;
  GdipGetImagePixelFormat(image, &format);
  EXPECT_EQ(format, PixelFormat32bppARGB);
  EXPECT_EQ(Pixel(AsBitmap(image), 0, 0) >> 24, 0u);
  ARGB half = Pixel(AsBitmap(image), 1, 0);
  EXPECT_EQ(half >> 24, 0x80u);
  EXPECT_EQ(half & 0x00FFFFFF, 0x00FF0000u);
  GdipDisposeImage(image);
}

TEST_F(ImageTest, DecodesFromTheStreamsPosition) {
  QByteArray png = test::Encode(Corners(QImage::Format_RGB888), "PNG");
  com::IStream* stream = StreamOver(QByteArray("junk") + png);
  com::LARGE_INTEGER skip;
  skip.QuadPart = 4;
  ASSERT_EQ(stream->Seek(skip, com::STREAM_SEEK_SET, nullptr), com::S_OK);
  GpImage* image = nullptr;
  EXPECT_EQ(GdipLoadImageFromStream(stream, &image), Ok);
  EXPECT_NE(image, nullptr);
  GdipDisposeImage(image);
  stream->Release();
}

// The image holds its own reference to the stream: the caller's release does not free the
// memory, the image's disposal does.
TEST_F(ImageTest, KeepsTheStreamAliveUntilDisposed) {
  QByteArray png = test::Encode(Corners(QImage::Format_RGB888), "PNG");
  com::IStream* stream = StreamOver(png);
  win32::HGLOBAL memory = nullptr;
  ASSERT_EQ(com::GetHGlobalFromStream(stream, &memory), com::S_OK);
  GpImage* image = nullptr;
  ASSERT_EQ(GdipLoadImageFromStream(stream, &image), Ok);
  EXPECT_EQ(stream->Release(), 1u);
  EXPECT_EQ(win32::GlobalSize(memory), win32::SIZE_T(png.size()));
  UINT width = 0;
  EXPECT_EQ(GdipGetImageWidth(image, &width), Ok);
  EXPECT_EQ(GdipDisposeImage(image), Ok);
  EXPECT_EQ(win32::GlobalSize(memory), 0u);  // the last reference went with the image
  EXPECT_EQ(win32::GlobalFree(memory), memory);
}

// What is not a picture GDI+ reads is refused and the out-argument is left alone.
TEST_F(ImageTest, RefusesWhatIsNotAPicture) {
  QByteArray png = test::Encode(Corners(QImage::Format_RGB888), "PNG");
  struct Case {
    const char* what;
    QByteArray bytes;
    GpStatus status;
  };
  const Case cases[] = {
      {"empty", QByteArray(), UnknownImageFormat},
      {"text", QByteArray("this is not a picture at all"), UnknownImageFormat},
      {"zeros", QByteArray(256, '\0'), UnknownImageFormat},
      {"an XPM, which GDI+ does not read", QByteArray("/* XPM */\nstatic char* x[] = {\n"),
       UnknownImageFormat},
      {"a PNG cut after its signature", png.left(12), GenericError},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    com::IStream* stream = StreamOver(c.bytes);
    GpImage* image = reinterpret_cast<GpImage*>(kMarker);
    EXPECT_EQ(GdipLoadImageFromStream(stream, &image), c.status);
    EXPECT_EQ(image, reinterpret_cast<GpImage*>(kMarker));
    EXPECT_EQ(stream->Release(), 0u);  // no reference was kept
  }
}

TEST_F(ImageTest, LoadRefusesNullArguments) {
  com::IStream* stream = StreamOver(test::Encode(Corners(QImage::Format_RGB888), "PNG"));
  GpImage* image = reinterpret_cast<GpImage*>(kMarker);
  EXPECT_EQ(GdipLoadImageFromStream(nullptr, &image), InvalidParameter);
  EXPECT_EQ(image, reinterpret_cast<GpImage*>(kMarker));
  EXPECT_EQ(GdipLoadImageFromStream(stream, nullptr), InvalidParameter);
  EXPECT_EQ(stream->Release(), 0u);
}

// Unknown, deleted and wrong-kind handles, and null out-arguments, are all InvalidParameter.
TEST_F(ImageTest, QueriesRefuseBadHandlesAndNullOutArguments) {
  GpImage* image = Load(test::Encode(Corners(QImage::Format_RGB888), "PNG"));
  GpImage* disposed = Load(test::Encode(Corners(QImage::Format_RGB888), "PNG"));
  ASSERT_EQ(GdipDisposeImage(disposed), Ok);
  GpSolidFill* brush = nullptr;
  ASSERT_EQ(GdipCreateSolidFill(0, &brush), Ok);
  GpImage* wrongKind = reinterpret_cast<GpImage*>(brush);
  for (GpImage* bad :
       {static_cast<GpImage*>(nullptr), disposed, wrongKind, reinterpret_cast<GpImage*>(0x12345)}) {
    UINT u = kMarker;
    REAL w = -1, h = -1;
    PixelFormat f = PixelFormat(kMarker);
    EXPECT_EQ(GdipGetImageWidth(bad, &u), InvalidParameter);
    EXPECT_EQ(GdipGetImageHeight(bad, &u), InvalidParameter);
    EXPECT_EQ(GdipGetImageDimension(bad, &w, &h), InvalidParameter);
    EXPECT_EQ(GdipGetImagePixelFormat(bad, &f), InvalidParameter);
    EXPECT_EQ(GdipImageGetFrameCount(bad, &FrameDimensionPage, &u), InvalidParameter);
    EXPECT_EQ(GdipImageSelectActiveFrame(bad, &FrameDimensionPage, 0), InvalidParameter);
    EXPECT_EQ(GdipDisposeImage(bad), InvalidParameter);
    EXPECT_EQ(u, kMarker);
    EXPECT_EQ(w, -1.0f);
    EXPECT_EQ(f, PixelFormat(kMarker));
  }
  REAL r = 0;
  EXPECT_EQ(GdipGetImageWidth(image, nullptr), InvalidParameter);
  EXPECT_EQ(GdipGetImageHeight(image, nullptr), InvalidParameter);
  EXPECT_EQ(GdipGetImageDimension(image, nullptr, &r), InvalidParameter);
  EXPECT_EQ(GdipGetImageDimension(image, &r, nullptr), InvalidParameter);
  EXPECT_EQ(GdipGetImagePixelFormat(image, nullptr), InvalidParameter);
  EXPECT_EQ(GdipImageGetFrameCount(image, &FrameDimensionPage, nullptr), InvalidParameter);
  EXPECT_EQ(GdipDeleteBrush(brush), Ok);
  EXPECT_EQ(GdipDisposeImage(image), Ok);
  EXPECT_EQ(GdipDisposeImage(image), InvalidParameter);  // twice: the handle is gone
}

TEST_F(ImageTest, AnimatedGifStartsOnItsFirstFrame) {
  GpImage* image = Load(test::AnimatedGif());
  ASSERT_NE(image, nullptr);
  UINT width = 0, height = 0, count = kMarker;
  GdipGetImageWidth(image, &width);
  GdipGetImageHeight(image, &height);
  EXPECT_EQ(width, 2u);
  EXPECT_EQ(height, 2u);
  EXPECT_EQ(GdipImageGetFrameCount(image, &FrameDimensionTime, &count), Ok);
  EXPECT_EQ(count, 3u);
  PixelFormat format = 0;
  GdipGetImagePixelFormat(image, &format);
  EXPECT_EQ(format, PixelFormat8bppIndexed);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 2; ++x) EXPECT_EQ(Pixel(AsBitmap(image), x, y), 0xFFFF0000u);
  }
  GdipDisposeImage(image);
}

TEST_F(ImageTest, SelectingAFrameDecodesIt) {
  GpImage* image = Load(test::AnimatedGif());
  ASSERT_NE(image, nullptr);
  struct Case {
    UINT frame;
    ARGB color;
  };
  for (Case c : {Case{1, 0xFF0000FF}, Case{2, 0xFF00FF00}, Case{0, 0xFFFF0000}, Case{2, 0xFF00FF00},
                 Case{2, 0xFF00FF00}}) {
    SCOPED_TRACE(c.frame);
    ASSERT_EQ(GdipImageSelectActiveFrame(image, &FrameDimensionTime, c.frame), Ok);
    EXPECT_EQ(Pixel(AsBitmap(image), 0, 0), c.color);
    EXPECT_EQ(Pixel(AsBitmap(image), 1, 1), c.color);
  }
  GdipDisposeImage(image);
}

// A frame that does not exist, a null dimension or one the image does not have: refused, and
// the active frame stays.
TEST_F(ImageTest, SelectingABadFrameChangesNothing) {
  GpImage* image = Load(test::AnimatedGif());
  ASSERT_NE(image, nullptr);
  ASSERT_EQ(GdipImageSelectActiveFrame(image, &FrameDimensionTime, 1), Ok);
  EXPECT_EQ(GdipImageSelectActiveFrame(image, &FrameDimensionTime, 3), InvalidParameter);
  EXPECT_EQ(GdipImageSelectActiveFrame(image, &FrameDimensionTime, 0xFFFFFFFF), InvalidParameter);
  EXPECT_EQ(GdipImageSelectActiveFrame(image, nullptr, 0), InvalidParameter);
  EXPECT_EQ(GdipImageSelectActiveFrame(image, &FrameDimensionPage, 0), InvalidParameter);
  UINT count = kMarker;
  EXPECT_EQ(GdipImageGetFrameCount(image, nullptr, &count), InvalidParameter);
  EXPECT_EQ(GdipImageGetFrameCount(image, &FrameDimensionPage, &count), InvalidParameter);
  EXPECT_EQ(count, kMarker);
  EXPECT_EQ(Pixel(AsBitmap(image), 0, 0), 0xFF0000FFu);
  GdipDisposeImage(image);
}

// A GIF always runs in time, even with one frame; other pictures have one page. The kit selects
// frame 0 of the time dimension on every picture it decodes: a PNG refuses it and stays as
// loaded.
TEST_F(ImageTest, SingleFramePictures) {
  GpImage* gif = Load(test::SingleFrameGif());
  ASSERT_NE(gif, nullptr);
  UINT count = kMarker;
  EXPECT_EQ(GdipImageGetFrameCount(gif, &FrameDimensionTime, &count), Ok);
  EXPECT_EQ(count, 1u);
  EXPECT_EQ(GdipImageSelectActiveFrame(gif, &FrameDimensionTime, 0), Ok);
  EXPECT_EQ(GdipImageSelectActiveFrame(gif, &FrameDimensionTime, 1), InvalidParameter);
  EXPECT_EQ(Pixel(AsBitmap(gif), 1, 1), 0xFF0000FFu);
  GdipDisposeImage(gif);

  GpImage* png = Load(test::Encode(Corners(QImage::Format_RGB888), "PNG"));
  ASSERT_NE(png, nullptr);
  count = kMarker;
  EXPECT_EQ(GdipImageGetFrameCount(png, &FrameDimensionPage, &count), Ok);
  EXPECT_EQ(count, 1u);
  EXPECT_EQ(GdipImageSelectActiveFrame(png, &FrameDimensionPage, 0), Ok);
  EXPECT_EQ(GdipImageSelectActiveFrame(png, &FrameDimensionTime, 0), InvalidParameter);
  UINT width = 0;
  GdipGetImageWidth(png, &width);
  EXPECT_EQ(width, 3u);
  EXPECT_EQ(Pixel(AsBitmap(png), 0, 0), 0xFFFF0000u);
  GdipDisposeImage(png);
}

}  // namespace
}  // namespace gdiplus
