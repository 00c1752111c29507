#pragma once
// The example's top-level window: a layered popup whose whole look is the kit's picture (the back
// picture, a picture, a text box and a button with four state images), centred on the screen.
// Esc or a click on the button destroys it, which ends the message loop with exit code 0. The
// skin must outlive the window. Null when the class, the window or a control cannot be made.

#include <memory>

#include "examples/skinned_window/Skin.h"
#include "platform/win32/Window.h"

namespace example {

// Destroys a window that is still there (one that destroyed itself is left alone).
struct WindowRelease {
  void operator()(win32::HWND window) const;
};
using OwnedWindow = std::unique_ptr<win32::HWND__, WindowRelease>;

OwnedWindow CreateExampleWindow(const Skin& skin);

}  // namespace example
