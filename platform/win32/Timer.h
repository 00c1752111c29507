#pragma once
// Window timers and the caret of the Win32 stand-in. Timers tick on the GUI thread's event loop,
// so a tick never interrupts a running handler; they die with their window.

#include "platform/win32/Types.h"

namespace win32 {

using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);

// Starts or restarts timer `id` of `window`; with a procedure the tick calls it, otherwise the
// window procedure gets WM_TIMER. Returns the id (non-zero) or 0 on failure.
UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc);
BOOL KillTimer(HWND window, UINT_PTR id);

// The one caret of the GUI thread; it is never drawn by the stand-in.
BOOL CreateCaret(HWND window, HBITMAP bitmap, int width, int height);
BOOL DestroyCaret();
BOOL GetCaretPos(POINT* point);
BOOL SetCaretPos(int x, int y);
BOOL ShowCaret(HWND window);
BOOL HideCaret(HWND window);

}  // namespace win32
