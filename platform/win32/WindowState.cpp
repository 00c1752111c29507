// Shown and enabled states: the WS_VISIBLE and WS_DISABLED bits, their notices and the peer.
#include <QPointer>

#include "platform/win32/Kernel.h"
#include "platform/win32/Window.h"
#include "platform/win32/internal/PeerWidget.h"
#include "platform/win32/internal/WindowOps.h"

namespace win32 {

using internal::Find;
using internal::Lookup;
using internal::WindowRecord;

BOOL ShowWindow(HWND window, int command) {
  WindowRecord* record = Lookup(window);
  if (record == nullptr) return FALSE;
  const BOOL wasVisible = (record->style & WS_VISIBLE) ? TRUE : FALSE;
  QPointer<internal::PeerWidget> peer = record->peer.get();
  switch (command) {
    case SW_HIDE:
      if (!wasVisible) return FALSE;
      SendMessageA(window, WM_SHOWWINDOW, FALSE, 0);
      if ((record = Find(window)) == nullptr) return wasVisible;
      record->style &= ~WS_VISIBLE;
      if (peer) peer->hide();
      return wasVisible;
    case SW_SHOWNORMAL:
    case SW_SHOW:
    case SW_SHOWNA:
    case SW_SHOWNOACTIVATE:
    case SW_RESTORE: {
      if (!wasVisible) {
        SendMessageA(window, WM_SHOWWINDOW, TRUE, 0);
        if ((record = Find(window)) == nullptr) return wasVisible;
      }
      const bool restore = command == SW_SHOWNORMAL || command == SW_RESTORE;
      record->style |= WS_VISIBLE;
      if (restore) record->style &= ~WS_MINIMIZE;
      if (peer) {
        if (restore && peer->isMinimized()) peer->showNormal();
        peer->ShowPeer(command == SW_SHOW || restore);
      }
      return wasVisible;
    }
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
      if (!wasVisible) {
        SendMessageA(window, WM_SHOWWINDOW, TRUE, 0);
        if ((record = Find(window)) == nullptr) return wasVisible;
      }
      record->style |= WS_VISIBLE | WS_MINIMIZE;
      if (peer) peer->showMinimized();
      return wasVisible;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return FALSE;
  }
}

BOOL IsWindowVisible(HWND window) {
  WindowRecord* record = Find(window);
  if (record == nullptr) return FALSE;
  for (; record != nullptr; record = Find(record->parent)) {
    if (!(record->style & WS_VISIBLE)) return FALSE;
  }
  return TRUE;
}

BOOL EnableWindow(HWND window, BOOL enable) {
  WindowRecord* record = Lookup(window);
  if (record == nullptr) return FALSE;
  const BOOL wasDisabled = (record->style & WS_DISABLED) ? TRUE : FALSE;
  const bool alreadyThere = bool(enable) != bool(wasDisabled);
  if (alreadyThere) return wasDisabled;  // no change, no notice
  if (enable) {
    record->style &= ~WS_DISABLED;
  } else {
    record->style |= WS_DISABLED;
  }
  if (record->peer) record->peer->setEnabled(enable != FALSE);
  if (!enable) {
    // A disabled window keeps neither the focus nor the capture.
    if (HWND focus = GetFocus(); focus != nullptr && internal::IsSelfOrDescendant(focus, window)) {
      SetFocus(nullptr);
    }
    if (HWND capture = GetCapture();
        capture != nullptr && internal::IsSelfOrDescendant(capture, window)) {
      ReleaseCapture();
    }
    if (Find(window) == nullptr) return wasDisabled;
  }
  SendMessageA(window, WM_ENABLE, enable ? TRUE : FALSE, 0);
  return wasDisabled;
}

BOOL IsWindowEnabled(HWND window) {
  WindowRecord* record = Find(window);
  return record != nullptr && !(record->style & WS_DISABLED) ? TRUE : FALSE;
}

}  // namespace win32
