// Input on a top-level window's peer, as the stand-in's windows see it.
#include "platform/win32/internal/Input.h"

#include "platform/win32/internal/State.h"

namespace win32::internal {

void RouteMouse(HWND topLevel, const QMouseEvent& event) {
  (void)topLevel;
  State* state = Gui();
  if (state == nullptr) return;
  state->mouse.global = event.globalPosition().toPoint();
  state->mouse.buttons = event.buttons();
}

void RouteLeave(HWND topLevel) {
  (void)topLevel;
}

void RouteKey(HWND topLevel, const QKeyEvent& event) {
  (void)topLevel;
  (void)event;
}

}  // namespace win32::internal
