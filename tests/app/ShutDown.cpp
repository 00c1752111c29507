// How the tool ends once the main window is its only window: Esc, the close box and the
// "关闭软件" button each end the message loop with exit code 0 and run the exit routine once;
// only the button plays the collapse first. Each test runs the loop to its end, so each runs in a
// process of its own (one CTest test each).
#include <gtest/gtest.h>

#include "app/CloseButton.h"
#include "app/Startup.h"
#include "editor/MainWindowForm.h"
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

struct MainWindowRun {
  win32::HWND window{nullptr};
  bool hiddenBeforeDestruction{false};
};

// Runs the tool with the main window as its first window; `act` runs once the loop is going.
int RunMainWindow(MainWindowRun& run, std::function<void(runtime::Window&)> act) {
  editor::MainWindowOptions options = app::MainWindowOptionsWithClosingAnimation();
  // After the button's own action the window is still there (its destruction waits for the
  // handler to return): it must be hidden by then.
  options.closeButton = [&run, real = options.closeButton](runtime::Window& w) {
    const win32::HWND handle = w.Handle();
    real(w);
    if (runtime::Window* still = runtime::WindowOf(handle)) {
      run.hiddenBeforeDestruction = !still->Visible();
    }
  };
  runtime::FormSpec form = editor::MainWindowForm(options);
  for (runtime::Binding& binding : form.bindings) {
    if (binding.event != runtime::Event::Created) continue;
    runtime::Handler real = binding.handler;
    binding.handler = [&run, real, act](runtime::Window& w) {
      real(w);
      run.window = w.Handle();
      const win32::HWND handle = w.Handle();
      app::test::RunLater(
          [handle, act] {
            if (runtime::Window* window = runtime::WindowOf(handle)) act(*window);
          },
          200);
    };
  }
  char name[] = "app_tests";
  char* argv[] = {name, nullptr};
  return app::RunWith(1, argv, form, CountingExit);
}

TEST(ShutDownTest, EscOnTheMainWindowEndsTheTool) {
  MainWindowRun run;
  const int code = RunMainWindow(
      run, [](runtime::Window& w) { runtime::test::PressKey(w, "", runtime::test::Key::Escape); });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(exitRoutineRuns, 1);
  EXPECT_FALSE(win32::IsWindow(run.window));
}

TEST(ShutDownTest, TheCloseBoxEndsTheToolAtOnce) {
  MainWindowRun run;
  const int code = RunMainWindow(run, [](runtime::Window& w) {
    win32::SendMessageA(w.Handle(), win32::WM_CLOSE, 0, 0);
    EXPECT_FALSE(win32::IsWindow(w.Handle())) << "no animation, no question";
  });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(exitRoutineRuns, 1);
}

TEST(ShutDownTest, TheCloseButtonCollapsesTheWindowThenEndsTheTool) {
  MainWindowRun run;
  const int code = RunMainWindow(run, [](runtime::Window& w) { runtime::test::Click(w, "按钮1"); });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(exitRoutineRuns, 1);
  EXPECT_TRUE(run.hiddenBeforeDestruction);
  EXPECT_FALSE(win32::IsWindow(run.window));
}

}  // namespace
