#pragma once
// What the main window's close button does in the tool: the closing animation, then the window's
// destruction. A click during the animation's waits starts no second animation.

#include "editor/MainWindowForm.h"

namespace app {

editor::MainWindowOptions MainWindowOptionsWithClosingAnimation();

}  // namespace app
