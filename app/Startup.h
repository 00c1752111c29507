#pragma once
// The tool's entry: brings up the window runtime and the kit in their order, opens the splash as
// the first window and runs the message loop until no window of the tool is left.

namespace app {

// Returns the process's exit code: 0 after the last window is gone, -1 when the first window
// could not be loaded. The kit's exit routine has run when this returns.
int Run(int argc, char** argv);

}  // namespace app
