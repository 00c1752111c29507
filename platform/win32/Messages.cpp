// Window longs, window procedures and message delivery: sent messages call the procedure at
// once; posted ones are delivered by the Qt event loop, in order, to windows that still exist.
#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <cstring>

#include "platform/win32/Kernel.h"
#include "platform/win32/Window.h"
#include "platform/win32/internal/PeerWidget.h"
#include "platform/win32/internal/WindowOps.h"

namespace win32 {

using internal::Find;
using internal::Gui;
using internal::Lookup;
using internal::WindowRecord;

namespace {

// Extra window bytes at a non-negative index: a pointer-sized value that must fit inside them.
LONG_PTR* ExtraSlot(WindowRecord& record, int index) {
  if (index < 0 || std::size_t(index) + sizeof(LONG_PTR) > record.extra.size()) return nullptr;
  return reinterpret_cast<LONG_PTR*>(record.extra.data() + index);
}

void StyleChanged(WindowRecord& record, DWORD old) {
  if (record.peer && ((old ^ record.style) & WS_DISABLED)) {
    record.peer->setEnabled(!(record.style & WS_DISABLED));
  }
}

void ExStyleChanged(WindowRecord& record, DWORD old) {
  if (!((old ^ record.exStyle) & WS_EX_LAYERED)) return;
  // Leaving the layered style drops the layered picture.
  if (!(record.exStyle & WS_EX_LAYERED)) record.picture.reset();
  if (record.peer) record.peer->ApplyStyle();
}

}  // namespace

LONG_PTR SetWindowLongA(HWND window, int index, LONG_PTR value) {
  WindowRecord* record = Lookup(window);
  if (record == nullptr) return 0;
  if (window == GetDesktopWindow()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return 0;
  }
  LONG_PTR old = 0;
  switch (index) {
    case GWL_WNDPROC:
      if (value == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
      }
      old = reinterpret_cast<LONG_PTR>(record->proc);
      record->proc = reinterpret_cast<WNDPROC>(value);
      return old;
    case GWL_STYLE: {
      const DWORD previous = record->style;
      record->style = DWORD(value);
      StyleChanged(*record, previous);
      return LONG_PTR(LONG(previous));
    }
    case GWL_EXSTYLE: {
      const DWORD previous = record->exStyle;
      // The topmost band is changed by SetWindowPos only.
      record->exStyle = (DWORD(value) & ~WS_EX_TOPMOST) | (previous & WS_EX_TOPMOST);
      ExStyleChanged(*record, previous);
      return LONG_PTR(LONG(previous));
    }
    case GWL_ID:
      old = record->id;
      record->id = value;
      return old;
    case GWL_USERDATA:
      old = record->userData;
      record->userData = value;
      return old;
    case GWL_HINSTANCE:
      old = reinterpret_cast<LONG_PTR>(record->instance);
      record->instance = reinterpret_cast<HINSTANCE>(value);
      return old;
    default:
      break;
  }
  if (LONG_PTR* slot = ExtraSlot(*record, index)) {
    std::memcpy(&old, slot, sizeof old);
    std::memcpy(slot, &value, sizeof value);
    return old;
  }
  SetLastError(ERROR_INVALID_INDEX);
  return 0;
}

LONG_PTR GetWindowLongA(HWND window, int index) {
  WindowRecord* record = Lookup(window);
  if (record == nullptr) return 0;
  switch (index) {
    case GWL_WNDPROC:
      return reinterpret_cast<LONG_PTR>(record->proc);
    case GWL_STYLE:
      return LONG_PTR(LONG(record->style));
    case GWL_EXSTYLE:
      return LONG_PTR(LONG(record->exStyle));
    case GWL_ID:
      return record->id;
    case GWL_USERDATA:
      return record->userData;
    case GWL_HINSTANCE:
      return reinterpret_cast<LONG_PTR>(record->instance);
    case GWL_HWNDPARENT:
      return reinterpret_cast<LONG_PTR>(record->parent != nullptr ? record->parent : record->owner);
    default:
      break;
  }
  if (LONG_PTR* slot = ExtraSlot(*record, index)) {
    LONG_PTR value = 0;
    std::memcpy(&value, slot, sizeof value);
    return value;
  }
  SetLastError(ERROR_INVALID_INDEX);
  return 0;
}

LRESULT CallWindowProcA(WNDPROC proc, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (proc == nullptr) return 0;
  return proc(window, message, wParam, lParam);
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WindowRecord* record = Lookup(window);
  if (record == nullptr) return 0;
  return record->proc(window, message, wParam, lParam);
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr) return FALSE;
  const bool onGui = QThread::currentThread() == app->thread();
  if (window == nullptr) {
    // A thread message: the only one the stand-in's loop knows is WM_QUIT.
    if (message == WM_QUIT) {
      QMetaObject::invokeMethod(
          app, [code = int(wParam)] { QCoreApplication::exit(code); }, Qt::QueuedConnection);
    }
    return TRUE;
  }
  // From another thread the window is checked when the message arrives.
  if (onGui && Lookup(window) == nullptr) return FALSE;
  QMetaObject::invokeMethod(
      app,
      [window, message, wParam, lParam] {
        if (Find(window) != nullptr) SendMessageA(window, message, wParam, lParam);
      },
      Qt::QueuedConnection);
  return TRUE;
}

void PostQuitMessage(int exitCode) {
  QCoreApplication::exit(exitCode);
}

}  // namespace win32
