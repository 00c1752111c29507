// Compose, Present, the caret line, the blink and ToArgb, on the pixels of the presented picture.
#include "uikit/Compose.h"

#include <gtest/gtest.h>

#include "platform/win32/Timer.h"
#include "platform/win32/Window.h"
#include "tests/uikit/KitTest.h"
#include "uikit/Decode.h"
#include "uikit/KitState.h"
#include "uikit/LayeredImageHost.h"

namespace {

using namespace kit_test;
using uikit::ComposeMode;

constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kBlue = 0xFF0000FF;
constexpr std::uint32_t kBlack = 0xFF000000;

class Drawing : public ::testing::Test {
 protected:
  void SetUp() override { StartKit(); }
  void TearDown() override {
    uikit::KitState& kit = uikit::Kit();
    kit.caretHost = nullptr;
    kit.caretControl = nullptr;
    kit.cachedComposite.reset();
    kit.blinkPhase = 0;
  }
};

TEST(ToArgb, JoinsColourrefAndAlpha) {
  struct Case {
    win32::COLORREF color;
    int alpha;
    gdiplus::ARGB expected;
  };
  const Case cases[] = {
      {0x000000FF, 255, 0xFFFF0000},  // red
      {0x00000000, 255, 0xFF000000},  {0x0000FF00, 128, 0x8000FF00},
      {0x00FF0000, 0, 0x000000FF},  // blue
      {0x00332211, 0x44, 0x44112233},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(uikit::ToArgb(c.color, c.alpha), c.expected) << std::hex << c.color;
  }
}

TEST_F(Drawing, KnownPngIsPresentedPremultiplied) {
  QImage picture = Halves(8, 6, 0xFFFF0000, 0x80FFFFFF);
  picture.setPixel(0, 5, 0x00000000);
  TestWindow window(30, 40, 8, 6);
  uikit::LayeredImageHost host;
  ASSERT_TRUE(host.Attach(window));
  ASSERT_TRUE(host.SetImageData(PngBytes(picture)));
  ASSERT_EQ(PresentedSize(window), QSize(8, 6));
  EXPECT_EQ(Presented(window, 0, 0), kRed);
  EXPECT_EQ(Presented(window, 3, 5), kRed);
  EXPECT_EQ(Presented(window, 0, 5), 0u) << "fully transparent";
  // Half-transparent white: 0x80 of 0xFF in each channel.
  const std::uint32_t half = Presented(window, 7, 0);
  EXPECT_EQ(half >> 24, 0x80u);
  EXPECT_NEAR(double(half & 0xFF), 0x80, 1);
  EXPECT_EQ(Presented(window, 4, 2), half);
}

TEST_F(Drawing, BackImageIsStretchedOrShrunkToTheWindow) {
  struct Case {
    const char* name;
    int imageWidth, imageHeight;
  };
  const Case cases[] = {{"smaller", 10, 10}, {"larger", 100, 90}, {"same", 40, 30}};
  for (const Case& c : cases) {
    TestWindow window(30, 40, 40, 30);
    uikit::LayeredImageHost host;
    ASSERT_TRUE(host.Attach(window));
    ASSERT_TRUE(host.SetImageData(PngBytes(Halves(c.imageWidth, c.imageHeight, kRed, kBlue))));
    ASSERT_EQ(PresentedSize(window), QSize(40, 30)) << c.name;
    for (int y : {0, 15, 29}) {
      EXPECT_EQ(Presented(window, 0, y), kRed) << c.name << " y " << y;
      EXPECT_EQ(Presented(window, 15, y), kRed) << c.name << " y " << y;
      EXPECT_EQ(Presented(window, 25, y), kBlue) << c.name << " y " << y;
      EXPECT_EQ(Presented(window, 39, y), kBlue) << c.name << " y " << y;
    }
  }
}

TEST_F(Drawing, PresentDrawsAtTheImagesOwnSize) {
  TestWindow window(30, 40, 40, 30, win32::WS_EX_LAYERED);
  gdiplus::GpImage* small = DecodedImage(Solid(10, 8, kBlue));
  uikit::Present(window, small, false);
  ASSERT_EQ(PresentedSize(window), QSize(40, 30));
  EXPECT_EQ(Presented(window, 0, 0), kBlue);
  EXPECT_EQ(Presented(window, 9, 7), kBlue);
  EXPECT_EQ(Presented(window, 10, 7), 0u) << "the rest stays transparent";
  EXPECT_EQ(Presented(window, 9, 8), 0u);
  EXPECT_EQ(Presented(window, 39, 29), 0u);

  gdiplus::GpImage* large = DecodedImage(Halves(120, 30, kRed, kBlue));
  uikit::Present(window, large, false);
  ASSERT_EQ(PresentedSize(window), QSize(40, 30)) << "cut at the window's size";
  EXPECT_EQ(Presented(window, 39, 29), kRed) << "unscaled: the left half covers the window";
  uikit::DisposeImage(small);
  uikit::DisposeImage(large);
}

TEST_F(Drawing, PresentWithoutImageOrWindowDrawsNothing) {
  TestWindow window(30, 40, 40, 30);
  uikit::Present(window, nullptr, false);
  EXPECT_EQ(PresentedSize(window), QSize(0, 0));
  gdiplus::GpImage* image = DecodedImage(Solid(4, 4, kBlue));
  uikit::Present(nullptr, image, false);
  uikit::DisposeImage(image);
}

TEST_F(Drawing, ComposeCanHandBackTheCanvas) {
  TestWindow window(30, 40, 12, 9);
  uikit::LayeredImageHost host;
  ASSERT_TRUE(host.Attach(window));
  gdiplus::GpImage* back = DecodedImage(Solid(3, 3, kBlue));
  win32::SetPropA(window, "PngControl_BackImage", reinterpret_cast<win32::HANDLE>(back));
  gdiplus::GpImage* canvas = nullptr;
  uikit::Compose(window, &canvas, ComposeMode::ReturnCanvas);
  ASSERT_NE(canvas, nullptr);
  EXPECT_EQ(PresentedSize(window), QSize(0, 0)) << "not presented";
  gdiplus::PixelFormat format = 0;
  gdiplus::GdipGetImagePixelFormat(canvas, &format);
  EXPECT_EQ(format, gdiplus::PixelFormat32bppARGB);
  win32::UINT width = 0, height = 0;
  gdiplus::GdipGetImageWidth(canvas, &width);
  gdiplus::GdipGetImageHeight(canvas, &height);
  EXPECT_EQ(width, 12u);
  EXPECT_EQ(height, 9u);
  EXPECT_EQ(BitmapPixel(canvas, 11, 8), kBlue);
  gdiplus::GdipDisposeImage(canvas);
  win32::RemovePropA(window, "PngControl_BackImage");
  uikit::DisposeImage(back);
}

TEST_F(Drawing, WindowWithoutBackImageIsPresentedTransparent) {
  TestWindow window(30, 40, 12, 9, win32::WS_EX_LAYERED);
  uikit::Compose(window, nullptr, ComposeMode::Present);
  ASSERT_EQ(PresentedSize(window), QSize(12, 9));
  EXPECT_EQ(Presented(window, 0, 0), 0u);
  EXPECT_EQ(Presented(window, 11, 8), 0u);
}

// The caret line of a 20-pixel-high control at (10, 6) in the host, caret at x 3: the line runs
// 5 pixels right of the caret, from 4 to 16 pixels below the control's top.
TEST_F(Drawing, CaretLineIsCentredInTheControl) {
  TestWindow window(30, 40, 60, 40);
  win32::HWND control = CreateChild(window, "EDIT", 10, 6, 30, 20);
  ASSERT_NE(control, nullptr);
  uikit::LayeredImageHost host;
  ASSERT_TRUE(host.Attach(window));
  win32::SetCaretPos(3, 9);
  uikit::Kit().caretControl = control;
  gdiplus::GpImage* canvas = nullptr;
  uikit::Compose(window, &canvas, ComposeMode::ReturnCanvas);
  uikit::Present(window, canvas, true);
  const int x = 10 + 3 + 5;
  for (int y = 6 + 4; y < 6 + 16; ++y) {
    EXPECT_EQ(Presented(window, x, y), kBlack) << "y " << y;
  }
  EXPECT_EQ(Presented(window, x, 6 + 3), 0u);
  EXPECT_EQ(Presented(window, x, 6 + 16), 0u);
  EXPECT_EQ(Presented(window, x - 1, 15), 0u) << "one pixel wide";
  EXPECT_EQ(Presented(window, x + 1, 15), 0u);
  uikit::Present(window, canvas, false);
  EXPECT_EQ(Presented(window, x, 15), 0u) << "the canvas itself never holds the caret";
  gdiplus::GdipDisposeImage(canvas);
}

TEST_F(Drawing, BlinkShowsTheCaretOnAlternateTicks) {
  TestWindow window(30, 40, 60, 40);
  win32::HWND control = CreateChild(window, "EDIT", 10, 6, 30, 20);
  uikit::LayeredImageHost host;
  ASSERT_TRUE(host.Attach(window));
  win32::KillTimer(window, 64);  // the test drives the ticks itself
  win32::SetCaretPos(0, 0);
  uikit::KitState& kit = uikit::Kit();
  kit.caretHost = window;
  kit.caretControl = control;
  kit.blinkPhase = 0;
  uikit::Compose(window, nullptr, ComposeMode::Present);
  ASSERT_TRUE(kit.cachedComposite) << "the caret host's canvas is cached";
  const int x = 15;
  const int y = 15;
  EXPECT_EQ(Presented(window, x, y), 0u);
  const bool expected[] = {true, false, true, false};
  for (bool caretShown : expected) {
    uikit::OnBlinkTimer(window, win32::WM_TIMER, 64, 0);
    EXPECT_EQ(Presented(window, x, y), caretShown ? kBlack : 0u);
    EXPECT_EQ(kit.blinkPhase, caretShown ? 1 : 0);
  }
  // Ticks of another timer, or for a window that is not the caret host, change nothing.
  uikit::OnBlinkTimer(window, win32::WM_TIMER, 63, 0);
  EXPECT_EQ(kit.blinkPhase, 0);
  TestWindow other(30, 40, 60, 40);
  uikit::OnBlinkTimer(other, win32::WM_TIMER, 64, 0);
  EXPECT_EQ(kit.blinkPhase, 0);
  kit.caretControl = nullptr;
  uikit::OnBlinkTimer(window, win32::WM_TIMER, 64, 0);
  EXPECT_EQ(kit.blinkPhase, 0) << "no caret control: no blink";
}

TEST_F(Drawing, ComposeReplacesTheCachedCompositeOfTheCaretHost) {
  TestWindow window(30, 40, 20, 10);
  uikit::KitState& kit = uikit::Kit();
  kit.caretHost = window;
  uikit::Compose(window, nullptr, ComposeMode::Present);
  gdiplus::GpImage* first = kit.cachedComposite.get();
  ASSERT_NE(first, nullptr);
  uikit::Compose(window, nullptr, ComposeMode::Present);
  EXPECT_FALSE(ImageAlive(first)) << "the old composite is disposed";
  EXPECT_NE(kit.cachedComposite.get(), nullptr);

  // Another window's canvas is disposed, not cached.
  TestWindow other(30, 40, 20, 10);
  gdiplus::GpImage* cached = kit.cachedComposite.get();
  uikit::Compose(other, nullptr, ComposeMode::Present);
  EXPECT_EQ(kit.cachedComposite.get(), cached);

  // No canvas can be made for a window of no area: the blink has nothing to show.
  win32::SetWindowPos(window, nullptr, 0, 0, 0, 10, win32::SWP_NOZORDER | win32::SWP_NOMOVE);
  uikit::Compose(window, nullptr, ComposeMode::Present);
  EXPECT_FALSE(kit.cachedComposite);
  EXPECT_FALSE(ImageAlive(cached));
}

TEST_F(Drawing, ComposeOfAWindowThatIsGoneDropsTheCachedComposite) {
  TestWindow window(30, 40, 20, 10);
  uikit::KitState& kit = uikit::Kit();
  kit.caretHost = window;
  uikit::Compose(window, nullptr, ComposeMode::Present);
  ASSERT_TRUE(kit.cachedComposite);
  window.Destroy();
  uikit::Compose(kit.caretHost, nullptr, ComposeMode::Present);
  EXPECT_FALSE(kit.cachedComposite);
}

}  // namespace
