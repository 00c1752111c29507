// The splash as the tool's first window, with the real kit and frames: each frame timer shows
// its frame once and in order, the last one hands over to the main window while both exist, Esc
// ends the tool before the hand-over, and the trim timer dies with the splash. Each test runs the
// message loop to its end, so each runs in a process of its own (one CTest test each).
#include "app/SplashWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Startup.h"
#include "assets/Assets.h"
#include "platform/runtime/Runtime.h"
#include "platform/win32/Window.h"
#include "tests/app/ToolWindows.h"
#include "tests/support/runtime/RuntimeTestSupport.h"
#include "uikit/Kit.h"

namespace {

int exitRoutineRuns = 0;
void CountingExit() {
  ++exitRoutineRuns;
  uikit::KitExit();
}

// What the wrapped handlers saw while the loop ran.
struct SplashRun {
  win32::HWND splash{nullptr};
  std::vector<int> frames;          // frame timers in the order they ticked
  std::vector<bool> frameOnScreen;  // the frame was presented when its tick handler returned
  std::vector<bool> frameRendered;  // and the splash's peer renders exactly that picture
  bool handedOver{false};
  bool bothWindowsAtHandOver{false};
  int trimTicks{0};
  int trimTicksAfterHandOver{0};
};

int FrameOf(const std::string& timer) {
  const std::string prefix = "时钟";
  if (timer.rfind(prefix, 0) != 0) return 0;
  return std::stoi(timer.substr(prefix.size()));
}

// The splash form with every handler wrapped to record what happens; `onFrame` runs after the
// real handler of each frame timer.
runtime::FormSpec ObservedSplash(SplashRun& run,
                                 std::function<void(runtime::Window&, int)> onFrame) {
  runtime::FormSpec form = app::SplashWindowForm();
  for (runtime::Binding& binding : form.bindings) {
    runtime::Handler real = binding.handler;
    if (binding.event == runtime::Event::Created) {
      binding.handler = [&run, real](runtime::Window& w) {
        run.splash = w.Handle();
        real(w);
      };
    } else if (binding.source == "时钟36") {
      binding.handler = [&run, real](runtime::Window& w) {
        ++run.trimTicks;
        if (run.handedOver) ++run.trimTicksAfterHandOver;
        real(w);
      };
    } else if (const int frame = FrameOf(binding.source); frame >= 1 && frame <= 35) {
      binding.handler = [&run, real, frame, onFrame](runtime::Window& w) {
        const win32::HWND splash = w.Handle();
        run.frames.push_back(frame);
        real(w);
        run.frameOnScreen.push_back(
            app::test::PresentedPictureIs(splash, assets::SplashFrame(frame)));
        run.frameRendered.push_back(app::test::PeerShowsPresentedPicture(splash));
        if (frame == 35) {
          run.handedOver = true;
          run.bothWindowsAtHandOver =
              runtime::WindowOf(splash) != nullptr && app::test::ToolWindows().size() == 2;
        }
        if (runtime::WindowOf(splash) != nullptr && onFrame)
          onFrame(*runtime::WindowOf(splash), frame);
      };
    }
  }
  return form;
}

int RunTool(const runtime::FormSpec& splash) {
  char name[] = "app_tests";
  char* argv[] = {name, nullptr};
  return app::RunWith(1, argv, splash, CountingExit);
}

TEST(SplashWindowTest, ShowsEachFrameOnceInOrderThenHandsOverToTheMainWindow) {
  SplashRun run;
  const int code = RunTool(ObservedSplash(run, [&](runtime::Window&, int frame) {
    if (frame == 35) app::test::CloseOtherWindowsLater(run.splash, 300);
  }));

  std::vector<int> inOrder;
  for (int frame = 1; frame <= 35; ++frame) inOrder.push_back(frame);
  EXPECT_EQ(run.frames, inOrder);
  EXPECT_EQ(run.frameOnScreen, std::vector<bool>(35, true))
      << "every frame is on screen when its tick handler goes on";
  EXPECT_EQ(run.frameRendered, std::vector<bool>(35, true))
      << "the splash shows only the presented picture, none of its own background";
  EXPECT_TRUE(run.bothWindowsAtHandOver)
      << "the main window is loaded before the splash goes, so the tool does not end";
  EXPECT_FALSE(win32::IsWindow(run.splash));
  EXPECT_EQ(code, 0);
  EXPECT_EQ(exitRoutineRuns, 1);
}

TEST(SplashWindowTest, EscOnTheSplashEndsTheToolBeforeTheMainWindowOpens) {
  SplashRun run;
  const int code = RunTool(ObservedSplash(run, [&](runtime::Window& splash, int frame) {
    if (frame == 3) runtime::test::PressKey(splash, "", runtime::test::Key::Escape);
  }));
  EXPECT_EQ(run.frames, (std::vector<int>{1, 2, 3}));
  EXPECT_FALSE(run.handedOver);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(exitRoutineRuns, 1);
}

TEST(SplashWindowTest, TheTrimTimerTicksWhileTheSplashIsUpAndNeverAfter) {
  SplashRun run;
  const int code = RunTool(ObservedSplash(run, [&](runtime::Window&, int frame) {
    // Long enough after the hand-over for two more trims, had the timer outlived the splash.
    if (frame == 35) app::test::CloseOtherWindowsLater(run.splash, 2200);
  }));
  EXPECT_GE(run.trimTicks, 1);
  EXPECT_LE(run.trimTicks, 2);
  EXPECT_EQ(run.trimTicksAfterHandOver, 0);
  EXPECT_EQ(code, 0);
}

}  // namespace
