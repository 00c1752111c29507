#pragma once
// The tool's entry: brings up the window runtime and the kit in their order, opens the splash as
// the first window and runs the message loop until no window of the tool is left.

#include "platform/runtime/Forms.h"

namespace app {

// Returns the process's exit code: 0 after the last window is gone, -1 when the first window
// could not be loaded. The kit's exit routine has run when this returns.
int Run(int argc, char** argv);

// Run's start-up and loop with another first window and exit routine (the routine must end with
// the kit's own, uikit::KitExit); the shell's tests start the tool this way.
int RunWith(int argc, char** argv, const runtime::FormSpec& firstWindow, void (*exitRoutine)());

}  // namespace app
