// Window text: GBK bytes kept by the default window procedure, reached through WM_SETTEXT,
// WM_GETTEXT and WM_GETTEXTLENGTH so that a window's own procedure sees them.
#include "platform/win32/Window.h"
#include "platform/win32/internal/PeerWidget.h"
#include "platform/win32/internal/WindowOps.h"

namespace win32 {

namespace internal {

void StoreText(WindowRecord& window, std::string text) {
  window.text = std::move(text);
  if (window.peer) window.peer->ApplyTitle();
}

}  // namespace internal

BOOL SetWindowTextA(HWND window, LPCSTR text) {
  if (internal::Lookup(window) == nullptr) return FALSE;
  return SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
}

int GetWindowTextA(HWND window, LPSTR buffer, int maxCount) {
  if (buffer == nullptr || maxCount <= 0) return 0;
  buffer[0] = '\0';
  if (internal::Lookup(window) == nullptr) return 0;
  return int(SendMessageA(window, WM_GETTEXT, WPARAM(maxCount), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthA(HWND window) {
  if (internal::Lookup(window) == nullptr) return 0;
  return int(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
}

}  // namespace win32
