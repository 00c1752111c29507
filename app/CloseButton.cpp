#include "app/CloseButton.h"

#include <memory>

#include "app/ClosingAnimation.h"
#include "platform/runtime/Runtime.h"

namespace app {

editor::MainWindowOptions MainWindowOptionsWithClosingAnimation() {
  editor::MainWindowOptions options;
  auto animating = std::make_shared<bool>(false);
  options.closeButton = [animating](runtime::Window& window) {
    // The handler may outlive its window (and this closure) when a wait destroys the window, so
    // it keeps its own reference to the flag and afterwards works by handle only.
    std::shared_ptr<bool> busy = animating;
    if (*busy) return;
    *busy = true;
    const win32::HWND handle = window.Handle();
    if (RunClosingAnimation(handle, 20, runtime::WaitWithEvents) == AnimationEnd::Finished) {
      if (runtime::Window* still = runtime::WindowOf(handle)) still->RequestDestroy();
    }
  };
  return options;
}

}  // namespace app
