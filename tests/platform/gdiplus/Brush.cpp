// Solid brushes and filled rectangles, checked pixel by pixel.

#include <QRegion>

#include "tests/platform/gdiplus/Support.h"

namespace gdiplus {
namespace {

using test::kMarker;
using test::Pixel;

class BrushTest : public test::GdiplusTest {
 protected:
  void SetUp() override {
    GdiplusTest::SetUp();
    bitmap_ = test::NewBitmap(8, 6, &graphics_);
  }
  void TearDown() override {
    GdipDeleteGraphics(graphics_);
    GdipDisposeImage(bitmap_);
    GdiplusTest::TearDown();
  }
  GpSolidFill* Brush(ARGB color) {
    GpSolidFill* brush = nullptr;
    EXPECT_EQ(GdipCreateSolidFill(color, &brush), Ok);
    return brush;
  }
  void ExpectExactly(const QRegion& covered, ARGB color) {
    for (int y = 0; y < 6; ++y) {
      for (int x = 0; x < 8; ++x) {
        ARGB expected = covered.contains(QPoint(x, y)) ? color : 0;
        EXPECT_EQ(Pixel(bitmap_, x, y), expected) << "at " << x << "," << y;
      }
    }
  }
  GpBitmap* bitmap_{nullptr};
  GpGraphics* graphics_{nullptr};
};

TEST_F(BrushTest, FillCoversExactlyItsRectangle) {
  GpSolidFill* brush = Brush(0xFF0000FF);
  ASSERT_EQ(GdipFillRectangle(graphics_, brush, 1, 2, 3, 2), Ok);
  ExpectExactly(QRegion(1, 2, 3, 2), 0xFF0000FF);
  GdipDeleteBrush(brush);
}

// Pixel centres are on integers: a fill from 0.5 to 2.5 covers pixels 1 and 2; one from 0.25 to
// 0.75 holds no centre and covers nothing.
TEST_F(BrushTest, FractionalRectanglesByPixelCentres) {
  GpSolidFill* brush = Brush(0xFF0000FF);
  ASSERT_EQ(GdipFillRectangle(graphics_, brush, 0.5f, 0.5f, 2, 2), Ok);
  ExpectExactly(QRegion(1, 1, 2, 2), 0xFF0000FF);
  GdipGraphicsClear(graphics_, 0);
  ASSERT_EQ(GdipFillRectangle(graphics_, brush, 0.25f, 0.25f, 0.5f, 0.5f), Ok);
  ExpectExactly(QRegion(), 0xFF0000FF);
  GdipDeleteBrush(brush);
}

TEST_F(BrushTest, FillAtTheEdgesIsCut) {
  GpSolidFill* brush = Brush(0xFF00FF00);
  ASSERT_EQ(GdipFillRectangle(graphics_, brush, -3, -3, 5, 5), Ok);
  ASSERT_EQ(GdipFillRectangle(graphics_, brush, 6, 4, 10, 10), Ok);
  ExpectExactly(QRegion(0, 0, 2, 2) + QRegion(6, 4, 2, 2), 0xFF00FF00);
  GdipDeleteBrush(brush);
}

// Premultiplied source-over: half-transparent blue over opaque red gives opaque purple; two
// half-transparent layers over nothing give three quarters of alpha.
TEST_F(BrushTest, HalfTransparentFillsBlend) {
  GpSolidFill* red = Brush(0xFFFF0000);
  GpSolidFill* blue = Brush(0x800000FF);
  GdipFillRectangle(graphics_, red, 0, 0, 1, 1);
  GdipFillRectangle(graphics_, blue, 0, 0, 2, 1);
  GdipFillRectangle(graphics_, blue, 1, 0, 1, 1);
  ARGB purple = Pixel(bitmap_, 0, 0);
  EXPECT_EQ(purple >> 24, 0xFFu);
  EXPECT_NEAR(int((purple >> 16) & 0xFF), 127, 1);
  EXPECT_EQ((purple >> 8) & 0xFF, 0u);
  EXPECT_NEAR(int(purple & 0xFF), 128, 1);
  ARGB twice = Pixel(bitmap_, 1, 0);
  EXPECT_NEAR(int(twice >> 24), 0xC0, 1);
  EXPECT_NEAR(int(twice & 0xFF), 255, 1);
  GdipDeleteBrush(red);
  GdipDeleteBrush(blue);
}

TEST_F(BrushTest, BadArguments) {
  EXPECT_EQ(GdipCreateSolidFill(0, nullptr), InvalidParameter);
  GpSolidFill* brush = Brush(0xFF000000);
  GpSolidFill* gone = Brush(0xFF000000);
  ASSERT_EQ(GdipDeleteBrush(gone), Ok);
  EXPECT_EQ(GdipDeleteBrush(gone), InvalidParameter);
  EXPECT_EQ(GdipDeleteBrush(nullptr), InvalidParameter);
  EXPECT_EQ(GdipFillRectangle(graphics_, gone, 0, 0, 2, 2), InvalidParameter);
  EXPECT_EQ(GdipFillRectangle(graphics_, nullptr, 0, 0, 2, 2), InvalidParameter);
  EXPECT_EQ(GdipFillRectangle(nullptr, brush, 0, 0, 2, 2), InvalidParameter);
  EXPECT_EQ(GdipDeleteBrush(reinterpret_cast<GpBrush*>(bitmap_)), InvalidParameter);
  ExpectExactly(QRegion(), 0);
  GdipDeleteBrush(brush);
}

}  // namespace
}  // namespace gdiplus
