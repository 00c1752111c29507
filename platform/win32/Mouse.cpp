// Mouse tracking (one WM_MOUSELEAVE when the mouse leaves the tracked window) and the cursor.
#include <QCursor>

#include "platform/win32/Kernel.h"
#include "platform/win32/Window.h"
#include "platform/win32/internal/State.h"

namespace win32 {

using internal::Gui;
using internal::State;

BOOL TrackMouseEvent(TRACKMOUSEEVENT* track) {
  State* state = Gui();
  if (state == nullptr) return FALSE;
  if (track == nullptr || track->cbSize != sizeof(TRACKMOUSEEVENT)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (track->dwFlags & TME_QUERY) {
    track->dwFlags = state->tracking.flags;
    track->hwndTrack = state->tracking.window;
    track->dwHoverTime = state->tracking.hoverTime;
    return TRUE;
  }
  if (internal::Lookup(track->hwndTrack) == nullptr) return FALSE;
  const DWORD asked = track->dwFlags & (TME_LEAVE | TME_HOVER);
  if (track->dwFlags & TME_CANCEL) {
    if (state->tracking.window == track->hwndTrack) {
      state->tracking.flags &= ~asked;
      if (state->tracking.flags == 0) state->tracking = internal::Tracking{};
    }
    return TRUE;
  }
  if (asked == 0) return TRUE;
  if (state->tracking.window != track->hwndTrack) state->tracking = internal::Tracking{};
  state->tracking.window = track->hwndTrack;
  state->tracking.flags |= asked;
  if (asked & TME_HOVER) state->tracking.hoverTime = track->dwHoverTime;
  if ((asked & TME_LEAVE) && state->mouse.over != track->hwndTrack) {
    // The mouse is not over the window now: it has left already.
    state->tracking.flags &= ~TME_LEAVE;
    if (state->tracking.flags == 0) state->tracking = internal::Tracking{};
    PostMessageA(track->hwndTrack, WM_MOUSELEAVE, 0, 0);
  }
  return TRUE;
}

BOOL GetCursorPos(POINT* point) {
  if (point == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const QPoint at = QCursor::pos();
  *point = POINT{at.x(), at.y()};
  return TRUE;
}

BOOL SetCursorPos(int x, int y) {
  QCursor::setPos(x, y);
  return TRUE;
}

}  // namespace win32
