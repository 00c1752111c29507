// The built-in "BUTTON" class: a child control that keeps its text and enabled state.
#include "platform/win32/internal/Builtin.h"
#include "platform/win32/internal/State.h"

namespace win32::internal {

LRESULT ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace win32::internal
