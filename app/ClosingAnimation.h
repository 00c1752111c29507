#pragma once
// The close button's collapse animation: the main window drops its frame, shows its own snapshot
// stretched, squeezes to a line around its middle, shrinks as a 2-pixel ellipse to its centre,
// flashes as a small silver ellipse and is hidden. It changes the window for good and never
// destroys it; that is the caller's request afterwards.

#include <functional>

#include "platform/runtime/Window.h"
#include "platform/win32/Types.h"

namespace app {

// A wait of some milliseconds during which the window's events keep being processed.
using AnimationWait = std::function<void(int milliseconds)>;

enum class AnimationEnd {
  Finished,    // the window is hidden, still a window
  WindowGone,  // the window was destroyed during a wait (close box, Esc); nothing more was done
};

// Runs the animation with argument n on the window with this handle (the close button passes 20).
// Every value is read from the window when it is used; only the two step sizes are kept. After
// each wait the window is looked up again, so a window destroyed meanwhile is never touched.
AnimationEnd RunClosingAnimation(win32::HWND window, double n, const AnimationWait& wait);

}  // namespace app
