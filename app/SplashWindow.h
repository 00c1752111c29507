#pragma once
// The splash window: a borderless 495 x 331 layered window in the middle of the screen that plays
// the 35 splash frames, 10 ms after it is created and then 50 ms apart, and with the last frame
// opens the main window and asks for its own destruction. A second timer trims the working set
// once a second while the splash exists.

#include "platform/runtime/Forms.h"

namespace app {

runtime::FormSpec SplashWindowForm();

}  // namespace app
