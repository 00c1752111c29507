// The built-in "BUTTON" class: keeps its text and enabled state; a left click (press, then
// release over it) tells the parent with WM_COMMAND / BN_CLICKED. It holds the capture while the
// button is down, so the release reaches it wherever the mouse is.
#include "platform/win32/internal/Builtin.h"
#include "platform/win32/internal/WindowOps.h"

namespace win32::internal {

LRESULT ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WindowRecord* record = Lookup(window);
  if (record == nullptr) return 0;
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      record->builtin.pressed = true;
      SetCapture(window);
      return 0;
    case WM_LBUTTONUP: {
      const bool wasPressed = record->builtin.pressed;
      record->builtin.pressed = false;
      if (GetCapture() == window) ReleaseCapture();
      if ((record = Find(window)) == nullptr || !wasPressed) return 0;
      const SIZE size = ClientSize(*record);
      const int x = GET_X_LPARAM(lParam);
      const int y = GET_Y_LPARAM(lParam);
      if (x >= 0 && y >= 0 && x < size.cx && y < size.cy && record->parent != nullptr) {
        const WPARAM command = WPARAM(WORD(record->id)) | WPARAM(BN_CLICKED) << 16;
        SendMessageA(record->parent, WM_COMMAND, command, reinterpret_cast<LPARAM>(window));
      }
      return 0;
    }
    case WM_CAPTURECHANGED:
      record->builtin.pressed = false;
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace win32::internal
