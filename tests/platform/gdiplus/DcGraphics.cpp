// Graphics on a memory DC with a 32-bit DIB selected, as the kit presents a layered window, and
// fonts made from a DC's selected font.

#include <cstring>

#include "platform/win32/Gdi.h"
#include "tests/platform/gdiplus/Support.h"

namespace gdiplus {
namespace {

using test::kMarker;

constexpr int kWidth = 6, kHeight = 4;

// A memory DC with a zeroed kWidth by kHeight DIB, bottom-up or top-down, selected into it.
class DibTest : public test::GdiplusTest, public testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    GdiplusTest::SetUp();
    dc_ = win32::CreateCompatibleDC(nullptr);
    ASSERT_NE(dc_, nullptr);
    win32::BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(win32::BITMAPINFOHEADER);
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = bottomUp() ? kHeight : -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = win32::BI_RGB;
    dib_ = win32::CreateDIBSection(dc_, &info, win32::DIB_RGB_COLORS, &bits_, nullptr, 0);
    ASSERT_NE(dib_, nullptr);
    ASSERT_NE(bits_, nullptr);
    previous_ = win32::SelectObject(dc_, dib_);
  }
  void TearDown() override {
    win32::SelectObject(dc_, previous_);
    win32::DeleteObject(dib_);
    win32::DeleteDC(dc_);
    GdiplusTest::TearDown();
  }
  bool bottomUp() const { return GetParam(); }
  // The premultiplied BGRA pixel at (x, y) of the upright picture.
  std::uint32_t At(int x, int y) const {
    int row = bottomUp() ? kHeight - 1 - y : y;
    std::uint32_t value = 0;
    std::memcpy(&value, static_cast<const std::uint8_t*>(bits_) + (row * kWidth + x) * 4, 4);
    return value;
  }
  HDC dc_{nullptr};
  win32::HBITMAP dib_{nullptr};
  win32::HGDIOBJ previous_{nullptr};
  void* bits_{nullptr};
};

INSTANTIATE_TEST_SUITE_P(BottomUpAndTopDown, DibTest, testing::Bool());

// A half-transparent fill lands premultiplied: 0x80FF0000 is stored as 80 80 00 00 (A R G B).
TEST_P(DibTest, FillLandsPremultipliedAndUpright) {
  GpGraphics* graphics = nullptr;
  ASSERT_EQ(GdipCreateFromHDC(dc_, &graphics), Ok);
  GpSolidFill* brush = nullptr;
  GdipCreateSolidFill(0x80FF0000, &brush);
  ASSERT_EQ(GdipFillRectangle(graphics, brush, 1, 0, 2, 1), Ok);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      std::uint32_t expected = (y == 0 && (x == 1 || x == 2)) ? 0x80800000u : 0u;
      EXPECT_EQ(At(x, y), expected) << "at " << x << "," << y;
    }
  }
  GdipDeleteBrush(brush);
  EXPECT_EQ(GdipDeleteGraphics(graphics), Ok);
}

// The kit's Present: a picture drawn at its own size at the top-left corner, the rest of the DIB
// left transparent, and the caret line over it.
TEST_P(DibTest, ImageAndCaretLine) {
  GpBitmap* picture = nullptr;
  ASSERT_EQ(GdipCreateBitmapFromScan0(2, 2, 0, PixelFormat32bppARGB, nullptr, &picture), Ok);
  GpGraphics* onPicture = nullptr;
  GdipGetImageGraphicsContext(picture, &onPicture);
  GdipGraphicsClear(onPicture, 0xFF00FF00);
  GdipDeleteGraphics(onPicture);

  GpGraphics* graphics = nullptr;
  ASSERT_EQ(GdipCreateFromHDC(dc_, &graphics), Ok);
  ASSERT_EQ(GdipDrawImageRect(graphics, picture, 0, 0, 2, 2), Ok);
  GpPen* pen = nullptr;
  GdipCreatePen1(0xFF000000, 1.0f, UnitWorld, &pen);
  ASSERT_EQ(GdipDrawLine(graphics, pen, 4, 1, 4, 3), Ok);
  GdipDeletePen(pen);
  GdipDeleteGraphics(graphics);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      std::uint32_t expected = 0;
      if (x < 2 && y < 2) expected = 0xFF00FF00;
      if (x == 4 && (y == 1 || y == 2)) expected = 0xFF000000;
      EXPECT_EQ(At(x, y), expected) << "at " << x << "," << y;
    }
  }
  GdipDisposeImage(picture);
}

TEST_P(DibTest, ClearFillsTheWholeDib) {
  GpGraphics* graphics = nullptr;
  ASSERT_EQ(GdipCreateFromHDC(dc_, &graphics), Ok);
  ASSERT_EQ(GdipGraphicsClear(graphics, 0xFF336699), Ok);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) EXPECT_EQ(At(x, y), 0xFF336699u);
  }
  GdipDeleteGraphics(graphics);
}

class HdcTest : public test::GdiplusTest {};

// GDI+ reports a null DC as OutOfMemory; a handle that is no DC likewise.
TEST_F(HdcTest, CreateFromHdcRefusesNullAndForeignDCs) {
  GpGraphics* graphics = reinterpret_cast<GpGraphics*>(kMarker);
  EXPECT_EQ(GdipCreateFromHDC(nullptr, &graphics), OutOfMemory);
  EXPECT_EQ(GdipCreateFromHDC(reinterpret_cast<HDC>(0x4321), &graphics), OutOfMemory);
  EXPECT_EQ(graphics, reinterpret_cast<GpGraphics*>(kMarker));
  HDC dc = win32::CreateCompatibleDC(nullptr);
  EXPECT_EQ(GdipCreateFromHDC(dc, nullptr), InvalidParameter);
  win32::DeleteDC(dc);
}

// A DC with no 32-bit DIB selected shows nothing in the stand-in: drawing on it succeeds and
// goes nowhere.
TEST_F(HdcTest, DcWithoutADibDrawsNothing) {
  HDC dc = win32::CreateCompatibleDC(nullptr);
  GpGraphics* graphics = nullptr;
  ASSERT_EQ(GdipCreateFromHDC(dc, &graphics), Ok);
  GpSolidFill* brush = nullptr;
  GdipCreateSolidFill(0xFF000000, &brush);
  EXPECT_EQ(GdipFillRectangle(graphics, brush, 0, 0, 4, 4), Ok);
  EXPECT_EQ(GdipGraphicsClear(graphics, 0xFF000000), Ok);
  GdipDeleteBrush(brush);
  EXPECT_EQ(GdipDeleteGraphics(graphics), Ok);
  win32::DeleteDC(dc);
}

// The DC's font: face, |lfHeight| as the em size in world units, bold from weight 600 up, and the
// italic, underline and strike-out bytes.
TEST_F(HdcTest, FontFromTheDcsSelectedFont) {
  struct Case {
    int height;
    int weight;
    win32::DWORD italic, underline, strikeOut;
    INT style;
  };
  for (Case c : {Case{-12, 400, 0, 0, 0, FontStyleRegular},
                 Case{12, 400, 0, 0, 0, FontStyleRegular}, Case{-16, 700, 0, 0, 0, FontStyleBold},
                 Case{-16, 600, 0, 0, 0, FontStyleBold}, Case{-16, 500, 1, 0, 0, FontStyleItalic},
                 Case{-20, 400, 0, 1, 1, FontStyleUnderline | FontStyleStrikeout}}) {
    SCOPED_TRACE(testing::Message() << c.height << " weight " << c.weight);
    HDC dc = win32::CreateCompatibleDC(nullptr);
    win32::HFONT hfont =
        win32::CreateFontA(c.height, 0, 0, 0, c.weight, c.italic, c.underline, c.strikeOut,
                           win32::DEFAULT_CHARSET, 0, 0, 0, 0, "WenQuanYi Micro Hei");
    ASSERT_NE(hfont, nullptr);
    win32::HGDIOBJ old = win32::SelectObject(dc, hfont);
    GpFont* font = nullptr;
    ASSERT_EQ(GdipCreateFontFromDC(dc, &font), Ok);
    INT style = INT(kMarker);
    REAL size = 0;
    Unit unit = Unit(kMarker);
    GdipGetFontStyle(font, &style);
    GdipGetFontSize(font, &size);
    GdipGetFontUnit(font, &unit);
    EXPECT_EQ(style, c.style);
    EXPECT_EQ(size, REAL(std::abs(c.height)));
    EXPECT_EQ(unit, UnitWorld);
    GdipDeleteFont(font);
    win32::SelectObject(dc, old);
    win32::DeleteObject(hfont);
    win32::DeleteDC(dc);
  }
}

// GDI maps a face it does not have to one it has, so the font is made all the same.
TEST_F(HdcTest, FontFromADcWithAnUnknownFace) {
  HDC dc = win32::CreateCompatibleDC(nullptr);
  win32::HFONT hfont = win32::CreateFontA(-14, 0, 0, 0, 400, 0, 0, 0, win32::DEFAULT_CHARSET, 0, 0,
                                          0, 0, "No Such Face");
  win32::HGDIOBJ old = win32::SelectObject(dc, hfont);
  GpFont* font = nullptr;
  ASSERT_EQ(GdipCreateFontFromDC(dc, &font), Ok);
  REAL size = 0;
  GdipGetFontSize(font, &size);
  EXPECT_EQ(size, 14.0f);
  GdipDeleteFont(font);
  win32::SelectObject(dc, old);
  win32::DeleteObject(hfont);
  win32::DeleteDC(dc);
}

TEST_F(HdcTest, FontFromDcRefusesBadArguments) {
  GpFont* font = reinterpret_cast<GpFont*>(kMarker);
  EXPECT_EQ(GdipCreateFontFromDC(nullptr, &font), InvalidParameter);
  EXPECT_EQ(GdipCreateFontFromDC(reinterpret_cast<HDC>(0x4321), &font), InvalidParameter);
  EXPECT_EQ(font, reinterpret_cast<GpFont*>(kMarker));
  HDC dc = win32::CreateCompatibleDC(nullptr);
  EXPECT_EQ(GdipCreateFontFromDC(dc, nullptr), InvalidParameter);
  win32::DeleteDC(dc);
}

}  // namespace
}  // namespace gdiplus
