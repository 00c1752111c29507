#include "app/SplashWindow.h"

#include <string>
#include <utility>

#include "app/CloseButton.h"
#include "assets/Assets.h"
#include "editor/MainWindowForm.h"
#include "platform/runtime/Runtime.h"
#include "platform/win32/Kernel.h"
#include "uikit/Kit.h"

namespace app {
namespace {

constexpr int kFrameCount = 35;
constexpr int kFirstFrameDelay = 10;
constexpr int kFrameSpacing = 50;
constexpr int kTrimPeriod = 1000;

std::string FrameTimerName(int frame) {
  return "时钟" + std::to_string(frame);
}
const std::string kTrimTimer = "时钟36";

void OnCreated(runtime::Window& splash) {
  uikit::Host()->Attach(splash.Handle());
  splash.Get(FrameTimerName(1)).SetPeriod(kFirstFrameDelay);
}

// Each frame timer ticks once: it shows its frame and arms the next one.
void OnFrameTick(runtime::Window& splash, int frame) {
  uikit::Host()->SetImageData(assets::SplashFrame(frame));
  if (frame < kFrameCount) {
    splash.Get(FrameTimerName(frame + 1)).SetPeriod(kFrameSpacing);
    splash.Get(FrameTimerName(frame)).SetPeriod(0);
    return;
  }
  splash.Get(FrameTimerName(frame)).SetPeriod(0);
  // The main window must exist before the splash goes, or the tool would end with it.
  runtime::LoadWindow(editor::MainWindowForm(MainWindowOptionsWithClosingAnimation()));
  splash.RequestDestroy();
}

void OnTrimTick(runtime::Window&) {
  win32::SetProcessWorkingSetSize(win32::GetCurrentProcess(), win32::SIZE_T(-1), win32::SIZE_T(-1));
}

}  // namespace

runtime::FormSpec SplashWindowForm() {
  runtime::FormSpec form;
  form.caption = "";
  form.width = 495;
  form.height = 331;
  form.border = runtime::Border::None;
  form.minimizeBox = false;
  form.taskbar = true;
  form.escCloses = true;
  form.centred = true;

  auto timer = [](std::string name, int period) {
    runtime::ControlSpec spec;
    spec.name = std::move(name);
    spec.kind = runtime::ControlKind::Timer;
    spec.period = period;
    return spec;
  };
  for (int frame = 1; frame <= kFrameCount; ++frame) {
    form.controls.push_back(timer(FrameTimerName(frame), 0));
    form.bindings.push_back({runtime::Event::TimerTick, FrameTimerName(frame),
                             [frame](runtime::Window& w) { OnFrameTick(w, frame); }});
  }
  form.controls.push_back(timer(kTrimTimer, kTrimPeriod));
  form.bindings.push_back({runtime::Event::TimerTick, kTrimTimer, OnTrimTick});
  form.bindings.push_back({runtime::Event::Created, "", OnCreated});
  return form;
}

}  // namespace app
