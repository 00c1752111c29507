// Timer: a window timer of the loaded window (win32 SetTimer/KillTimer, ticks as WM_TIMER to the
// runtime's window procedure). A period above 0 restarts it with the first tick one period later;
// 0 (or less) stops it. It dies with its window.
#include "platform/win32/Timer.h"
#include "platform/runtime/internal/Controls.h"
#include "platform/runtime/internal/FormWindow.h"

namespace runtime::internal {

namespace {

class Timer final : public DataControl<Control> {
 public:
  explicit Timer(const ControlContext& context)
      : DataControl(context.spec), window_(context.window), id_(context.window.AddTimer(this)) {
    SetPeriod(context.spec.period);
  }
  ~Timer() override { win32::KillTimer(window_.Handle(), id_); }

  int Period() const override { return period_; }
  void SetPeriod(int milliseconds) override {
    period_ = milliseconds > 0 ? milliseconds : 0;
    if (period_ > 0) {
      win32::SetTimer(window_.Handle(), id_, static_cast<win32::UINT>(period_), nullptr);
    } else {
      win32::KillTimer(window_.Handle(), id_);
    }
  }

 private:
  FormWindow& window_;
  win32::UINT_PTR id_;
  int period_ = 0;
};

}  // namespace

std::unique_ptr<ControlParts> MakeTimer(const ControlContext& context) {
  return std::make_unique<Timer>(context);
}

}  // namespace runtime::internal
