#pragma once
// Inside the stand-in only: operations on window records that several areas share — places in
// screen coordinates, the WM_WINDOWPOSCHANGED notice, the window text, and what each area lets go
// of when a window is destroyed.

#include <string>

#include "platform/win32/internal/State.h"

namespace win32::internal {

// The outer rectangle in screen coordinates.
RECT WindowRectOnScreen(const WindowRecord& window);
// The client area's top-left corner in screen coordinates, and its size.
POINT ClientOrigin(const WindowRecord& window);
SIZE ClientSize(const WindowRecord& window);

// Sends WM_WINDOWPOSCHANGED with the window's place and `flags` (SWP_NOMOVE / SWP_NOSIZE telling
// what did not change).
void NotifyPlaced(HWND window, HWND insertAfter, UINT flags);

// Stores the text and shows it as the peer's title.
void StoreText(WindowRecord& window, std::string text);

// What goes with a destroyed window: its timers, the caret it owns, focus, capture and tracking.
void ForgetTimers(HWND window);
void ForgetCaret(HWND window);
void ForgetInput(HWND window);

// The class CreateWindowExA finds for a name (string or atom): a class of the instance first,
// then one of any instance, then a built-in class; null when there is none.
std::shared_ptr<ClassRecord> FindClass(LPCSTR name, HINSTANCE instance);
// The executable's own module; null stands for it wherever an instance is asked for.
HINSTANCE ThisModule();

// Puts a window into its sibling list (parent's children, or the top-level windows with the
// topmost ones first): at the top of its band, at the bottom, or just below `after`.
enum class ZPlace { Top, Bottom, After };
void LinkZ(WindowRecord& window, ZPlace place, HWND after = nullptr);
void UnlinkZ(WindowRecord& window);
// The list the window is one of (its parent's children or the top-level windows).
std::vector<HWND>* SiblingsOf(WindowRecord& window);

// True when `window` is `ancestor` or lies inside it.
bool IsSelfOrDescendant(HWND window, HWND ancestor);

}  // namespace win32::internal
