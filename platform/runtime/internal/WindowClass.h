#pragma once
// The runtime's window class: every loaded form is a window of this class. Its procedure runs the
// form's timer ticks (WM_TIMER), keeps the Qt controls over the client area when the window is
// moved or sized, closes on Esc, and takes the window out of the window set on WM_DESTROY;
// WM_CLOSE goes to DefWindowProcA, which destroys the window.

namespace runtime::internal {

inline constexpr const char* kFormClassName = "RuntimeForm";

// Registers the class once (the stand-in's class table remembers it). False on failure.
bool RegisterFormClass();

}  // namespace runtime::internal
