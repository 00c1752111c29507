// Graphics on bitmaps: clearing and drawing images, scaled, cropped and blended.

#include <QImage>

#include "tests/platform/gdiplus/Support.h"

namespace gdiplus {
namespace {

using test::kMarker;
using test::Pixel;

constexpr ARGB kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;

class GraphicsTest : public test::GdiplusTest {
 protected:
  // A picture of `width` by `height` whose pixels are given row by row.
  GpImage* Picture(int width, int height, std::initializer_list<ARGB> pixels) {
    QImage image(width, height, QImage::Format_ARGB32);
    auto it = pixels.begin();
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) image.setPixel(x, y, *it++);
    }
    return test::Load(test::Encode(image, "PNG"));
  }
};

// Every pixel of `bitmap` outside `inside` is fully transparent.
void ExpectClearOutside(GpBitmap* bitmap, QRect inside) {
  UINT width = 0, height = 0;
  GdipGetImageWidth(bitmap, &width);
  GdipGetImageHeight(bitmap, &height);
  for (int y = 0; y < int(height); ++y) {
    for (int x = 0; x < int(width); ++x) {
      if (!inside.contains(x, y)) {
        EXPECT_EQ(Pixel(bitmap, x, y), 0u) << "at " << x << "," << y;
      }
    }
  }
}

TEST_F(GraphicsTest, ImageContextRefusesBadArguments) {
  GpGraphics* graphics = reinterpret_cast<GpGraphics*>(kMarker);
  EXPECT_EQ(GdipGetImageGraphicsContext(nullptr, &graphics), InvalidParameter);
  EXPECT_EQ(GdipGetImageGraphicsContext(reinterpret_cast<GpImage*>(0x777), &graphics),
            InvalidParameter);
  GpBitmap* bitmap = test::NewBitmap(2, 2, nullptr);
  EXPECT_EQ(GdipGetImageGraphicsContext(bitmap, nullptr), InvalidParameter);
  // GDI+ cannot draw into palette pixels.
  GpImage* gif = test::Load(test::AnimatedGif());
  EXPECT_EQ(GdipGetImageGraphicsContext(gif, &graphics), OutOfMemory);
  EXPECT_EQ(graphics, reinterpret_cast<GpGraphics*>(kMarker));
  GdipDisposeImage(gif);
  GdipDisposeImage(bitmap);
}

TEST_F(GraphicsTest, DeleteGraphicsOnceOnly) {
  GpGraphics* graphics = nullptr;
  GpBitmap* bitmap = test::NewBitmap(2, 2, &graphics);
  EXPECT_EQ(GdipDeleteGraphics(graphics), Ok);
  EXPECT_EQ(GdipDeleteGraphics(graphics), InvalidParameter);
  EXPECT_EQ(GdipDeleteGraphics(nullptr), InvalidParameter);
  EXPECT_EQ(GdipDeleteGraphics(reinterpret_cast<GpGraphics*>(bitmap)), InvalidParameter);
  EXPECT_EQ(GdipGraphicsClear(graphics, kRed), InvalidParameter);
  GdipDisposeImage(bitmap);
}

// A graphics whose bitmap has been disposed draws nothing and says so.
TEST_F(GraphicsTest, GraphicsOfADisposedBitmap) {
  GpGraphics* graphics = nullptr;
  GpBitmap* bitmap = test::NewBitmap(2, 2, &graphics);
  GdipDisposeImage(bitmap);
  EXPECT_EQ(GdipGraphicsClear(graphics, kRed), InvalidParameter);
  EXPECT_EQ(GdipDeleteGraphics(graphics), Ok);
}

TEST_F(GraphicsTest, ClearReplacesEveryPixelAlphaIncluded) {
  GpGraphics* graphics = nullptr;
  GpBitmap* bitmap = test::NewBitmap(3, 2, &graphics);
  ASSERT_EQ(GdipGraphicsClear(graphics, kWhite), Ok);
  ASSERT_EQ(GdipGraphicsClear(graphics, 0x80FF0000), Ok);  // replaced, not blended
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) {
      ARGB c = Pixel(bitmap, x, y);
      EXPECT_EQ(c >> 24, 0x80u);
      EXPECT_NEAR(int((c >> 16) & 0xFF), 255, 1);
      EXPECT_EQ(c & 0xFFFF, 0u);
    }
  }
  ASSERT_EQ(GdipGraphicsClear(graphics, 0), Ok);
  ExpectClearOutside(bitmap, QRect());
  GdipDeleteGraphics(graphics);
  GdipDisposeImage(bitmap);
}

// At its own size and an integer position an image is copied pixel for pixel.
TEST_F(GraphicsTest, DrawImageRectUnscaledIsExact) {
  GpImage* image = Picture(3, 2, {kRed, kGreen, kBlue, kWhite, 0xFF000000, 0xFF123456});
  GpGraphics* graphics = nullptr;
  GpBitmap* bitmap = test::NewBitmap(7, 5, &graphics);
  ASSERT_EQ(GdipDrawImageRect(graphics, image, 2, 1, 3, 2), Ok);
  EXPECT_EQ(Pixel(bitmap, 2, 1), kRed);
  EXPECT_EQ(Pixel(bitmap, 3, 1), kGreen);
  EXPECT_EQ(Pixel(bitmap, 4, 1), kBlue);
  EXPECT_EQ(Pixel(bitmap, 2, 2), kWhite);
  EXPECT_EQ(Pixel(bitmap, 3, 2), 0xFF000000u);
  EXPECT_EQ(Pixel(bitmap, 4, 2), 0xFF123456u);
  ExpectClearOutside(bitmap, QRect(2, 1, 3, 2));
  GdipDeleteGraphics(graphics);
  GdipDisposeImage(bitmap);
  GdipDisposeImage(image);
}

// Images blend source-over: a half-transparent red over opaque white gives opaque pink, and
// over nothing keeps its own alpha.
TEST_F(GraphicsTest, DrawImageBlendsSourceOver) {
  GpImage* image = Picture(1, 1, {0x80FF0000});
  GpGraphics* graphics = nullptr;
  GpBitmap* bitmap = test::NewBitmap(2, 1, &graphics);
  GpSolidFill* white = nullptr;
  GdipCreateSolidFill(kWhite, &white);
  GdipFillRectangle(graphics, white, 0, 0, 1, 1);
  ASSERT_EQ(GdipDrawImageRect(graphics, image, 0, 0, 1, 1), Ok);
  ASSERT_EQ(GdipDrawImageRect(graphics, image, 1, 0, 1, 1), Ok);
  ARGB over = Pixel(bitmap, 0, 0);
  EXPECT_EQ(over >> 24, 0xFFu);
  EXPECT_NEAR(int((over >> 16) & 0xFF), 255, 1);
  EXPECT_NEAR(int((over >> 8) & 0xFF), 127, 1);
  EXPECT_NEAR(int(over & 0xFF), 127, 1);
  ARGB alone = Pixel(bitmap, 1, 0);
  EXPECT_EQ(alone >> 24, 0x80u);
  EXPECT_NEAR(int((alone >> 16) & 0xFF), 255, 1);
  GdipDeleteBrush(white);
  GdipDeleteGraphics(graphics);
  GdipDisposeImage(bitmap);
  GdipDisposeImage(image);
}

// A stretched image fills exactly its rectangle; its corners keep the corner colours (the filter
// clamps at the edges, so no faded border) and nothing spills over.
TEST_F(GraphicsTest, DrawImageRectStretches) {
  GpImage* image = Picture(2, 2, {kRed, kGreen, kBlue, kWhite});
  GpGraphics* graphics = nullptr;
  GpBitmap* bitmap = test::NewBitmap(10, 8, &graphics);
  ASSERT_EQ(GdipDrawImageRect(graphics, image, 1, 2, 8, 4), Ok);
  EXPECT_EQ(Pixel(bitmap, 1, 2), kRed);
  EXPECT_EQ(Pixel(bitmap, 8, 2), kGreen);
  EXPECT_EQ(Pixel(bitmap, 1, 5), kBlue);
  EXPECT_EQ(Pixel(bitmap, 8, 5), kWhite);
  for (int y = 2; y < 6; ++y) {
    for (int x = 1; x < 9; ++x) EXPECT_EQ(Pixel(bitmap, x, y) >> 24, 0xFFu) << x << "," << y;
  }
  ExpectClearOutside(bitmap, QRect(1, 2, 8, 4));
  GdipDeleteGraphics(graphics);
  GdipDisposeImage(bitmap);
  GdipDisposeImage(image);
}

TEST_F(GraphicsTest, DrawImageRectShrinks) {
  QImage big(8, 8, QImage::Format_ARGB32);
  big.fill(QColor(0, 0, 255));
  GpImage* image = test::Load(test::Encode(big, "PNG"));
  GpGraphics* graphics = nullptr;
  GpBitmap* bitmap = test::NewBitmap(5, 5, &graphics);
  ASSERT_EQ(GdipDrawImageRect(graphics, image, 1, 1, 2, 3), Ok);
  for (int y = 1; y < 4; ++y) {
    for (int x = 1; x < 3; ++x) EXPECT_EQ(Pixel(bitmap, x, y), kBlue);
  }
  ExpectClearOutside(bitmap, QRect(1, 1, 2, 3));
  GdipDeleteGraphics(graphics);
  GdipDisposeImage(bitmap);
  GdipDisposeImage(image);
}

// A negative width or height mirrors the image into the rectangle it spans; a zero one draws
// nothing.
TEST_F(GraphicsTest, DrawImageRectMirrorsAndSkipsEmptyRectangles) {
  GpImage* image = Picture(2, 1, {kRed, kGreen});
  GpGraphics* graphics = nullptr;
  GpBitmap* bitmap = test::NewBitmap(4, 2, &graphics);
  ASSERT_EQ(GdipDrawImageRect(graphics, image, 0, 0, 0, 1), Ok);
  ASSERT_EQ(GdipDrawImageRect(graphics, image, 0, 0, 2, 0), Ok);
  ExpectClearOutside(bitmap, QRect());
  ASSERT_EQ(GdipDrawImageRect(graphics, image, 4, 1, -2, 1), Ok);
  EXPECT_EQ(Pixel(bitmap, 2, 1), kGreen);
  EXPECT_EQ(Pixel(bitmap, 3, 1), kRed);
  ExpectClearOutside(bitmap, QRect(2, 1, 2, 1));
  GdipDeleteGraphics(graphics);
  GdipDisposeImage(bitmap);
  GdipDisposeImage(image);
}

// The image's own size, as the kit draws a back image into a canvas of the window's size.
TEST_F(GraphicsTest, DrawImageRectOfABitmapOnItself) {
  GpGraphics* graphics = nullptr;
  GpBitmap* bitmap = test::NewBitmap(4, 1, &graphics);
  GpSolidFill* red = nullptr;
  GdipCreateSolidFill(kRed, &red);
  GdipFillRectangle(graphics, red, 0, 0, 1, 1);
  ASSERT_EQ(GdipDrawImageRect(graphics, bitmap, 2, 0, 4, 1), Ok);
  EXPECT_EQ(Pixel(bitmap, 0, 0), kRed);
  EXPECT_EQ(Pixel(bitmap, 2, 0), kRed);
  EXPECT_EQ(Pixel(bitmap, 3, 0), 0u);
  GdipDeleteBrush(red);
  GdipDeleteGraphics(graphics);
  GdipDisposeImage(bitmap);
}

// The source rectangle's pixels land unscaled at (x, y); what lies outside the image is left out.
TEST_F(GraphicsTest, DrawImagePointRectCrops) {
  GpImage* image = Picture(3, 3,
                           {kRed, kGreen, kBlue,  //
                            kWhite, kBlue, kRed,  //
                            kGreen, kRed, kWhite});
  GpGraphics* graphics = nullptr;
  GpBitmap* bitmap = test::NewBitmap(6, 6, &graphics);
  ASSERT_EQ(GdipDrawImagePointRect(graphics, image, 3, 2, 1, 1, 2, 2, UnitPixel), Ok);
  EXPECT_EQ(Pixel(bitmap, 3, 2), kBlue);
  EXPECT_EQ(Pixel(bitmap, 4, 2), kRed);
  EXPECT_EQ(Pixel(bitmap, 3, 3), kRed);
  EXPECT_EQ(Pixel(bitmap, 4, 3), kWhite);
  ExpectClearOutside(bitmap, QRect(3, 2, 2, 2));
  ASSERT_EQ(GdipGraphicsClear(graphics, 0), Ok);
  ASSERT_EQ(GdipDrawImagePointRect(graphics, image, 0, 0, 2, 2, 3, 3, UnitPixel), Ok);
  EXPECT_EQ(Pixel(bitmap, 0, 0), kWhite);
  ExpectClearOutside(bitmap, QRect(0, 0, 1, 1));
  GdipDeleteGraphics(graphics);
  GdipDisposeImage(bitmap);
  GdipDisposeImage(image);
}

// Only pixels are converted here; other real units are NotImplemented, non-units are refused.
TEST_F(GraphicsTest, DrawImagePointRectUnits) {
  GpImage* image = Picture(1, 1, {kRed});
  GpGraphics* graphics = nullptr;
  GpBitmap* bitmap = test::NewBitmap(2, 2, &graphics);
  struct Case {
    int unit;
    GpStatus status;
  };
  for (Case c : {Case{UnitWorld, NotImplemented}, Case{UnitDisplay, NotImplemented},
                 Case{UnitPoint, NotImplemented}, Case{UnitInch, NotImplemented},
                 Case{UnitDocument, NotImplemented}, Case{UnitMillimeter, NotImplemented},
                 Case{7, InvalidParameter}, Case{-1, InvalidParameter}}) {
    EXPECT_EQ(GdipDrawImagePointRect(graphics, image, 0, 0, 0, 0, 1, 1, GpUnit(c.unit)), c.status)
        << c.unit;
  }
  EXPECT_EQ(GdipDrawImagePointRect(graphics, image, 0, 0, 0, 0, -1, 1, UnitPixel),
            InvalidParameter);
  ExpectClearOutside(bitmap, QRect());
  GdipDeleteGraphics(graphics);
  GdipDisposeImage(bitmap);
  GdipDisposeImage(image);
}

TEST_F(GraphicsTest, DrawImageRefusesBadHandles) {
  GpImage* image = Picture(1, 1, {kRed});
  GpGraphics* graphics = nullptr;
  GpBitmap* bitmap = test::NewBitmap(2, 2, &graphics);
  GpImage* gone = Picture(1, 1, {kRed});
  GdipDisposeImage(gone);
  EXPECT_EQ(GdipDrawImageRect(nullptr, image, 0, 0, 1, 1), InvalidParameter);
  EXPECT_EQ(GdipDrawImageRect(graphics, nullptr, 0, 0, 1, 1), InvalidParameter);
  EXPECT_EQ(GdipDrawImageRect(graphics, gone, 0, 0, 1, 1), InvalidParameter);
  EXPECT_EQ(GdipDrawImageRect(reinterpret_cast<GpGraphics*>(image), image, 0, 0, 1, 1),
            InvalidParameter);
  EXPECT_EQ(GdipDrawImagePointRect(nullptr, image, 0, 0, 0, 0, 1, 1, UnitPixel), InvalidParameter);
  EXPECT_EQ(GdipDrawImagePointRect(graphics, gone, 0, 0, 0, 0, 1, 1, UnitPixel), InvalidParameter);
  EXPECT_EQ(GdipGraphicsClear(nullptr, kRed), InvalidParameter);
  ExpectClearOutside(bitmap, QRect());
  GdipDeleteGraphics(graphics);
  GdipDisposeImage(bitmap);
  GdipDisposeImage(image);
}

}  // namespace
}  // namespace gdiplus
