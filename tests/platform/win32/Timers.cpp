// SetTimer and KillTimer: ticks from the Qt event loop, into the timer procedure or the window
// procedure, never inside a running handler, dying with the window.
#include <QElapsedTimer>

#include "platform/win32/Timer.h"
#include "tests/platform/win32/Support.h"

namespace win32test {
namespace {

using Win32Timers = Win32Test;

struct Tick {
  HWND window;
  UINT message;
  UINT_PTR id;
};
std::vector<Tick> ticks;

void RecordTick(HWND w, UINT m, UINT_PTR id, DWORD) {
  ticks.push_back(Tick{w, m, id});
}

// Pumps until `done` or `milliseconds` have gone.
template <class F>
void PumpUntil(F done, int milliseconds = 1000) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < milliseconds) Pump();
}

TEST_F(Win32Timers, WithoutAProcedureTheWindowGetsWmTimer) {
  HWND w = MakeWindow();
  Log().clear();
  EXPECT_EQ(SetTimer(w, 64, 20, nullptr), 64u);
  EXPECT_TRUE(Find(w, WM_TIMER).empty());  // nothing before the loop runs
  PumpUntil([&] { return Find(w, WM_TIMER).size() >= 2; });
  const std::vector<Recorded> seen = Find(w, WM_TIMER);
  ASSERT_GE(seen.size(), 2u);
  EXPECT_EQ(seen[0].wParam, 64u);
  EXPECT_EQ(seen[0].lParam, 0);
  EXPECT_TRUE(KillTimer(w, 64));
}

TEST_F(Win32Timers, WithAProcedureOnlyTheProcedureIsCalled) {
  HWND w = MakeWindow();
  ticks.clear();
  Log().clear();
  EXPECT_EQ(SetTimer(w, 7, 15, RecordTick), 7u);
  PumpUntil([] { return !ticks.empty(); });
  ASSERT_FALSE(ticks.empty());
  EXPECT_EQ(ticks[0].window, w);
  EXPECT_EQ(ticks[0].message, WM_TIMER);
  EXPECT_EQ(ticks[0].id, 7u);
  EXPECT_TRUE(Find(w, WM_TIMER).empty());
}

TEST_F(Win32Timers, TheSameIdRestartsTheTimer) {
  HWND w = MakeWindow();
  ticks.clear();
  SetTimer(w, 1, 10, RecordTick);
  EXPECT_EQ(SetTimer(w, 1, 5000, RecordTick), 1u);  // the short period is gone
  Pump(150);
  EXPECT_TRUE(ticks.empty());
  // Restarting also replaces the procedure.
  Log().clear();
  SetTimer(w, 1, 10, nullptr);
  PumpUntil([&] { return !Find(w, WM_TIMER).empty(); });
  EXPECT_FALSE(Find(w, WM_TIMER).empty());
  EXPECT_TRUE(ticks.empty());
}

TEST_F(Win32Timers, DifferentWindowsHaveTheirOwnIds) {
  HWND a = MakeWindow();
  HWND b = MakeWindow();
  ticks.clear();
  SetTimer(a, 64, 10, RecordTick);
  SetTimer(b, 64, 10, RecordTick);
  KillTimer(a, 64);
  ticks.clear();
  PumpUntil([] { return ticks.size() >= 2; });
  ASSERT_FALSE(ticks.empty());
  for (const Tick& t : ticks) EXPECT_EQ(t.window, b);
}

TEST_F(Win32Timers, KillTimer) {
  HWND w = MakeWindow();
  ticks.clear();
  SetTimer(w, 3, 10, RecordTick);
  EXPECT_TRUE(KillTimer(w, 3));
  SetLastError(0);
  EXPECT_FALSE(KillTimer(w, 3));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_FALSE(KillTimer(w, 99));
  Pump(60);
  EXPECT_TRUE(ticks.empty());
}

TEST_F(Win32Timers, TimersDieWithTheirWindow) {
  HWND w = MakeWindow();
  ticks.clear();
  SetTimer(w, 64, 10, RecordTick);
  DestroyWindow(w);
  SetLastError(0);
  EXPECT_FALSE(KillTimer(w, 64));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  Pump(60);
  EXPECT_TRUE(ticks.empty());
}

TEST_F(Win32Timers, BadWindows) {
  HWND w = MakeWindow();
  DestroyWindow(w);
  SetLastError(0);
  EXPECT_EQ(SetTimer(w, 1, 10, RecordTick), 0u);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_EQ(SetTimer(reinterpret_cast<HWND>(0x10), 1, 10, nullptr), 0u);
}

TEST_F(Win32Timers, ATickNeverInterruptsARunningHandler) {
  HWND w = MakeWindow();
  int during = -1;
  SetHook([&](HWND self, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_USER) {
      const std::size_t before = Find(self, WM_TIMER).size();
      QElapsedTimer clock;
      clock.start();
      while (clock.elapsed() < 80) {
      }  // busy, without processing events
      during = int(Find(self, WM_TIMER).size() - before);
      return LRESULT(0);
    }
    return std::nullopt;
  });
  SetTimer(w, 9, 10, nullptr);
  SendMessageA(w, WM_USER, 0, 0);
  EXPECT_EQ(during, 0);
  const std::size_t afterHandler = Find(w, WM_TIMER).size();
  Pump();
  // A late timer ticks once, not once for every period missed.
  EXPECT_LE(Find(w, WM_TIMER).size() - afterHandler, 1u);
  KillTimer(w, 9);
}

TEST_F(Win32Timers, AProcedureMayDestroyItsWindow) {
  HWND w = MakeWindow();
  static int calls;
  calls = 0;
  SetTimer(w, 2, 10, [](HWND self, UINT, UINT_PTR, DWORD) {
    ++calls;
    DestroyWindow(self);
  });
  PumpUntil([] { return calls > 0; });
  Pump(50);
  EXPECT_EQ(calls, 1);
  EXPECT_FALSE(IsWindow(w));
}

TEST_F(Win32Timers, AZeroPeriodStillTicks) {
  HWND w = MakeWindow();
  ticks.clear();
  SetTimer(w, 5, 0, RecordTick);  // the shortest period there is
  PumpUntil([] { return !ticks.empty(); });
  EXPECT_FALSE(ticks.empty());
  KillTimer(w, 5);
}

TEST_F(Win32Timers, TimersOfNoWindowGetAnIdOfTheirOwn) {
  ticks.clear();
  const UINT_PTR first = SetTimer(nullptr, 1000, 10, RecordTick);
  const UINT_PTR second = SetTimer(nullptr, 1000, 10, RecordTick);
  EXPECT_NE(first, 0u);
  EXPECT_NE(second, 0u);
  EXPECT_NE(first, second);  // the id asked for is not one of them, so it is ignored
  EXPECT_EQ(SetTimer(nullptr, first, 10, RecordTick), first);  // it names one: restarted
  PumpUntil([] { return !ticks.empty(); });
  ASSERT_FALSE(ticks.empty());
  EXPECT_EQ(ticks[0].window, nullptr);
  EXPECT_TRUE(KillTimer(nullptr, first));
  EXPECT_TRUE(KillTimer(nullptr, second));
}

}  // namespace
}  // namespace win32test
