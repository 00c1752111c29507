#pragma once
// Watches a skinned control from below the kit: the control's procedure is subclassed before
// SkinChildren hooks it, so the watch sees each message after the kit has updated the draw state
// and passes it on to the built-in control. It reports a change of the draw state or of the text
// on standard output ("<name> state hover", "<name> text ab"), and hands Esc to the parent
// window as a close request. A control that cannot be subclassed is left unwatched.

#include "platform/win32/Window.h"

namespace example {

void WatchControl(win32::HWND control, const char* name);

}  // namespace example
