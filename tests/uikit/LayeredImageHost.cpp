// The layered image host's operations and the kit's start-up and exit work.
#include "uikit/LayeredImageHost.h"

#include <gtest/gtest.h>

#include "platform/win32/Timer.h"
#include "platform/win32/Window.h"
#include "tests/uikit/KitTest.h"
#include "uikit/Compose.h"
#include "uikit/Decode.h"
#include "uikit/FrameDimension.h"
#include "uikit/Kit.h"
#include "uikit/KitState.h"

namespace {

using namespace kit_test;
using uikit::LayeredImageHost;

win32::UINT_PTR TimeProperty(win32::HWND window) {
  return reinterpret_cast<win32::UINT_PTR>(win32::GetPropA(window, "PngControl_Time"));
}

gdiplus::GpImage* BackImage(win32::HWND window) {
  return reinterpret_cast<gdiplus::GpImage*>(win32::GetPropA(window, "PngControl_BackImage"));
}

win32::RECT RectOf(win32::HWND window) {
  win32::RECT rect{};
  win32::GetWindowRect(window, &rect);
  return rect;
}

class Host : public ::testing::Test {
 protected:
  void SetUp() override { StartKit(); }
};

TEST_F(Host, AttachMakesExactlyLayeredAndStartsTheBlinkTimer) {
  TestWindow window(10, 20, 60, 40, win32::WS_EX_TOOLWINDOW | win32::WS_EX_CLIENTEDGE);
  LayeredImageHost host;
  EXPECT_EQ(TimeProperty(window), 0u);
  EXPECT_TRUE(host.Attach(window));
  EXPECT_EQ(host.GetHandle(), window.handle());
  EXPECT_EQ(win32::GetWindowLongA(window, win32::GWL_EXSTYLE), win32::LONG_PTR(0x80000))
      << "other extended styles are dropped";
  EXPECT_EQ(TimeProperty(window), 64u);
  EXPECT_NE(win32::KillTimer(window, 64), win32::FALSE) << "timer 64 runs";
}

TEST_F(Host, AttachTwiceStartsOneTimerButAppliesTheStyleAgain) {
  TestWindow window(10, 20, 60, 40);
  LayeredImageHost host;
  ASSERT_TRUE(host.Attach(window));
  // A second Attach that started the timer anew would put its first tick off by the time waited.
  // The caret state makes each tick visible as a change of the blink phase.
  gdiplus::GpImage* canvas = nullptr;
  uikit::KitState& kit = uikit::Kit();
  kit.caretHost = window;
  kit.caretControl = window;
  kit.blinkPhase = 0;
  uikit::Compose(window, &canvas, uikit::ComposeMode::ReturnCanvas);
  kit.cachedComposite.reset(canvas);
  RunEvents(300);
  win32::SetWindowLongA(window, win32::GWL_EXSTYLE, win32::WS_EX_TOOLWINDOW);
  EXPECT_TRUE(host.Attach(window));
  EXPECT_EQ(win32::GetWindowLongA(window, win32::GWL_EXSTYLE), win32::LONG_PTR(0x80000));
  EXPECT_EQ(TimeProperty(window), 64u);
  RunEvents(350);  // 650 ms after the first Attach, 350 ms after the second
  EXPECT_EQ(kit.blinkPhase, 1) << "the first timer ticked at 500 ms";
  EXPECT_NE(win32::KillTimer(window, 64), win32::FALSE);
  EXPECT_EQ(win32::KillTimer(window, 64), win32::FALSE) << "only one timer 64";
  kit.caretHost = nullptr;
  kit.caretControl = nullptr;
  kit.cachedComposite.reset();
}

TEST_F(Host, AttachToAWindowWithTheTimePropertyStartsNoTimer) {
  TestWindow window(10, 20, 60, 40);
  win32::SetPropA(window, "PngControl_Time", reinterpret_cast<win32::HANDLE>(64));
  LayeredImageHost host;
  EXPECT_TRUE(host.Attach(window));
  EXPECT_EQ(win32::KillTimer(window, 64), win32::FALSE);
}

TEST_F(Host, AttachToWhatIsNoWindowFailsAndKeepsTheWindow) {
  TestWindow window(10, 20, 60, 40);
  LayeredImageHost host;
  ASSERT_TRUE(host.Attach(window));
  TestWindow gone(0, 0, 10, 10);
  win32::HWND goneHandle = gone.handle();
  gone.Destroy();
  EXPECT_FALSE(host.Attach(goneHandle));
  EXPECT_FALSE(host.Attach(nullptr));
  EXPECT_EQ(host.GetHandle(), window.handle());
}

TEST_F(Host, SetImageDataPresentsTheFrame) {
  TestWindow window(10, 20, 6, 4);
  LayeredImageHost host;
  ASSERT_TRUE(host.Attach(window));
  EXPECT_TRUE(host.SetImageData(PngBytes(Halves(6, 4, 0xFFFF0000, 0xFF0000FF))));
  EXPECT_NE(BackImage(window), nullptr);
  EXPECT_EQ(PresentedSize(window), QSize(6, 4));
  EXPECT_EQ(Presented(window, 0, 0), 0xFFFF0000u);
  EXPECT_EQ(Presented(window, 5, 3), 0xFF0000FFu);
}

TEST_F(Host, SetImageDataThatDoesNotDecodeChangesNothing) {
  TestWindow window(10, 20, 6, 4);
  LayeredImageHost host;
  ASSERT_TRUE(host.Attach(window));
  ASSERT_TRUE(host.SetImageData(PngBytes(Solid(6, 4, 0xFF00FF00))));
  gdiplus::GpImage* back = BackImage(window);
  EXPECT_FALSE(host.SetImageData(bytes::ByteBlock()));
  EXPECT_FALSE(host.SetImageData(bytes::ByteBlock("no picture")));
  EXPECT_EQ(BackImage(window), back);
  EXPECT_TRUE(ImageAlive(back));
  EXPECT_EQ(Presented(window, 3, 2), 0xFF00FF00u);
}

TEST_F(Host, SetBackImageFailsForNoImageOrNoWindow) {
  LayeredImageHost detached;
  gdiplus::GpImage* image = DecodedImage(Solid(2, 2, 0xFF000000));
  EXPECT_FALSE(detached.SetBackImage(image));
  TestWindow window(10, 20, 6, 4);
  LayeredImageHost host;
  ASSERT_TRUE(host.Attach(window));
  EXPECT_FALSE(host.SetBackImage(nullptr));
  EXPECT_EQ(BackImage(window), nullptr);
  EXPECT_EQ(PresentedSize(window), QSize(0, 0)) << "nothing presented";
  window.Destroy();
  EXPECT_FALSE(host.SetBackImage(image));
  EXPECT_FALSE(host.SetImageData(PngBytes(Solid(2, 2, 0xFF000000))));
  EXPECT_TRUE(ImageAlive(image)) << "the caller's image stays the caller's";
  uikit::DisposeImage(image);
}

TEST_F(Host, SetBoundsKeepsWhatIsNotGiven) {
  TestWindow window(100, 50, 60, 40);
  LayeredImageHost host;
  ASSERT_TRUE(host.Attach(window));
  struct Case {
    const char* name;
    std::optional<int> x, y, width, height;
    win32::RECT expected;  // from {100, 50, 160, 90}
  };
  const Case cases[] = {
      {"width and height keep the place", {}, {}, 80, 30, {100, 50, 180, 80}},
      {"x alone keeps the top and size", 120, {}, {}, {}, {120, 50, 180, 90}},
      {"y alone keeps the left", {}, 70, {}, {}, {100, 70, 160, 110}},
      {"height alone keeps the width", {}, {}, {}, 25, {100, 50, 160, 75}},
      {"all four", 1, 2, 3, 4, {1, 2, 4, 6}},
      {"none", {}, {}, {}, {}, {100, 50, 160, 90}},
  };
  for (const Case& c : cases) {
    win32::SetWindowPos(window, nullptr, 100, 50, 60, 40, win32::SWP_NOZORDER);
    host.SetBounds(c.x, c.y, c.width, c.height, uikit::Redraw::Yes);
    const win32::RECT r = RectOf(window);
    EXPECT_EQ(r.left, c.expected.left) << c.name;
    EXPECT_EQ(r.top, c.expected.top) << c.name;
    EXPECT_EQ(r.right, c.expected.right) << c.name;
    EXPECT_EQ(r.bottom, c.expected.bottom) << c.name;
  }
  host.SetBounds(7, 8, {}, {}, uikit::Redraw::No);
  EXPECT_EQ(RectOf(window).left, 7);
  EXPECT_EQ(RectOf(window).top, 8);
}

TEST_F(Host, HandleAliveCopyAndSend) {
  TestWindow window(10, 20, 60, 40);
  LayeredImageHost host;
  EXPECT_EQ(host.GetHandle(), nullptr);
  EXPECT_FALSE(host.IsAlive());
  ASSERT_TRUE(host.Attach(window));
  EXPECT_TRUE(host.IsAlive());
  std::unique_ptr<LayeredImageHost> copy = host.Copy();
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->GetHandle(), window.handle());
  win32::SetWindowTextA(window, "abcd");
  EXPECT_EQ(host.Send(win32::WM_GETTEXTLENGTH, 0, 0), 4);
  window.Destroy();
  EXPECT_FALSE(host.IsAlive());
  EXPECT_FALSE(copy->IsAlive());
  EXPECT_EQ(host.Send(win32::WM_GETTEXTLENGTH, 0, 0), 0);
}

TEST_F(Host, SkinChildrenOnAWindowThatIsGoneDoesNothing) {
  LayeredImageHost host;
  host.SkinChildren();  // detached
  TestWindow window(10, 20, 6, 4);
  ASSERT_TRUE(host.Attach(window));
  host.SkinChildren();
  EXPECT_EQ(PresentedSize(window), QSize(6, 4)) << "recomposed: a transparent picture";
  EXPECT_EQ(Presented(window, 1, 1), 0u);
  window.Destroy();
  host.SkinChildren();
}

TEST(Kit, StartUpAndExit) {
  StartKit();
  LayeredImageHost* host = uikit::CreateHost();
  ASSERT_NE(host, nullptr);
  EXPECT_EQ(uikit::Host(), host);
  EXPECT_EQ(host->GetHandle(), nullptr) << "created detached";
  win32::WNDCLASSEXA wc{};
  EXPECT_NE(win32::GetClassInfoExA(win32::GetModuleHandleA(nullptr), "VestaLoadDialog", &wc),
            win32::FALSE);
  EXPECT_NE(uikit::FrameDimension(), nullptr);

  // A back image on screen at the end stays as it is; the host and the block go.
  TestWindow window(10, 20, 6, 4);
  ASSERT_TRUE(host->Attach(window));
  ASSERT_TRUE(host->SetImageData(PngBytes(Solid(6, 4, 0xFFFFFFFF))));
  gdiplus::GpImage* back = BackImage(window);
  uikit::KitExit();
  EXPECT_EQ(uikit::Host(), nullptr);
  EXPECT_EQ(uikit::FrameDimension(), nullptr);
  EXPECT_TRUE(ImageAlive(back));
  EXPECT_TRUE(win32::IsWindow(window));
  StartKit();  // for the tests that follow in this process
  EXPECT_NE(uikit::FrameDimension(), nullptr);
}

}  // namespace
