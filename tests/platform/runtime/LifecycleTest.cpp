// The window set: loading from a handler, destruction deferred until the handler has returned,
// the last-window rule and the exit routine run once on every path of RunFirstWindow, close
// requests and Esc.
#include <string>
#include <vector>

#include "platform/win32/Window.h"
#include "tests/platform/runtime/TestWindow.h"

namespace runtime::test {
namespace {

int g_exitRuns = 0;  // the exit routine is a plain function, as the tool's is
void CountExit() {
  ++g_exitRuns;
}

ControlSpec Button(const char* name) {
  ControlSpec button;
  button.name = name;
  button.kind = ControlKind::PushButton;
  button.width = 80;
  button.height = 24;
  button.text = name;
  return button;
}

ControlSpec TimerOf(const char* name, int period) {
  ControlSpec timer;
  timer.name = name;
  timer.kind = ControlKind::Timer;
  timer.period = period;
  return timer;
}

class LifecycleTest : public RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    g_exitRuns = 0;
    SetExitRoutine(CountExit);
  }
  void TearDown() override { SetExitRoutine(nullptr); }
};

TEST_F(LifecycleTest, CreatedRunsOnceWithEveryControlBeforeLoadReturns) {
  std::vector<std::string> seen;
  FormSpec form = SmallForm();
  form.controls = {Button("按钮1")};
  form.bindings = {{Event::Created, "", [&seen](Window& window) {
                      seen.push_back("created " + window.Get("按钮1").GetText());
                      seen.push_back(WindowOf(window.Handle()) == &window ? "in set"
                                                                          : "not in set");
                    }}};
  LoadedWindow window(form);
  ASSERT_TRUE(window);
  EXPECT_EQ(seen, (std::vector<std::string>{"created 按钮1", "in set"}));
  EXPECT_TRUE(window->Visible());
  ProcessEvents(10);
  EXPECT_EQ(seen.size(), 2u);
}

TEST_F(LifecycleTest, DestructionRequestedInAHandlerWaitsForItsReturn) {
  std::vector<std::string> seen;
  FormSpec form = SmallForm();
  form.controls = {Button("按钮1")};
  form.bindings = {{Event::Clicked, "按钮1", [&seen](Window& window) {
                      window.RequestDestroy();
                      seen.push_back(win32::IsWindow(window.Handle()) ? "still a window" : "gone");
                      seen.push_back(WindowOf(window.Handle()) != nullptr ? "in set" : "out");
                    }}};
  LoadedWindow window(form);
  ASSERT_TRUE(window);
  Click(*window, "按钮1");
  EXPECT_EQ(seen, (std::vector<std::string>{"still a window", "in set"}));
  EXPECT_TRUE(WaitUntil([&] { return !win32::IsWindow(window.handle()); }, 2000));
  EXPECT_EQ(WindowOf(window.handle()), nullptr);
}

TEST_F(LifecycleTest, DestructionRequestedOutsideAHandlerIsQueued) {
  LoadedWindow window(SmallForm());
  ASSERT_TRUE(window);
  window->RequestDestroy();
  EXPECT_TRUE(win32::IsWindow(window.handle()));
  EXPECT_TRUE(WaitUntil([&] { return WindowOf(window.handle()) == nullptr; }, 2000));
  EXPECT_FALSE(win32::IsWindow(window.handle()));
}

TEST_F(LifecycleTest, LoadWindowFromAHandlerGivesAShownWindow) {
  win32::HWND second = nullptr;
  FormSpec form = SmallForm();
  form.controls = {Button("按钮1")};
  form.bindings = {{Event::Clicked, "按钮1", [&second](Window&) {
                      FormSpec other = SmallForm(200, 100);
                      other.caption = "第二个窗口";
                      Window* loaded = LoadWindow(other);
                      second = loaded != nullptr ? loaded->Handle() : nullptr;
                    }}};
  LoadedWindow window(form);
  ASSERT_TRUE(window);
  Click(*window, "按钮1");
  ASSERT_NE(second, nullptr);
  ASSERT_NE(WindowOf(second), nullptr);
  EXPECT_TRUE(WindowOf(second)->Visible());
  EXPECT_EQ(win32::GetWindow(second, win32::GW_OWNER), nullptr);
  DestroyNow(second);
  EXPECT_EQ(WindowOf(second), nullptr);
}

TEST_F(LifecycleTest, FirstWindowDestroyedByItsCreatedHandlerEndsTheLoopWithZero) {
  FormSpec form = SmallForm();
  form.bindings = {{Event::Created, "", [](Window& window) { window.RequestDestroy(); }}};
  EXPECT_EQ(RunFirstWindow(form), 0);
  EXPECT_EQ(g_exitRuns, 1);
}

TEST_F(LifecycleTest, LoopRunsUntilTheLastWindowIsGone) {
  // The first window hands over to a second one before asking for its own end, as the splash
  // does; the second one ends itself from a timer.
  std::vector<std::string> seen;
  FormSpec second = SmallForm(200, 100);
  second.controls = {TimerOf("时钟1", 30)};
  second.bindings = {{Event::TimerTick, "时钟1", [&seen](Window& window) {
                        seen.push_back("second ends");
                        window.RequestDestroy();
                      }}};
  FormSpec first = SmallForm();
  first.controls = {TimerOf("时钟1", 20)};
  first.bindings = {{Event::TimerTick, "时钟1", [&seen, second](Window& window) {
                       window.Get("时钟1").SetPeriod(0);
                       seen.push_back("hand over");
                       LoadWindow(second);
                       window.RequestDestroy();
                     }}};
  EXPECT_EQ(RunFirstWindow(first), 0);
  EXPECT_EQ(seen, (std::vector<std::string>{"hand over", "second ends"}));
  EXPECT_EQ(g_exitRuns, 1);
}

TEST_F(LifecycleTest, ClosingTheFirstWindowEndsTheLoop) {
  FormSpec form = SmallForm();
  form.controls = {TimerOf("时钟1", 20)};
  form.bindings = {{Event::TimerTick, "时钟1", [](Window& window) {
                      win32::PostMessageA(window.Handle(), win32::WM_CLOSE, 0, 0);
                    }}};
  EXPECT_EQ(RunFirstWindow(form), 0);
  EXPECT_EQ(g_exitRuns, 1);
}

TEST_F(LifecycleTest, AFirstWindowThatCannotBeMadeIsReported) {
  FormSpec form = SmallForm();
  ControlSpec orphan;
  orphan.name = "标签1";
  orphan.kind = ControlKind::Label;
  orphan.parent = "没有的分组框";
  form.controls = {orphan};
  auto message = AnswerNextMessageBox();
  EXPECT_EQ(RunFirstWindow(form), -1);
  EXPECT_TRUE(message->shown);
  EXPECT_TRUE(message->exclamation);
  EXPECT_FALSE(message->text.empty());
  EXPECT_EQ(g_exitRuns, 1);
}

TEST_F(LifecycleTest, ExitRoutineRunsOnceForEachRegistration) {
  FormSpec form = SmallForm();
  form.bindings = {{Event::Created, "", [](Window& window) { window.RequestDestroy(); }}};
  EXPECT_EQ(RunFirstWindow(form), 0);
  EXPECT_EQ(RunFirstWindow(form), 0);
  EXPECT_EQ(g_exitRuns, 1);
  SetExitRoutine(CountExit);
  EXPECT_EQ(RunFirstWindow(form), 0);
  EXPECT_EQ(g_exitRuns, 2);
}

TEST_F(LifecycleTest, EscClosesTheWindowFromAnyOfItsControls) {
  for (const char* target : {"按钮1", ""}) {
    SCOPED_TRACE(target);
    FormSpec form = SmallForm();
    form.controls = {Button("按钮1")};
    LoadedWindow window(form);
    ASSERT_TRUE(window);
    PressKey(*window, target, Key::Escape);
    EXPECT_FALSE(win32::IsWindow(window.handle()));
    EXPECT_EQ(WindowOf(window.handle()), nullptr);
  }
}

TEST_F(LifecycleTest, EscDoesNothingWhenTheFormSaysSo) {
  FormSpec form = SmallForm();
  form.escCloses = false;
  form.controls = {Button("按钮1")};
  LoadedWindow window(form);
  ASSERT_TRUE(window);
  PressKey(*window, "按钮1", Key::Escape);
  EXPECT_TRUE(win32::IsWindow(window.handle()));
}

TEST_F(LifecycleTest, CloseRequestDestroysTheWindow) {
  LoadedWindow window(SmallForm());
  ASSERT_TRUE(window);
  win32::SendMessageA(window.handle(), win32::WM_CLOSE, 0, 0);
  EXPECT_FALSE(win32::IsWindow(window.handle()));
  EXPECT_EQ(WindowOf(window.handle()), nullptr);
}

}  // namespace
}  // namespace runtime::test
