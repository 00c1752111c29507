// The font, string format and font family objects: the rules of a font from a GDI font, and who
// owns which GDI+ object.
#include <gtest/gtest.h>

#include <type_traits>

#include "platform/win32/Gdi.h"
#include "platform/win32/Window.h"
#include "tests/uikit/KitTest.h"
#include "uikit/Font.h"
#include "uikit/FontFamily.h"
#include "uikit/StringFormat.h"

namespace {

using namespace kit_test;

// The font the tool's machines have (the build installs it).
constexpr char kFace[] = "WenQuanYi Micro Hei";

static_assert(!std::is_copy_constructible_v<uikit::Font>);
static_assert(!std::is_copy_constructible_v<uikit::StringFormat>);
static_assert(!std::is_copy_constructible_v<uikit::FontFamily>);

class TextResources : public ::testing::Test {
 protected:
  void SetUp() override { StartKit(); }
};

struct StyleCase {
  win32::LONG weight;
  win32::BYTE italic, underline, strikeOut;
  int expected;
};
const StyleCase kStyleCases[] = {
    {400, 0, 0, 0, gdiplus::FontStyleRegular},   {600, 0, 0, 0, gdiplus::FontStyleBold},
    {700, 0, 0, 0, gdiplus::FontStyleBold},      {800, 0, 0, 0, gdiplus::FontStyleRegular},
    {900, 0, 0, 0, gdiplus::FontStyleRegular},   {400, 1, 0, 0, gdiplus::FontStyleItalic},
    {400, 255, 0, 0, gdiplus::FontStyleRegular}, {400, 0, 1, 0, gdiplus::FontStyleUnderline},
    {400, 0, 255, 0, gdiplus::FontStyleRegular}, {400, 0, 0, 1, gdiplus::FontStyleStrikeout},
    {400, 0, 0, 2, gdiplus::FontStyleRegular},   {700, 1, 1, 1, 1 | 2 | 4 | 8},
};

TEST(FontStyleOf, FollowsTheWeightAndByteRules) {
  for (const StyleCase& c : kStyleCases) {
    EXPECT_EQ(uikit::FontStyleOf(c.weight, c.italic, c.underline, c.strikeOut), c.expected)
        << "weight " << c.weight << " italic " << int(c.italic) << " underline " << int(c.underline)
        << " strikeout " << int(c.strikeOut);
  }
}

TEST_F(TextResources, FontFromGdiFontTakesStyleSizeAndPixels) {
  struct Case {
    win32::LONG height;
    StyleCase style;
  };
  const Case cases[] = {
      {-12, kStyleCases[0]}, {12, kStyleCases[0]},  {-12, kStyleCases[1]}, {12, kStyleCases[2]},
      {-12, kStyleCases[3]}, {-20, kStyleCases[5]}, {-12, kStyleCases[6]},
  };
  for (const Case& c : cases) {
    win32::HFONT gdiFont =
        win32::CreateFontA(c.height, 0, 0, 0, c.style.weight, c.style.italic, c.style.underline,
                           c.style.strikeOut, win32::DEFAULT_CHARSET, 0, 0, 0, 0, kFace);
    ASSERT_NE(gdiFont, nullptr);
    uikit::Font font;
    gdiplus::GpFont* made = font.CreateFromGdiFont(gdiFont);
    ASSERT_NE(made, nullptr) << c.height;
    EXPECT_EQ(font.GetHandle(), made);
    int style = -1;
    float size = -1;
    int unit = -1;
    EXPECT_EQ(font.GetStyle(&style), gdiplus::Ok);
    EXPECT_EQ(font.GetSize(&size), gdiplus::Ok);
    EXPECT_EQ(font.GetUnit(&unit), gdiplus::Ok);
    EXPECT_EQ(style, c.style.expected) << "weight " << c.style.weight;
    EXPECT_EQ(size, float(c.height < 0 ? -c.height : c.height)) << c.height;
    EXPECT_EQ(unit, gdiplus::UnitPixel);
    win32::DeleteObject(gdiFont);
  }
}

TEST_F(TextResources, FontFromNoGdiFontKeepsWhatTheObjectHeld) {
  uikit::Font font;
  EXPECT_EQ(font.CreateFromGdiFont(nullptr), nullptr);
  EXPECT_EQ(font.GetHandle(), nullptr);
  ASSERT_EQ(font.Create(kFace, 10, 0, gdiplus::UnitPixel), gdiplus::Ok);
  gdiplus::GpFont* held = font.GetHandle();
  EXPECT_EQ(font.CreateFromGdiFont(nullptr), nullptr);
  EXPECT_EQ(font.GetHandle(), held);
}

TEST_F(TextResources, FontFromAWindowUsesItsOwnFont) {
  TestWindow window(0, 0, 50, 20);
  win32::HWND box = CreateChild(window, "EDIT", 0, 0, 50, 20);
  uikit::Font font;
  EXPECT_EQ(font.CreateFromWindow(box), nullptr) << "a control without a font of its own";
  EXPECT_EQ(font.GetHandle(), nullptr);
  win32::HFONT gdiFont =
      win32::CreateFontA(-14, 0, 0, 0, 700, 0, 0, 0, win32::DEFAULT_CHARSET, 0, 0, 0, 0, kFace);
  win32::SendMessageA(box, win32::WM_SETFONT, reinterpret_cast<win32::WPARAM>(gdiFont), 0);
  ASSERT_NE(font.CreateFromWindow(box), nullptr);
  float size = 0;
  int style = 0;
  font.GetSize(&size);
  font.GetStyle(&style);
  EXPECT_EQ(size, 14.0f);
  EXPECT_EQ(style, gdiplus::FontStyleBold);
  win32::DestroyWindow(box);
  win32::DeleteObject(gdiFont);
}

TEST_F(TextResources, FontReleaseAndFailedCreateEmptyTheObject) {
  uikit::Font font;
  font.Release();  // empty: nothing
  ASSERT_EQ(font.Create(kFace, 11, gdiplus::FontStyleItalic, gdiplus::UnitPoint), gdiplus::Ok);
  gdiplus::GpFont* first = font.GetHandle();
  ASSERT_NE(first, nullptr);
  int unit = -1;
  font.GetUnit(&unit);
  EXPECT_EQ(unit, gdiplus::UnitPoint);
  // A failed create deletes the old font and leaves the object empty.
  EXPECT_NE(font.Create("No Such Face Anywhere", 11, 0, gdiplus::UnitPixel), gdiplus::Ok);
  EXPECT_EQ(font.GetHandle(), nullptr);
  float size = 0;
  EXPECT_EQ(gdiplus::GdipGetFontSize(first, &size), gdiplus::InvalidParameter);
  // Operations on an empty object hand GDI+ a null font.
  EXPECT_EQ(font.GetSize(&size), gdiplus::InvalidParameter);

  ASSERT_EQ(font.Create(kFace, 9, 0, gdiplus::UnitPixel), gdiplus::Ok);
  gdiplus::GpFont* second = font.GetHandle();
  font.Release();
  font.Release();  // twice releases once
  EXPECT_EQ(font.GetHandle(), nullptr);
  EXPECT_EQ(gdiplus::GdipDeleteFont(second), gdiplus::InvalidParameter);
}

TEST_F(TextResources, FontSetHandleReleasesTheOldOne) {
  uikit::Font font;
  ASSERT_EQ(font.Create(kFace, 9, 0, gdiplus::UnitPixel), gdiplus::Ok);
  gdiplus::GpFont* old = font.GetHandle();
  font.SetHandle(nullptr);
  EXPECT_EQ(gdiplus::GdipDeleteFont(old), gdiplus::InvalidParameter);
  gdiplus::GpFont* destroyedWithObject = nullptr;
  {
    uikit::Font scoped;
    scoped.Create(kFace, 9, 0, gdiplus::UnitPixel);
    destroyedWithObject = scoped.GetHandle();
    ASSERT_NE(destroyedWithObject, nullptr);
  }
  EXPECT_EQ(gdiplus::GdipDeleteFont(destroyedWithObject), gdiplus::InvalidParameter);
}

TEST_F(TextResources, FontFamilyFromName) {
  uikit::FontFamily family;
  EXPECT_EQ(family.CreateFromName(kFace), gdiplus::Ok);
  gdiplus::GpFontFamily* held = family.GetHandle();
  ASSERT_NE(held, nullptr);
  EXPECT_NE(family.CreateFromName(""), gdiplus::Ok) << "the empty name is refused";
  EXPECT_EQ(family.GetHandle(), nullptr);
  EXPECT_EQ(gdiplus::GdipDeleteFontFamily(held), gdiplus::InvalidParameter) << "old one deleted";
  EXPECT_NE(family.CreateFromName("No Such Face Anywhere"), gdiplus::Ok);
  EXPECT_EQ(family.GetHandle(), nullptr);
  family.Release();
  family.Release();
}

TEST_F(TextResources, StringFormatOwnsItsFormat) {
  uikit::StringFormat format;
  format.Release();
  format.Create(0x1004, 0);
  gdiplus::GpStringFormat* first = format.GetHandle();
  ASSERT_NE(first, nullptr);
  format.SetAlignments(gdiplus::StringAlignmentNear, gdiplus::StringAlignmentCenter);
  format.SetAlign(gdiplus::StringAlignmentFar);
  format.SetLineAlign(gdiplus::StringAlignmentNear);
  format.Create(0, 0);
  EXPECT_NE(format.GetHandle(), first);
  EXPECT_EQ(gdiplus::GdipDeleteStringFormat(first), gdiplus::InvalidParameter);
  gdiplus::GpStringFormat* second = format.GetHandle();
  format.SetHandle(nullptr);
  EXPECT_EQ(format.GetHandle(), nullptr);
  EXPECT_EQ(gdiplus::GdipDeleteStringFormat(second), gdiplus::InvalidParameter);
}

}  // namespace
