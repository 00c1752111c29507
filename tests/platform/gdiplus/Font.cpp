// Fonts made from a family: what they keep and report.

#include "tests/platform/gdiplus/Support.h"

namespace gdiplus {
namespace {

using test::kMarker;

class FontTest : public test::GdiplusTest {
 protected:
  void SetUp() override {
    GdiplusTest::SetUp();
    ASSERT_EQ(GdipCreateFontFamilyFromName(u"WenQuanYi Micro Hei", nullptr, &family_), Ok);
  }
  void TearDown() override {
    GdipDeleteFontFamily(family_);
    GdiplusTest::TearDown();
  }
  GpFontFamily* family_{nullptr};
};

TEST_F(FontTest, KeepsSizeStyleAndUnit) {
  struct Case {
    REAL size;
    INT style;
    Unit unit;
  };
  for (Case c : {Case{12, FontStyleRegular, UnitPixel}, Case{9, FontStyleBold, UnitPoint},
                 Case{10.5f, FontStyleBoldItalic | FontStyleUnderline, UnitWorld},
                 Case{0.25f, FontStyleStrikeout, UnitInch}, Case{40, FontStyleItalic, UnitDocument},
                 Case{4, 15, UnitMillimeter}}) {
    SCOPED_TRACE(testing::Message() << c.size << " " << c.style << " " << c.unit);
    GpFont* font = nullptr;
    ASSERT_EQ(GdipCreateFont(family_, c.size, c.style, c.unit, &font), Ok);
    INT style = INT(kMarker);
    REAL size = -1;
    Unit unit = Unit(kMarker);
    EXPECT_EQ(GdipGetFontStyle(font, &style), Ok);
    EXPECT_EQ(GdipGetFontSize(font, &size), Ok);
    EXPECT_EQ(GdipGetFontUnit(font, &unit), Ok);
    EXPECT_EQ(style, c.style);
    EXPECT_EQ(size, c.size);
    EXPECT_EQ(unit, c.unit);
    EXPECT_EQ(GdipDeleteFont(font), Ok);
  }
}

// The line spacing of a 12-pixel font is a little more than 12 pixels.
TEST_F(FontTest, HeightIsTheLineSpacing) {
  GpFont* font = nullptr;
  ASSERT_EQ(GdipCreateFont(family_, 12, FontStyleRegular, UnitPixel, &font), Ok);
  GpGraphics* graphics = nullptr;
  GpBitmap* bitmap = test::NewBitmap(4, 4, &graphics);
  REAL height = -1;
  EXPECT_EQ(GdipGetFontHeight(font, graphics, &height), Ok);
  EXPECT_GE(height, 12.0f);
  EXPECT_LT(height, 24.0f);
  REAL alone = -1;
  EXPECT_EQ(GdipGetFontHeight(font, nullptr, &alone), Ok);
  EXPECT_EQ(alone, height);
  // 9 points at 96 dpi are 12 pixels.
  GpFont* points = nullptr;
  ASSERT_EQ(GdipCreateFont(family_, 9, FontStyleRegular, UnitPoint, &points), Ok);
  REAL pointHeight = -1;
  EXPECT_EQ(GdipGetFontHeight(points, graphics, &pointHeight), Ok);
  EXPECT_NEAR(pointHeight, height, 1.0f);
  EXPECT_EQ(GdipGetFontHeight(font, graphics, nullptr), InvalidParameter);
  EXPECT_EQ(GdipGetFontHeight(font, reinterpret_cast<GpGraphics*>(font), &height),
            InvalidParameter);
  GdipDeleteFont(points);
  GdipDeleteFont(font);
  GdipDeleteGraphics(graphics);
  GdipDisposeImage(bitmap);
}

// The kit deletes the family right after making the font: the font lives on without it.
TEST_F(FontTest, OutlivesItsFamily) {
  GpFontFamily* family = nullptr;
  ASSERT_EQ(GdipCreateFontFamilyFromName(u"WenQuanYi Micro Hei", nullptr, &family), Ok);
  GpFont* font = nullptr;
  ASSERT_EQ(GdipCreateFont(family, 12, FontStyleRegular, UnitPixel, &font), Ok);
  ASSERT_EQ(GdipDeleteFontFamily(family), Ok);
  REAL size = 0;
  EXPECT_EQ(GdipGetFontSize(font, &size), Ok);
  EXPECT_EQ(size, 12.0f);
  GdipDeleteFont(font);
}

TEST_F(FontTest, CreateRefusesBadArguments) {
  GpFontFamily* gone = nullptr;
  ASSERT_EQ(GdipCreateFontFamilyFromName(u"WenQuanYi Micro Hei", nullptr, &gone), Ok);
  GdipDeleteFontFamily(gone);
  struct Case {
    const GpFontFamily* family;
    REAL size;
    int unit;
  };
  for (Case c : {Case{nullptr, 12, UnitPixel}, Case{gone, 12, UnitPixel},
                 Case{family_, 0, UnitPixel}, Case{family_, -12, UnitPixel},
                 Case{family_, 12, UnitDisplay}, Case{family_, 12, 7}, Case{family_, 12, -1}}) {
    SCOPED_TRACE(testing::Message() << c.size << " " << c.unit);
    GpFont* font = reinterpret_cast<GpFont*>(kMarker);
    EXPECT_EQ(GdipCreateFont(c.family, c.size, 0, Unit(c.unit), &font), InvalidParameter);
    EXPECT_EQ(font, reinterpret_cast<GpFont*>(kMarker));
  }
  EXPECT_EQ(GdipCreateFont(family_, 12, 0, UnitPixel, nullptr), InvalidParameter);
}

TEST_F(FontTest, QueriesRefuseBadHandlesAndNullOut) {
  GpFont* font = nullptr;
  ASSERT_EQ(GdipCreateFont(family_, 12, 0, UnitPixel, &font), Ok);
  EXPECT_EQ(GdipGetFontStyle(font, nullptr), InvalidParameter);
  EXPECT_EQ(GdipGetFontSize(font, nullptr), InvalidParameter);
  EXPECT_EQ(GdipGetFontUnit(font, nullptr), InvalidParameter);
  ASSERT_EQ(GdipDeleteFont(font), Ok);
  for (GpFont* bad : {font, static_cast<GpFont*>(nullptr), reinterpret_cast<GpFont*>(family_)}) {
    INT style = INT(kMarker);
    REAL size = -1;
    Unit unit = Unit(kMarker);
    EXPECT_EQ(GdipGetFontStyle(bad, &style), InvalidParameter);
    EXPECT_EQ(GdipGetFontSize(bad, &size), InvalidParameter);
    EXPECT_EQ(GdipGetFontUnit(bad, &unit), InvalidParameter);
    EXPECT_EQ(GdipGetFontHeight(bad, nullptr, &size), InvalidParameter);
    EXPECT_EQ(GdipDeleteFont(bad), InvalidParameter);
    EXPECT_EQ(style, INT(kMarker));
    EXPECT_EQ(size, -1.0f);
    EXPECT_EQ(unit, Unit(kMarker));
  }
}

}  // namespace
}  // namespace gdiplus
