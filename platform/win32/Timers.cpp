// Window timers on the Qt event loop: one Qt timer per (window, id), ticking into the timer
// procedure or the window procedure; they die with their window.
#include <QTimerEvent>
#include <algorithm>

#include "platform/win32/Kernel.h"
#include "platform/win32/Timer.h"
#include "platform/win32/Window.h"
#include "platform/win32/internal/WindowOps.h"

namespace win32 {

using internal::Gui;
using internal::State;
using internal::TimerRecord;

namespace {

constexpr UINT kMinimumElapse = 10;  // USER_TIMER_MINIMUM
constexpr UINT kMaximumElapse = 0x7FFFFFFF;

void Tick(int qtTimer) {
  State* state = Gui();
  if (state == nullptr) return;
  auto it = std::find_if(state->timers.begin(), state->timers.end(),
                         [&](const TimerRecord& t) { return t.qtTimer == qtTimer; });
  if (it == state->timers.end()) return;
  const TimerRecord timer = *it;  // the list may change while the tick runs
  if (timer.window != nullptr) {
    internal::WindowRecord* record = internal::Find(timer.window);
    if (record == nullptr || record->destroying) return;
  }
  if (timer.proc != nullptr) {
    timer.proc(timer.window, WM_TIMER, timer.id, GetTickCount());
  } else if (timer.window != nullptr) {
    SendMessageA(timer.window, WM_TIMER, timer.id, 0);
  }
}

class TimerHost final : public QObject {
 protected:
  void timerEvent(QTimerEvent* event) override { Tick(event->timerId()); }
};

std::vector<TimerRecord>::iterator FindTimer(State& state, HWND window, UINT_PTR id) {
  return std::find_if(state.timers.begin(), state.timers.end(),
                      [&](const TimerRecord& t) { return t.window == window && t.id == id; });
}

void Stop(State& state, const TimerRecord& timer) {
  if (state.timerHost) state.timerHost->killTimer(timer.qtTimer);
}

}  // namespace

namespace internal {

void ForgetTimers(HWND window) {
  State* state = Gui();
  if (state == nullptr) return;
  std::erase_if(state->timers, [&](const TimerRecord& t) {
    if (t.window != window) return false;
    Stop(*state, t);
    return true;
  });
}

}  // namespace internal

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc) {
  State* state = Gui();
  if (state == nullptr) return 0;
  if (window != nullptr && internal::Lookup(window) == nullptr) return 0;
  if (window == nullptr && FindTimer(*state, nullptr, id) == state->timers.end()) {
    // A timer of no window gets an id of its own unless `id` names one already.
    id = state->nextThreadTimerId++;
  }
  elapse = std::clamp(elapse, kMinimumElapse, kMaximumElapse);
  if (!state->timerHost) state->timerHost = std::make_unique<TimerHost>();
  const int qtTimer = state->timerHost->startTimer(int(elapse), Qt::PreciseTimer);
  if (qtTimer == 0) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return 0;
  }
  auto it = FindTimer(*state, window, id);
  if (it != state->timers.end()) {
    // The same id restarts the timer: the next tick is one full period away.
    Stop(*state, *it);
    it->proc = proc;
    it->qtTimer = qtTimer;
  } else {
    state->timers.push_back(TimerRecord{window, id, proc, qtTimer});
  }
  return id != 0 ? id : 1;
}

BOOL KillTimer(HWND window, UINT_PTR id) {
  State* state = Gui();
  if (state == nullptr) return FALSE;
  if (window != nullptr && internal::Lookup(window) == nullptr) return FALSE;
  auto it = FindTimer(*state, window, id);
  if (it == state->timers.end()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  Stop(*state, *it);
  state->timers.erase(it);
  return TRUE;
}

}  // namespace win32
