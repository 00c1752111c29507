// Back images that SetImageData decoded are released once they are no window's back image,
// never while they are; images handed to SetBackImage stay their owner's.
#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/Window.h"
#include "tests/uikit/KitTest.h"
#include "uikit/Decode.h"
#include "uikit/KitState.h"
#include "uikit/LayeredImageHost.h"

namespace {

using namespace kit_test;

gdiplus::GpImage* BackImage(win32::HWND window) {
  return reinterpret_cast<gdiplus::GpImage*>(win32::GetPropA(window, "PngControl_BackImage"));
}

class BackImages : public ::testing::Test {
 protected:
  void SetUp() override { StartKit(); }
};

TEST_F(BackImages, SplashFramesAreReleasedOnceReplaced) {
  TestWindow window(0, 0, 49, 33);
  uikit::LayeredImageHost host;
  ASSERT_TRUE(host.Attach(window));
  const std::size_t sourcesBefore = uikit::Kit().imageSources.size();
  std::vector<gdiplus::GpImage*> shown;
  for (int frame = 1; frame <= 35; ++frame) {
    const QRgb color = qRgba(frame * 7, 255 - frame * 7, 100, 255);
    ASSERT_TRUE(host.SetImageData(PngBytes(Solid(49, 33, color)))) << frame;
    shown.push_back(BackImage(window));
    EXPECT_EQ(Presented(window, 20, 20), color) << frame;
  }
  for (std::size_t i = 0; i + 1 < shown.size(); ++i) {
    EXPECT_FALSE(ImageAlive(shown[i])) << "frame " << i + 1 << " was replaced";
  }
  EXPECT_TRUE(ImageAlive(shown.back())) << "the current one stays";
  EXPECT_EQ(uikit::Kit().imageSources.size(), sourcesBefore + 1) << "one stream is held";
  window.Destroy();
}

TEST_F(BackImages, CallersImagesStayTheCallers) {
  TestWindow window(0, 0, 10, 10);
  uikit::LayeredImageHost host;
  ASSERT_TRUE(host.Attach(window));
  gdiplus::GpImage* mine = DecodedImage(Solid(10, 10, 0xFF0000FF));
  ASSERT_TRUE(host.SetBackImage(mine));
  ASSERT_TRUE(host.SetImageData(PngBytes(Solid(10, 10, 0xFF00FF00))));
  EXPECT_TRUE(ImageAlive(mine));
  gdiplus::GpImage* decoded = BackImage(window);
  // Replacing the kit's image by the caller's releases the kit's.
  ASSERT_TRUE(host.SetBackImage(mine));
  EXPECT_FALSE(ImageAlive(decoded));
  EXPECT_EQ(Presented(window, 5, 5), 0xFF0000FFu);
  // The same image again is no replacement.
  ASSERT_TRUE(host.SetImageData(PngBytes(Solid(10, 10, 0xFF00FF00))));
  decoded = BackImage(window);
  ASSERT_TRUE(host.SetBackImage(decoded));
  EXPECT_TRUE(ImageAlive(decoded));
  window.Destroy();
  uikit::DisposeImage(mine);
}

TEST_F(BackImages, ImageShownOnAnotherWindowStaysUntilThatOneReplacesIt) {
  TestWindow first(0, 0, 10, 10);
  TestWindow second(20, 0, 10, 10);
  uikit::LayeredImageHost host;
  ASSERT_TRUE(host.Attach(first));
  ASSERT_TRUE(host.SetImageData(PngBytes(Solid(10, 10, 0xFFFF0000))));
  gdiplus::GpImage* shared = BackImage(first);
  ASSERT_TRUE(host.Attach(second));
  ASSERT_TRUE(host.SetBackImage(shared));
  ASSERT_TRUE(host.Attach(first));
  ASSERT_TRUE(host.SetImageData(PngBytes(Solid(10, 10, 0xFF00FF00))));
  EXPECT_TRUE(ImageAlive(shared)) << "still the second window's back image";
  ASSERT_TRUE(host.Attach(second));
  ASSERT_TRUE(host.SetImageData(PngBytes(Solid(10, 10, 0xFF0000FF))));
  EXPECT_FALSE(ImageAlive(shared));
}

}  // namespace
