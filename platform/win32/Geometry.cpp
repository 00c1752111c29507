// Places and sizes: the outer rectangle each window keeps, client coordinates, SetWindowPos
// with its z-order and topmost band, and the screen's metrics.
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <algorithm>

#include "platform/win32/Kernel.h"
#include "platform/win32/Window.h"
#include "platform/win32/internal/PeerWidget.h"
#include "platform/win32/internal/WindowOps.h"

namespace win32 {

using internal::Find;
using internal::Lookup;
using internal::WindowRecord;

namespace {

QRect PrimaryScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen == nullptr ? QRect() : screen->geometry();
}

bool IsDesktop(const WindowRecord& record) {
  return record.handle == GetDesktopWindow();
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool IsSpecialInsertAfter(HWND after) {
  return after == HWND_TOP || after == HWND_BOTTOM || after == HWND_TOPMOST ||
         after == HWND_NOTOPMOST;
}

}  // namespace

namespace internal {

POINT ClientOrigin(const WindowRecord& window) {
  if (IsDesktop(window)) {
    const QRect screen = PrimaryScreen();
    return POINT{screen.x(), screen.y()};
  }
  if (window.parent == nullptr) {
    return POINT{window.rect.left + window.margins.left, window.rect.top + window.margins.top};
  }
  const WindowRecord* parent = Find(window.parent);
  const POINT base = parent == nullptr ? POINT{0, 0} : ClientOrigin(*parent);
  return POINT{base.x + window.rect.left, base.y + window.rect.top};
}

SIZE ClientSize(const WindowRecord& window) {
  if (IsDesktop(window)) {
    const QRect screen = PrimaryScreen();
    return SIZE{screen.width(), screen.height()};
  }
  const Margins m = window.parent == nullptr ? window.margins : Margins{};
  return SIZE{std::max(0, window.rect.right - window.rect.left - m.left - m.right),
              std::max(0, window.rect.bottom - window.rect.top - m.top - m.bottom)};
}

RECT WindowRectOnScreen(const WindowRecord& window) {
  if (IsDesktop(window)) {
    const QRect screen = PrimaryScreen();
    return RECT{screen.x(), screen.y(), screen.x() + screen.width(), screen.y() + screen.height()};
  }
  if (window.parent == nullptr) return window.rect;
  const WindowRecord* parent = Find(window.parent);
  const POINT base = parent == nullptr ? POINT{0, 0} : ClientOrigin(*parent);
  return RECT{base.x + window.rect.left, base.y + window.rect.top, base.x + window.rect.right,
              base.y + window.rect.bottom};
}

void NotifyPlaced(HWND window, HWND insertAfter, UINT flags) {
  WindowRecord* record = Find(window);
  if (record == nullptr) return;
  WINDOWPOS pos{window,
                insertAfter,
                record->rect.left,
                record->rect.top,
                record->rect.right - record->rect.left,
                record->rect.bottom - record->rect.top,
                flags};
  SendMessageA(window, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
}

}  // namespace internal

BOOL GetWindowRect(HWND window, RECT* rect) {
  WindowRecord* record = Lookup(window);
  if (record == nullptr) return FALSE;
  if (rect == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *rect = internal::WindowRectOnScreen(*record);
  return TRUE;
}

BOOL GetClientRect(HWND window, RECT* rect) {
  WindowRecord* record = Lookup(window);
  if (record == nullptr) return FALSE;
  if (rect == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const SIZE size = internal::ClientSize(*record);
  *rect = RECT{0, 0, size.cx, size.cy};
  return TRUE;
}

BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  WindowRecord* record = Lookup(window);
  if (record == nullptr) return FALSE;
  if (IsDesktop(*record)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  const bool zOrder = !(flags & SWP_NOZORDER);
  if (zOrder && !IsSpecialInsertAfter(insertAfter) && Lookup(insertAfter) == nullptr) {
    return FALSE;
  }

  const RECT old = record->rect;
  RECT r = old;
  if (!(flags & SWP_NOMOVE)) {
    r = RECT{x, y, x + (old.right - old.left), y + (old.bottom - old.top)};
  }
  if (!(flags & SWP_NOSIZE)) {
    r.right = r.left + std::max(cx, 0);
    r.bottom = r.top + std::max(cy, 0);
  }
  record->rect = r;

  bool topmostChanged = false;
  if (zOrder) {
    const bool topLevel = internal::IsTopLevel(*record);
    if (topLevel && (insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST)) {
      const DWORD before = record->exStyle;
      if (insertAfter == HWND_TOPMOST) {
        record->exStyle |= WS_EX_TOPMOST;
      } else {
        record->exStyle &= ~WS_EX_TOPMOST;
      }
      topmostChanged = before != record->exStyle;
      internal::LinkZ(*record, internal::ZPlace::Top);
    } else if (insertAfter == HWND_BOTTOM) {
      internal::LinkZ(*record, internal::ZPlace::Bottom);
    } else if (IsSpecialInsertAfter(insertAfter)) {
      internal::LinkZ(*record, internal::ZPlace::Top);
    } else {
      WindowRecord* other = Find(insertAfter);
      // Only a sibling can be a place in the z-order.
      if (other != nullptr && other->parent == record->parent && other != record) {
        internal::LinkZ(*record, internal::ZPlace::After, insertAfter);
      }
    }
  }

  // A message sent below may destroy the window: its record goes at once (looked up again after
  // each step), its peer later (watched by the guarded pointer).
  QPointer<internal::PeerWidget> peer = record->peer.get();
  if (peer != nullptr) {
    if (flags & SWP_FRAMECHANGED) {
      peer->ApplyStyle();
    } else if (!SameRect(old, r)) {
      peer->ApplyGeometry();
    }
    if (topmostChanged) peer->ApplyTopmost();
    if (zOrder && peer->isVisible()) {
      if (insertAfter == HWND_BOTTOM) {
        peer->lower();
      } else if (IsSpecialInsertAfter(insertAfter)) {
        peer->raise();
      }
    }
  }
  record = Find(window);
  if (record == nullptr) return TRUE;
  if ((flags & SWP_SHOWWINDOW) && !(record->style & WS_VISIBLE)) {
    record->style |= WS_VISIBLE;
    if (peer != nullptr) peer->ShowPeer(!(flags & SWP_NOACTIVATE));
  } else if ((flags & SWP_HIDEWINDOW) && (record->style & WS_VISIBLE)) {
    record->style &= ~WS_VISIBLE;
    if (peer != nullptr) peer->hide();
  }
  if (Find(window) == nullptr) return TRUE;

  UINT done = flags;
  if (old.left == r.left && old.top == r.top) done |= SWP_NOMOVE;
  if (old.right - old.left == r.right - r.left && old.bottom - old.top == r.bottom - r.top) {
    done |= SWP_NOSIZE;
  }
  internal::NotifyPlaced(window, insertAfter, done);
  return TRUE;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
  return SetWindowPos(window, nullptr, x, y, width, height,
                      SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL ScreenToClient(HWND window, POINT* point) {
  WindowRecord* record = Lookup(window);
  if (record == nullptr || point == nullptr) return FALSE;
  const POINT origin = internal::ClientOrigin(*record);
  point->x -= origin.x;
  point->y -= origin.y;
  return TRUE;
}

BOOL ClientToScreen(HWND window, POINT* point) {
  WindowRecord* record = Lookup(window);
  if (record == nullptr || point == nullptr) return FALSE;
  const POINT origin = internal::ClientOrigin(*record);
  point->x += origin.x;
  point->y += origin.y;
  return TRUE;
}

int GetSystemMetrics(int index) {
  const QRect screen = PrimaryScreen();
  switch (index) {
    case SM_CXSCREEN:
      return screen.width();
    case SM_CYSCREEN:
      return screen.height();
    default:
      return 0;
  }
}

}  // namespace win32
