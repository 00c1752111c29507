// The closing animation's window rectangles, step by step, on a real window of the main window's
// size: the collapse must come out to the pixel, also for a window partly off the screen, and a
// window destroyed during a wait must never be touched again.
#include "app/ClosingAnimation.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/runtime/Runtime.h"
#include "platform/win32/Window.h"
#include "tests/support/runtime/RuntimeTestSupport.h"

namespace {

struct Rect {
  int left, top, width, height;
  friend bool operator==(const Rect&, const Rect&) = default;
};

void PrintTo(const Rect& r, std::ostream* os) {
  *os << "(" << r.left << ", " << r.top << ", " << r.width << " x " << r.height << ")";
}

Rect RectOf(win32::HWND window) {
  win32::RECT r{};
  win32::GetWindowRect(window, &r);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

runtime::FormSpec MainSizedForm() {
  runtime::FormSpec form;
  form.caption = "collapse";
  form.width = 389;
  form.height = 463;
  runtime::ControlSpec button;
  button.name = "按钮1";
  button.kind = runtime::ControlKind::PushButton;
  button.left = 290;
  button.top = 123;
  button.width = 92;
  button.height = 24;
  button.text = "关闭软件";
  form.controls.push_back(button);
  return form;
}

class ClosingAnimationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    int argc = 1;
    char name[] = "app_tests";
    char* argv[] = {name, nullptr};
    runtime::Initialise(argc, argv);
    window_ = runtime::LoadWindow(MainSizedForm());
    ASSERT_NE(window_, nullptr);
    handle_ = window_->Handle();
  }
  void TearDown() override { runtime::test::DestroyNow(handle_); }

  // Runs the animation with n = 20, noting the window's rectangle at every wait and at the end.
  std::vector<Rect> Run() {
    std::vector<Rect> seen;
    end_ = app::RunClosingAnimation(handle_, 20, [&](int) { seen.push_back(RectOf(handle_)); });
    seen.push_back(RectOf(handle_));
    return seen;
  }

  runtime::Window* window_{nullptr};
  win32::HWND handle_{nullptr};
  app::AnimationEnd end_{};
};

// The worked example: 389 x 463 with n = 20 gives a = 19.45, b = 23.15 and ten steps a phase.
TEST_F(ClosingAnimationTest, CollapsesTheMainWindowToTheExpectedPixels) {
  window_->Move(100, 100, 389, 463);
  const std::vector<Rect> seen = Run();

  std::vector<Rect> expected;
  // The vertical phase: a wait before each step; the height loses 47, the top gains 23.
  const int heights[] = {463, 416, 369, 322, 275, 228, 181, 134, 87, 40};
  for (int i = 0; i < 10; ++i) expected.push_back({100, 100 + 23 * i, 389, heights[i]});
  // The last step asks for trunc(40 - 46.3) = -6, stored as 0; then the 30 ms wait.
  expected.push_back({100, 330, 389, 0});
  // The horizontal phase on the 2-pixel strip: the width loses 39, the left gains 19.
  const int widths[] = {389, 350, 311, 272, 233, 194, 155, 116, 77, 38};
  for (int j = 0; j < 10; ++j) expected.push_back({100 + 19 * j, 330, widths[j], 2});
  // trunc(38 - 38.9) = 0; the silver flash is 20 x 8, 10 left of and 3 above the point.
  expected.push_back({280, 327, 20, 8});
  expected.push_back({280, 327, 20, 8});

  EXPECT_EQ(seen, expected);
  EXPECT_EQ(end_, app::AnimationEnd::Finished);
  EXPECT_TRUE(win32::IsWindow(handle_)) << "the animation hides the window, it never destroys it";
  EXPECT_FALSE(window_->Visible());
  EXPECT_EQ(window_->GetBorder(), runtime::Border::None);
  EXPECT_TRUE(runtime::test::PeerHasEllipseMask(*window_));
}

// Truncation goes toward zero: from a top of -100 the window moves to -76, not -77.
TEST_F(ClosingAnimationTest, AWindowAboveTheScreenMovesByTruncationTowardZero) {
  window_->Move(50, -100, 389, 463);
  const std::vector<Rect> seen = Run();
  ASSERT_GE(seen.size(), 12u);
  const int tops[] = {-100, -76, -52, -28, -4, 19, 42, 65, 88, 111, 134};
  for (int i = 0; i < 11; ++i) EXPECT_EQ(seen[i].top, tops[i]) << "at wait " << i;
  EXPECT_EQ(seen[10].height, 0);
  EXPECT_EQ(seen.back(), (Rect{50 + 19 * 10 - 10, 134 - 3, 20, 8}));
}

// The close box or Esc during a wait destroys the window; the animation stops there.
TEST_F(ClosingAnimationTest, StopsWhenTheWindowIsDestroyedDuringAWait) {
  int waits = 0;
  const win32::HWND handle = handle_;
  end_ = app::RunClosingAnimation(handle, 20, [&](int) {
    if (++waits == 4) win32::DestroyWindow(handle);
  });
  EXPECT_EQ(end_, app::AnimationEnd::WindowGone);
  EXPECT_EQ(waits, 4);
  EXPECT_FALSE(win32::IsWindow(handle));
}

}  // namespace
