// Pens, lines and rectangle outlines, checked pixel by pixel.

#include <QRect>
#include <QRegion>

#include "tests/platform/gdiplus/Support.h"

namespace gdiplus {
namespace {

using test::kMarker;
using test::Pixel;

constexpr ARGB kBlack = 0xFF000000;

class PenTest : public test::GdiplusTest {
 protected:
  void SetUp() override {
    GdiplusTest::SetUp();
    bitmap_ = test::NewBitmap(16, 20, &graphics_);
  }
  void TearDown() override {
    GdipDeleteGraphics(graphics_);
    GdipDisposeImage(bitmap_);
    GdiplusTest::TearDown();
  }
  GpPen* Pen(ARGB color, REAL width, GpUnit unit = UnitWorld) {
    GpPen* pen = nullptr;
    EXPECT_EQ(GdipCreatePen1(color, width, unit, &pen), Ok);
    return pen;
  }
  // Every pixel is `color` inside `covered` and fully transparent outside.
  void ExpectExactly(const QRegion& covered, ARGB color) {
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 16; ++x) {
        ARGB expected = covered.contains(QPoint(x, y)) ? color : 0;
        EXPECT_EQ(Pixel(bitmap_, x, y), expected) << "at " << x << "," << y;
      }
    }
  }
  GpBitmap* bitmap_{nullptr};
  GpGraphics* graphics_{nullptr};
};

// Pixel centres lie on integer coordinates, as with GDI+'s default pixel offset: a 1-pixel line
// at x = 5 covers column 5 alone. Its ends are flat, so from y = 4 to y = 16 it covers rows 4 to
// 15: the caret line the kit draws, 12 pixels long.
TEST_F(PenTest, VerticalOnePixelLineCoversOneColumn) {
  GpPen* pen = Pen(kBlack, 1.0f);
  ASSERT_EQ(GdipDrawLine(graphics_, pen, 5, 4, 5, 16), Ok);
  ExpectExactly(QRegion(5, 4, 1, 12), kBlack);
  GdipDeletePen(pen);
}

TEST_F(PenTest, HorizontalAndThickLines) {
  GpPen* thin = Pen(0xFF00FF00, 1.0f, UnitPixel);
  ASSERT_EQ(GdipDrawLine(graphics_, thin, 2, 3, 9, 3), Ok);
  ExpectExactly(QRegion(2, 3, 7, 1), 0xFF00FF00);
  GdipGraphicsClear(graphics_, 0);
  GpPen* thick = Pen(0xFF00FF00, 3.0f);
  ASSERT_EQ(GdipDrawLine(graphics_, thick, 5, 2, 5, 10), Ok);
  ExpectExactly(QRegion(4, 2, 3, 8), 0xFF00FF00);  // one column each side of x = 5
  GdipDeletePen(thin);
  GdipDeletePen(thick);
}

// A pen thinner than a pixel still draws one pixel wide; a zero-length line draws nothing.
TEST_F(PenTest, HairlinesAndEmptyLines) {
  GpPen* hair = Pen(kBlack, 0.0f);
  ASSERT_EQ(GdipDrawLine(graphics_, hair, 3, 1, 3, 5), Ok);
  ExpectExactly(QRegion(3, 1, 1, 4), kBlack);
  GdipGraphicsClear(graphics_, 0);
  ASSERT_EQ(GdipDrawLine(graphics_, hair, 3, 3, 3, 3), Ok);
  ExpectExactly(QRegion(), kBlack);
  GdipDeletePen(hair);
}

// The outline is centred on the edges, so it covers width + 1 columns and height + 1 rows.
TEST_F(PenTest, RectangleOutline) {
  GpPen* pen = Pen(0xFFFF0000, 1.0f);
  ASSERT_EQ(GdipDrawRectangle(graphics_, pen, 2, 3, 6, 4), Ok);
  QRegion outline = QRegion(2, 3, 7, 5) - QRegion(3, 4, 5, 3);
  ExpectExactly(outline, 0xFFFF0000);
  GdipDeletePen(pen);
}

TEST_F(PenTest, HalfTransparentPenIsBlended) {
  GpPen* pen = Pen(0x80000000, 1.0f);
  ASSERT_EQ(GdipDrawLine(graphics_, pen, 1, 1, 1, 2), Ok);
  EXPECT_EQ(Pixel(bitmap_, 1, 1) >> 24, 0x80u);
  GdipDeletePen(pen);
}

TEST_F(PenTest, CreateRefusesNullOutAndUnitsWithoutSize) {
  EXPECT_EQ(GdipCreatePen1(kBlack, 1, UnitWorld, nullptr), InvalidParameter);
  for (int unit : {int(UnitDisplay), 7, -1}) {
    GpPen* pen = reinterpret_cast<GpPen*>(kMarker);
    EXPECT_EQ(GdipCreatePen1(kBlack, 1, GpUnit(unit), &pen), InvalidParameter) << unit;
    EXPECT_EQ(pen, reinterpret_cast<GpPen*>(kMarker));
  }
  for (GpUnit unit : {UnitWorld, UnitPixel, UnitPoint, UnitInch, UnitDocument, UnitMillimeter}) {
    GpPen* pen = nullptr;
    EXPECT_EQ(GdipCreatePen1(kBlack, 1, unit, &pen), Ok) << unit;
    EXPECT_EQ(GdipDeletePen(pen), Ok);
  }
}

TEST_F(PenTest, BadHandles) {
  GpPen* pen = Pen(kBlack, 1.0f);
  GpPen* gone = Pen(kBlack, 1.0f);
  ASSERT_EQ(GdipDeletePen(gone), Ok);
  EXPECT_EQ(GdipDeletePen(gone), InvalidParameter);
  EXPECT_EQ(GdipDeletePen(nullptr), InvalidParameter);
  EXPECT_EQ(GdipDrawLine(graphics_, gone, 0, 0, 5, 5), InvalidParameter);
  EXPECT_EQ(GdipDrawLine(graphics_, nullptr, 0, 0, 5, 5), InvalidParameter);
  EXPECT_EQ(GdipDrawLine(nullptr, pen, 0, 0, 5, 5), InvalidParameter);
  EXPECT_EQ(GdipDrawRectangle(graphics_, gone, 0, 0, 5, 5), InvalidParameter);
  EXPECT_EQ(GdipDrawRectangle(nullptr, pen, 0, 0, 5, 5), InvalidParameter);
  EXPECT_EQ(GdipDeletePen(reinterpret_cast<GpPen*>(graphics_)), InvalidParameter);
  ExpectExactly(QRegion(), kBlack);
  GdipDeletePen(pen);
}

}  // namespace
}  // namespace gdiplus
