// Start-up and shut-down, and what every call gives before start-up.

#include <QImage>

#include "tests/platform/gdiplus/Support.h"

namespace gdiplus {
namespace {

using test::kMarker;

GdiplusStartupInput Input(UINT32 version, BOOL suppressThread = win32::FALSE) {
  return GdiplusStartupInput{version, nullptr, suppressThread, win32::FALSE};
}

TEST(GdiplusStartup, VersionOneGivesANonZeroToken) {
  ULONG_PTR token = 0;
  GdiplusStartupInput input = Input(1);
  ASSERT_EQ(GdiplusStartup(&token, &input, nullptr), Ok);
  EXPECT_NE(token, 0u);
  GdiplusShutdown(token);
}

TEST(GdiplusStartup, OtherVersionsAreRefused) {
  for (UINT32 version : {0u, 2u, 3u, 0xFFFFFFFFu}) {
    ULONG_PTR token = kMarker;
    GdiplusStartupInput input = Input(version);
    EXPECT_EQ(GdiplusStartup(&token, &input, nullptr), UnsupportedGdiplusVersion) << version;
    EXPECT_EQ(token, kMarker);
  }
}

TEST(GdiplusStartup, NullArguments) {
  ULONG_PTR token = kMarker;
  GdiplusStartupInput input = Input(1);
  EXPECT_EQ(GdiplusStartup(nullptr, &input, nullptr), InvalidParameter);
  EXPECT_EQ(GdiplusStartup(&token, nullptr, nullptr), InvalidParameter);
  EXPECT_EQ(token, kMarker);
}

// A caller that suppresses the background thread must take the hooks that run its work.
TEST(GdiplusStartup, SuppressedBackgroundThreadNeedsTheOutput) {
  ULONG_PTR token = kMarker;
  GdiplusStartupInput input = Input(1, win32::TRUE);
  EXPECT_EQ(GdiplusStartup(&token, &input, nullptr), InvalidParameter);
  GdiplusStartupOutput output{reinterpret_cast<void*>(1), reinterpret_cast<void*>(1)};
  ASSERT_EQ(GdiplusStartup(&token, &input, &output), Ok);
  EXPECT_NE(output.NotificationHook, nullptr);
  EXPECT_NE(output.NotificationUnhook, nullptr);
  GdiplusShutdown(token);
}

// Objects live while any start-up is running and are gone after the last shut-down.
TEST(GdiplusStartup, TokensAreCountedAndTheLastShutdownEndsEverything) {
  ULONG_PTR first = 0, second = 0;
  GdiplusStartupInput input = Input(1);
  ASSERT_EQ(GdiplusStartup(&first, &input, nullptr), Ok);
  ASSERT_EQ(GdiplusStartup(&second, &input, nullptr), Ok);
  EXPECT_NE(first, second);
  GpSolidFill* brush = nullptr;
  ASSERT_EQ(GdipCreateSolidFill(0xFF000000, &brush), Ok);
  GdiplusShutdown(first);
  GdiplusShutdown(first);  // a token that no longer runs is ignored
  GdiplusShutdown(0);
  EXPECT_EQ(GdipCreateSolidFill(0xFF000000, nullptr), InvalidParameter);  // still running
  GdiplusShutdown(second);
  EXPECT_EQ(GdipDeleteBrush(brush), GdiplusNotInitialized);
  ULONG_PTR again = 0;
  ASSERT_EQ(GdiplusStartup(&again, &input, nullptr), Ok);
  EXPECT_EQ(GdipDeleteBrush(brush), InvalidParameter);  // the old brush went with the shut-down
  GdiplusShutdown(again);
}

TEST(GdiplusNotInitialized, EveryCallBeforeStartup) {
  ASSERT_EQ(GdipDeletePen(nullptr), GdiplusNotInitialized);  // nothing is running
  GpImage* image = reinterpret_cast<GpImage*>(kMarker);
  GpBitmap* bitmap = reinterpret_cast<GpBitmap*>(kMarker);
  GpGraphics* graphics = nullptr;
  GpPen* pen = nullptr;
  GpSolidFill* fill = nullptr;
  GpFontFamily* family = nullptr;
  GpFont* font = nullptr;
  GpStringFormat* format = nullptr;
  UINT u = 0;
  REAL r = 0;
  INT i = 0;
  Unit unit = UnitWorld;
  ARGB argb = 0;
  PixelFormat pf = 0;
  RectF rect{0, 0, 10, 10};
  com::IStream* stream = test::StreamOver(test::Encode(QImage(1, 1, QImage::Format_ARGB32), "PNG"));
  const GpStatus statuses[] = {
      GdipLoadImageFromStream(stream, &image),
      GdipDisposeImage(image),
      GdipGetImageWidth(image, &u),
      GdipGetImageHeight(image, &u),
      GdipGetImageDimension(image, &r, &r),
      GdipGetImagePixelFormat(image, &pf),
      GdipImageGetFrameCount(image, &FrameDimensionTime, &u),
      GdipImageSelectActiveFrame(image, &FrameDimensionTime, 0),
      GdipCreateBitmapFromScan0(1, 1, 0, PixelFormat32bppARGB, nullptr, &bitmap),
      GdipBitmapGetPixel(bitmap, 0, 0, &argb),
      GdipGetImageGraphicsContext(image, &graphics),
      GdipCreateFromHDC(reinterpret_cast<HDC>(kMarker), &graphics),
      GdipDeleteGraphics(graphics),
      GdipGraphicsClear(graphics, 0),
      GdipDrawImageRect(graphics, image, 0, 0, 1, 1),
      GdipDrawImagePointRect(graphics, image, 0, 0, 0, 0, 1, 1, UnitPixel),
      GdipCreatePen1(0, 1, UnitPixel, &pen),
      GdipDeletePen(pen),
      GdipDrawLine(graphics, pen, 0, 0, 1, 1),
      GdipDrawRectangle(graphics, pen, 0, 0, 1, 1),
      GdipCreateSolidFill(0, &fill),
      GdipDeleteBrush(fill),
      GdipFillRectangle(graphics, fill, 0, 0, 1, 1),
      GdipCreateFontFamilyFromName(u"WenQuanYi Micro Hei", nullptr, &family),
      GdipDeleteFontFamily(family),
      GdipCreateFont(family, 12, 0, UnitPixel, &font),
      GdipCreateFontFromDC(reinterpret_cast<HDC>(kMarker), &font),
      GdipDeleteFont(font),
      GdipGetFontStyle(font, &i),
      GdipGetFontSize(font, &r),
      GdipGetFontUnit(font, &unit),
      GdipGetFontHeight(font, graphics, &r),
      GdipCreateStringFormat(0, 0, &format),
      GdipDeleteStringFormat(format),
      GdipSetStringFormatAlign(format, StringAlignmentCenter),
      GdipSetStringFormatLineAlign(format, StringAlignmentCenter),
      GdipDrawString(graphics, u"x", -1, font, &rect, format, fill),
  };
  for (std::size_t n = 0; n < std::size(statuses); ++n) {
    EXPECT_EQ(statuses[n], GdiplusNotInitialized) << "call " << n;
  }
  // Nothing was written.
  EXPECT_EQ(image, reinterpret_cast<GpImage*>(kMarker));
  EXPECT_EQ(bitmap, reinterpret_cast<GpBitmap*>(kMarker));
  EXPECT_EQ(graphics, nullptr);
  EXPECT_EQ(pen, nullptr);
  EXPECT_EQ(fill, nullptr);
  EXPECT_EQ(family, nullptr);
  EXPECT_EQ(font, nullptr);
  EXPECT_EQ(format, nullptr);
  stream->Release();
}

}  // namespace
}  // namespace gdiplus
