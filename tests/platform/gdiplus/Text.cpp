// Drawing strings: where the ink lands for each alignment, wrapping, clipping and colour.

#include <QRect>

#include "tests/platform/gdiplus/Support.h"

namespace gdiplus {
namespace {

using test::Inked;
using test::Pixel;

constexpr int kWidth = 200, kHeight = 80;
constexpr ARGB kBlue = 0xFF0000FF;

class TextTest : public test::GdiplusTest {
 protected:
  void SetUp() override {
    GdiplusTest::SetUp();
    bitmap_ = test::NewBitmap(kWidth, kHeight, &graphics_);
    GpFontFamily* family = nullptr;
    ASSERT_EQ(GdipCreateFontFamilyFromName(u"WenQuanYi Micro Hei", nullptr, &family), Ok);
    ASSERT_EQ(GdipCreateFont(family, 16, FontStyleRegular, UnitPixel, &font_), Ok);
    GdipDeleteFontFamily(family);
    ASSERT_EQ(GdipCreateSolidFill(kBlue, &brush_), Ok);
    ASSERT_EQ(GdipCreateStringFormat(0, 0, &format_), Ok);
  }
  void TearDown() override {
    GdipDeleteStringFormat(format_);
    GdipDeleteBrush(brush_);
    GdipDeleteFont(font_);
    GdipDeleteGraphics(graphics_);
    GdipDisposeImage(bitmap_);
    GdiplusTest::TearDown();
  }
  GpStatus Draw(const WCHAR* text, const RectF& layout, INT length = -1) {
    return GdipDrawString(graphics_, text, length, font_, &layout, format_, brush_);
  }
  GpBitmap* bitmap_{nullptr};
  GpGraphics* graphics_{nullptr};
  GpFont* font_{nullptr};
  GpSolidFill* brush_{nullptr};
  GpStringFormat* format_{nullptr};
};

QRect Box(const RectF& r) {
  return QRect(int(r.X), int(r.Y), int(r.Width), int(r.Height));
}

// Antialiased text in the brush colour: every inked pixel is blue, some of them fully opaque.
TEST_F(TextTest, DrawsAntialiasedInTheBrushColourInsideTheLayout) {
  const RectF layout{20, 10, 160, 40};
  ASSERT_EQ(Draw(u"Poison 毒", layout), Ok);
  QRect ink = Inked(bitmap_);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_TRUE(Box(layout).contains(ink)) << ink.x() << "," << ink.y() << " " << ink.width();
  bool opaque = false, partial = false;
  for (int y = ink.top(); y <= ink.bottom(); ++y) {
    for (int x = ink.left(); x <= ink.right(); ++x) {
      ARGB c = Pixel(bitmap_, x, y);
      if ((c >> 24) == 0) continue;
      opaque |= (c >> 24) == 0xFF;
      partial |= (c >> 24) < 0xFF;
      EXPECT_LE(int((c >> 16) & 0xFF), 1);
      EXPECT_LE(int((c >> 8) & 0xFF), 1);
      EXPECT_GE(int(c & 0xFF), 254);
    }
  }
  EXPECT_TRUE(opaque);
  EXPECT_TRUE(partial);
}

// Near keeps the text at the start (after a sixth of the em), centre puts it in the middle and
// far at the end, horizontally and vertically.
TEST_F(TextTest, AlignsNearCentreAndFar) {
  const RectF layout{10, 8, 180, 64};
  const QRect box = Box(layout);
  for (StringAlignment h : {StringAlignmentNear, StringAlignmentCenter, StringAlignmentFar}) {
    for (StringAlignment v : {StringAlignmentNear, StringAlignmentCenter, StringAlignmentFar}) {
      SCOPED_TRACE(testing::Message() << "horizontal " << h << " vertical " << v);
      GdipGraphicsClear(graphics_, 0);
      GdipSetStringFormatAlign(format_, h);
      GdipSetStringFormatLineAlign(format_, v);
      ASSERT_EQ(Draw(u"Hello", layout), Ok);
      QRect ink = Inked(bitmap_);
      ASSERT_FALSE(ink.isEmpty());
      EXPECT_TRUE(box.contains(ink));
      if (h == StringAlignmentNear) {
        EXPECT_GE(ink.left(), box.left() + 2);
        EXPECT_LE(ink.left(), box.left() + 6);
      }
      if (h == StringAlignmentCenter) {
        EXPECT_NEAR(ink.center().x(), box.center().x(), 2);
      }
      if (h == StringAlignmentFar) {
        EXPECT_LE(ink.right(), box.right() - 2);
        EXPECT_GE(ink.right(), box.right() - 6);
      }
      if (v == StringAlignmentNear) {
        EXPECT_LE(ink.top(), box.top() + 6);
      }
      if (v == StringAlignmentCenter) {
        EXPECT_NEAR(ink.center().y(), box.center().y(), 3);
      }
      if (v == StringAlignmentFar) {
        EXPECT_GE(ink.bottom(), box.bottom() - 6);
      }
    }
  }
}

// Without NoWrap a long text breaks into lines; with it the text stays on one line and is cut at
// the layout's edge.
TEST_F(TextTest, NoWrapKeepsOneLineAndClips) {
  const WCHAR* text = u"one two three four five six seven eight nine ten";
  const RectF layout{10, 4, 100, 72};
  ASSERT_EQ(Draw(text, layout), Ok);
  QRect wrapped = Inked(bitmap_);
  EXPECT_GT(wrapped.height(), 30);  // two lines or more
  EXPECT_TRUE(Box(layout).contains(wrapped));

  GdipGraphicsClear(graphics_, 0);
  GpStringFormat* noWrap = nullptr;
  ASSERT_EQ(
      GdipCreateStringFormat(StringFormatFlagsNoWrap | StringFormatFlagsNoFitBlackBox, 0, &noWrap),
      Ok);
  ASSERT_EQ(GdipDrawString(graphics_, text, -1, font_, &layout, noWrap, brush_), Ok);
  QRect line = Inked(bitmap_);
  EXPECT_LT(line.height(), 22);
  EXPECT_GE(line.right(), Box(layout).right() - 8);  // cut near where the layout ends
  EXPECT_TRUE(Box(layout).contains(line));

  // With NoClip as well, the line runs on past the layout.
  GdipGraphicsClear(graphics_, 0);
  GpStringFormat* noClip = nullptr;
  ASSERT_EQ(GdipCreateStringFormat(StringFormatFlagsNoWrap | StringFormatFlagsNoClip, 0, &noClip),
            Ok);
  ASSERT_EQ(GdipDrawString(graphics_, text, -1, font_, &layout, noClip, brush_), Ok);
  EXPECT_GT(Inked(bitmap_).right(), Box(layout).right() + 20);
  GdipDeleteStringFormat(noClip);
  GdipDeleteStringFormat(noWrap);
}

// A count of units draws that many; -1 draws up to the terminating zero; 0 draws nothing.
TEST_F(TextTest, LengthCountsUnits) {
  const RectF layout{0, 0, kWidth, kHeight};
  ASSERT_EQ(Draw(u"WWWW", layout, 1), Ok);
  int one = Inked(bitmap_).width();
  GdipGraphicsClear(graphics_, 0);
  ASSERT_EQ(Draw(u"WWWW", layout, -1), Ok);
  int all = Inked(bitmap_).width();
  EXPECT_GT(all, 3 * one);
  GdipGraphicsClear(graphics_, 0);
  ASSERT_EQ(Draw(u"WWWW", layout, 0), Ok);
  EXPECT_TRUE(Inked(bitmap_).isEmpty());
}

TEST_F(TextTest, NoFormatIsNearAlignedAndWraps) {
  const RectF layout{30, 20, 140, 40};
  ASSERT_EQ(GdipDrawString(graphics_, u"Hello", -1, font_, &layout, nullptr, brush_), Ok);
  QRect ink = Inked(bitmap_);
  EXPECT_TRUE(Box(layout).contains(ink));
  EXPECT_LE(ink.left(), 36);
  EXPECT_LE(ink.top(), 26);
}

// A layout of zero size is unbounded: the text starts at its point.
TEST_F(TextTest, EmptyLayoutStartsAtItsPoint) {
  const RectF layout{40, 30, 0, 0};
  ASSERT_EQ(Draw(u"Hello", layout), Ok);
  QRect ink = Inked(bitmap_);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GE(ink.left(), 40);
  EXPECT_LE(ink.left(), 46);
  EXPECT_GE(ink.top(), 30);
}

// The kit passes font 0 when a control has no font: refused, and nothing is drawn.
TEST_F(TextTest, BadArgumentsDrawNothing) {
  const RectF layout{0, 0, kWidth, kHeight};
  GpFont* gone = nullptr;
  GpFontFamily* family = nullptr;
  GdipCreateFontFamilyFromName(u"WenQuanYi Micro Hei", nullptr, &family);
  GdipCreateFont(family, 12, 0, UnitPixel, &gone);
  GdipDeleteFontFamily(family);
  GdipDeleteFont(gone);
  GpStringFormat* goneFormat = nullptr;
  GdipCreateStringFormat(0, 0, &goneFormat);
  GdipDeleteStringFormat(goneFormat);
  EXPECT_EQ(GdipDrawString(graphics_, u"x", -1, nullptr, &layout, format_, brush_),
            InvalidParameter);
  EXPECT_EQ(GdipDrawString(graphics_, u"x", -1, gone, &layout, format_, brush_), InvalidParameter);
  EXPECT_EQ(GdipDrawString(graphics_, nullptr, -1, font_, &layout, format_, brush_),
            InvalidParameter);
  EXPECT_EQ(GdipDrawString(graphics_, u"x", -1, font_, nullptr, format_, brush_), InvalidParameter);
  EXPECT_EQ(GdipDrawString(graphics_, u"x", -1, font_, &layout, format_, nullptr),
            InvalidParameter);
  EXPECT_EQ(GdipDrawString(graphics_, u"x", -1, font_, &layout, goneFormat, brush_),
            InvalidParameter);
  EXPECT_EQ(GdipDrawString(graphics_, u"x", -2, font_, &layout, format_, brush_), InvalidParameter);
  EXPECT_EQ(GdipDrawString(nullptr, u"x", -1, font_, &layout, format_, brush_), InvalidParameter);
  EXPECT_TRUE(Inked(bitmap_).isEmpty());
}

}  // namespace
}  // namespace gdiplus
