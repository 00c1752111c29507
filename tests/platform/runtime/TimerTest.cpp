// Window timers of a form: starting, restarting with the first tick one period later, stopping,
// the order of ticks, a chain of timers that arm each other, and timers dying with the window.
#include <string>
#include <vector>

#include "platform/win32/Kernel.h"
#include "tests/platform/runtime/TestWindow.h"

namespace runtime::test {
namespace {

struct Ticks {
  std::vector<std::string> names;
  std::vector<win32::DWORD> times;
};

FormSpec TimerForm(Ticks& ticks, int firstPeriod = 0) {
  FormSpec form = SmallForm();
  for (const char* name : {"时钟1", "时钟2", "时钟3"}) {
    ControlSpec timer;
    timer.name = name;
    timer.kind = ControlKind::Timer;
    form.controls.push_back(timer);
    form.bindings.push_back({Event::TimerTick, name, [&ticks, name](Window&) {
                               ticks.names.push_back(name);
                               ticks.times.push_back(win32::GetTickCount());
                             }});
  }
  form.controls[0].period = firstPeriod;
  return form;
}

class TimerTest : public RuntimeTest {};

TEST_F(TimerTest, PeriodFromTheFormStartsTheTimer) {
  Ticks ticks;
  LoadedWindow window(TimerForm(ticks, 20));
  ASSERT_TRUE(window);
  EXPECT_EQ(window->Get("时钟1").Period(), 20);
  EXPECT_TRUE(WaitUntil([&] { return ticks.names.size() >= 3; }, 3000));
  EXPECT_EQ(ticks.names[0], "时钟1");
}

TEST_F(TimerTest, ZeroStopsTheTimer) {
  Ticks ticks;
  LoadedWindow window(TimerForm(ticks));
  ASSERT_TRUE(window);
  ProcessEvents(60);
  EXPECT_TRUE(ticks.names.empty());
  window->Get("时钟1").SetPeriod(10);
  ASSERT_TRUE(WaitUntil([&] { return !ticks.names.empty(); }, 3000));
  window->Get("时钟1").SetPeriod(0);
  EXPECT_EQ(window->Get("时钟1").Period(), 0);
  const std::size_t seen = ticks.names.size();
  ProcessEvents(80);
  EXPECT_EQ(ticks.names.size(), seen);
  window->Get("时钟1").SetPeriod(-5);
  EXPECT_EQ(window->Get("时钟1").Period(), 0);
}

TEST_F(TimerTest, SettingThePeriodAgainRestartsIt) {
  Ticks ticks;
  LoadedWindow window(TimerForm(ticks));
  ASSERT_TRUE(window);
  Control& timer = window->Get("时钟1");
  timer.SetPeriod(150);
  ProcessEvents(100);
  const win32::DWORD restart = win32::GetTickCount();
  timer.SetPeriod(150);  // the first tick is one whole period after this
  ASSERT_TRUE(WaitUntil([&] { return !ticks.times.empty(); }, 3000));
  EXPECT_GE(ticks.times[0] - restart, 140u);
}

TEST_F(TimerTest, ShorterPeriodTicksFirstAndAChainArmsEachOther) {
  Ticks ticks;
  FormSpec form = TimerForm(ticks);
  // 时钟2 arms 时钟3 and stops itself, as the splash's frame timers do.
  form.bindings.push_back({Event::TimerTick, "时钟2", [](Window& window) {
                             window.Get("时钟3").SetPeriod(20);
                             window.Get("时钟2").SetPeriod(0);
                           }});
  form.bindings.push_back(
      {Event::TimerTick, "时钟3", [](Window& window) { window.Get("时钟3").SetPeriod(0); }});
  form.bindings.push_back(
      {Event::TimerTick, "时钟1", [](Window& window) { window.Get("时钟1").SetPeriod(0); }});
  LoadedWindow window(form);
  ASSERT_TRUE(window);
  window->Get("时钟2").SetPeriod(20);
  window->Get("时钟1").SetPeriod(80);
  ASSERT_TRUE(WaitUntil([&] { return ticks.names.size() >= 3; }, 3000));
  ProcessEvents(150);
  EXPECT_EQ(ticks.names, (std::vector<std::string>{"时钟2", "时钟3", "时钟1"}));
}

TEST_F(TimerTest, TimersDieWithTheirWindow) {
  Ticks ticks;
  {
    LoadedWindow window(TimerForm(ticks, 10));
    ASSERT_TRUE(window);
  }
  const std::size_t seen = ticks.names.size();
  ProcessEvents(60);
  EXPECT_EQ(ticks.names.size(), seen);
}

}  // namespace
}  // namespace runtime::test
