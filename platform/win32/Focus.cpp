// Keyboard focus and mouse capture of the GUI thread, with their notices.
#include "platform/win32/Kernel.h"
#include "platform/win32/Window.h"
#include "platform/win32/internal/PeerWidget.h"
#include "platform/win32/internal/WindowOps.h"

namespace win32 {

using internal::Find;
using internal::Gui;
using internal::Lookup;
using internal::State;
using internal::WindowRecord;

namespace internal {

void ForgetInput(HWND window) {
  State* state = Gui();
  if (state == nullptr) return;
  // A destroyed window hears nothing more: focus and capture simply end.
  if (state->focus == window) state->focus = nullptr;
  if (state->capture == window) state->capture = nullptr;
  if (state->tracking.window == window) state->tracking = Tracking{};
  if (state->mouse.over == window) state->mouse.over = nullptr;
}

}  // namespace internal

HWND SetFocus(HWND window) {
  State* state = Gui();
  if (state == nullptr) return nullptr;
  WindowRecord* record = nullptr;
  if (window != nullptr) {
    record = Lookup(window);
    if (record == nullptr) return nullptr;
    // A disabled window, or one inside a disabled window, cannot take the focus.
    for (WindowRecord* r = record; r != nullptr; r = Find(r->parent)) {
      if (r->style & WS_DISABLED) return nullptr;
    }
  }
  const HWND old = state->focus;
  if (window == old) return old;
  state->focus = window;
  if (record != nullptr) {
    // Keys reach the stand-in's windows through the peer of their top-level window.
    WindowRecord* top = internal::TopLevelOf(record);
    if (top != nullptr && top->peer && top->peer->isVisible()) top->peer->setFocus();
  }
  if (old != nullptr && Find(old) != nullptr) {
    SendMessageA(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
  }
  if (window != nullptr && state->focus == window && Find(window) != nullptr) {
    SendMessageA(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
  }
  return old;
}

HWND GetFocus() {
  State* state = Gui();
  return state == nullptr ? nullptr : state->focus;
}

HWND SetCapture(HWND window) {
  State* state = Gui();
  if (state == nullptr || Lookup(window) == nullptr) return nullptr;
  const HWND old = state->capture;
  state->capture = window;
  if (old != nullptr && old != window && Find(old) != nullptr) {
    SendMessageA(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(window));
  }
  return old;
}

BOOL ReleaseCapture() {
  State* state = Gui();
  if (state == nullptr) return FALSE;
  const HWND old = state->capture;
  state->capture = nullptr;
  if (old != nullptr && Find(old) != nullptr) SendMessageA(old, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}

HWND GetCapture() {
  State* state = Gui();
  return state == nullptr ? nullptr : state->capture;
}

}  // namespace win32
