// The built-in "EDIT" class: a child control that keeps its text.
#include "platform/win32/internal/Builtin.h"
#include "platform/win32/internal/State.h"

namespace win32::internal {

LRESULT EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace win32::internal
