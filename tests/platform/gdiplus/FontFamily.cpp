// Font families looked up among the installed fonts.

#include "tests/platform/gdiplus/Support.h"

namespace gdiplus {
namespace {

using test::kMarker;

class FontFamilyTest : public test::GdiplusTest {};

// The CJK face that scripts/deps.sh installs.
TEST_F(FontFamilyTest, FindsAnInstalledFamilyIgnoringCase) {
  for (const WCHAR* name :
       {u"WenQuanYi Micro Hei", u"wenquanyi micro hei", u"WENQUANYI MICRO HEI"}) {
    GpFontFamily* family = nullptr;
    ASSERT_EQ(GdipCreateFontFamilyFromName(name, nullptr, &family), Ok);
    ASSERT_NE(family, nullptr);
    EXPECT_EQ(GdipDeleteFontFamily(family), Ok);
  }
}

TEST_F(FontFamilyTest, UnknownAndEmptyNamesAreNotFound) {
  for (const WCHAR* name : {u"No Such Face", u"", u"WenQuanYi", u"WenQuanYi Micro Hei "}) {
    GpFontFamily* family = reinterpret_cast<GpFontFamily*>(kMarker);
    EXPECT_EQ(GdipCreateFontFamilyFromName(name, nullptr, &family), FontFamilyNotFound);
    EXPECT_EQ(family, reinterpret_cast<GpFontFamily*>(kMarker));
  }
}

// Only the installed fonts (a null collection) can be searched here.
TEST_F(FontFamilyTest, NullArgumentsAndCollections) {
  GpFontFamily* family = reinterpret_cast<GpFontFamily*>(kMarker);
  EXPECT_EQ(GdipCreateFontFamilyFromName(nullptr, nullptr, &family), InvalidParameter);
  EXPECT_EQ(GdipCreateFontFamilyFromName(u"WenQuanYi Micro Hei", nullptr, nullptr),
            InvalidParameter);
  EXPECT_EQ(GdipCreateFontFamilyFromName(u"WenQuanYi Micro Hei",
                                         reinterpret_cast<GpFontCollection*>(kMarker), &family),
            InvalidParameter);
  EXPECT_EQ(family, reinterpret_cast<GpFontFamily*>(kMarker));
}

TEST_F(FontFamilyTest, DeleteOnceOnly) {
  GpFontFamily* family = nullptr;
  ASSERT_EQ(GdipCreateFontFamilyFromName(u"WenQuanYi Micro Hei", nullptr, &family), Ok);
  EXPECT_EQ(GdipDeleteFontFamily(family), Ok);
  EXPECT_EQ(GdipDeleteFontFamily(family), InvalidParameter);
  EXPECT_EQ(GdipDeleteFontFamily(nullptr), InvalidParameter);
}

}  // namespace
}  // namespace gdiplus
