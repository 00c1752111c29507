// The default window procedure: window text and font, closing, the caption drag and the
// notices that follow a change of place.
#include <algorithm>
#include <cstring>

#include "platform/win32/Window.h"
#include "platform/win32/internal/Input.h"
#include "platform/win32/internal/WindowOps.h"

namespace win32 {

using internal::Lookup;
using internal::WindowRecord;

namespace {

bool IsString(LPCSTR text) {
  return reinterpret_cast<ULONG_PTR>(text) > 0xFFFF;
}

LRESULT CopyText(const WindowRecord& record, WPARAM size, LPARAM buffer) {
  auto* out = reinterpret_cast<char*>(buffer);
  if (out == nullptr || size == 0) return 0;
  const std::size_t count = std::min<std::size_t>(record.text.size(), size - 1);
  std::memcpy(out, record.text.data(), count);
  out[count] = '\0';
  return LRESULT(count);
}

void AfterPlaced(HWND window, const WindowRecord& record, const WINDOWPOS* pos) {
  if (pos == nullptr) return;
  if (!(pos->flags & SWP_NOSIZE)) {
    const SIZE client = internal::ClientSize(record);
    SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.cx, client.cy));
  }
  WindowRecord* still = internal::Find(window);
  if (still == nullptr || (pos->flags & SWP_NOMOVE)) return;
  const POINT origin = still->parent != nullptr ? POINT{still->rect.left, still->rect.top}
                                                : internal::ClientOrigin(*still);
  SendMessageA(window, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
}

}  // namespace

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WindowRecord* record = Lookup(window);
  if (record == nullptr) return 0;
  switch (message) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      if (create != nullptr && create->lpszName != nullptr && IsString(create->lpszName)) {
        internal::StoreText(*record, create->lpszName);
      }
      return TRUE;
    }
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_SETTEXT: {
      const auto* text = reinterpret_cast<LPCSTR>(lParam);
      internal::StoreText(*record, text == nullptr ? std::string() : std::string(text));
      return TRUE;
    }
    case WM_GETTEXT:
      return CopyText(*record, wParam, lParam);
    case WM_GETTEXTLENGTH:
      return LRESULT(record->text.size());
    case WM_SETFONT:
      record->font = reinterpret_cast<HFONT>(wParam);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(record->font);
    case WM_NCLBUTTONDOWN:
      if (LRESULT(wParam) == HTCAPTION && internal::IsTopLevel(*record)) {
        internal::BeginCaptionDrag(window);
      }
      return 0;
    case WM_WINDOWPOSCHANGED:
      AfterPlaced(window, *record, reinterpret_cast<const WINDOWPOS*>(lParam));
      return 0;
    case WM_IME_CHAR: {
      // An ANSI window gets a double-byte character as two WM_CHAR, lead byte first.
      const BYTE lead = BYTE(wParam >> 8);
      if (lead != 0) {
        SendMessageA(window, WM_CHAR, lead, lParam);
        if (internal::Find(window) == nullptr) return 0;
      }
      SendMessageA(window, WM_CHAR, BYTE(wParam), lParam);
      return 0;
    }
    case WM_NCHITTEST: {
      const RECT r = internal::WindowRectOnScreen(*record);
      const int x = GET_X_LPARAM(lParam);
      const int y = GET_Y_LPARAM(lParam);
      return x >= r.left && x < r.right && y >= r.top && y < r.bottom ? HTCLIENT : HTNOWHERE;
    }
    case WM_ERASEBKGND:
      return record->cls->info.hbrBackground != nullptr ? 1 : 0;
    default:
      return 0;
  }
}

}  // namespace win32
