#pragma once
// The window runtime's process-wide services: initialisation on the GUI thread, the window set
// with its last-window rule, the one exit routine, loading windows from forms, message boxes,
// waits with event processing and control theming.

#include "platform/bytes/ByteBlock.h"
#include "platform/runtime/Forms.h"
#include "platform/runtime/Window.h"
#include "platform/win32/Types.h"

namespace runtime {

// Makes the calling thread the GUI thread (creates the Qt application unless one exists), sets the
// current directory to the executable's directory and initialises OLE. Call once, first.
void Initialise(int& argc, char** argv);

// The tool's program icon (PNG or BMP bytes) for every window of the tool, present and future.
void SetProgramIcon(bytes::ByteBlockView picture);

// The routine run once when the process ends, whichever way it ends.
void SetExitRoutine(void (*routine)());

// Loads `form` as the first window and runs the message loop until the last window is gone.
// Returns 0 then. When the first window cannot be loaded, a message box says so and the result is
// -1. The exit routine has run when this returns, on both paths.
int RunFirstWindow(const FormSpec& form);

// Loads a window from a handler: not modal, no owner. Its created handler has run and it is on
// screen when this returns. Null when the window cannot be made.
Window* LoadWindow(const FormSpec& form);

// The loaded window with this handle, or null once it has been destroyed.
Window* WindowOf(win32::HWND handle);

enum class MessageIcon { None, Exclamation };

// A message box with an OK button and no owner, modal for every window of the tool; returns when
// the user has closed it.
void ShowMessage(const Text& text, const Text& title, MessageIcon icon);

// Busy wait of `milliseconds` during which pending window events keep being processed; nothing
// for 0 or less.
void WaitWithEvents(int milliseconds);

// The runtime's own look for the standard controls of every window, present and future.
// Scheme 3 is silver: bordered controls get a flat one-pixel RGB(198, 196, 215) frame.
void EnableTheming(int scheme);

}  // namespace runtime
