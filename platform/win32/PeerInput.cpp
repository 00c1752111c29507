// Input on a top-level window's peer, as the stand-in's windows see it: the mouse goes to the
// capture window or to the topmost visible child under it (in that child's client coordinates),
// a press gives a child the focus, and leaving a tracked window sends its one WM_MOUSELEAVE.
// Keys go to the focused window as WM_KEYDOWN / WM_KEYUP and their text as WM_CHAR bytes.
#include "platform/win32/internal/Input.h"

#include "platform/win32/Window.h"
#include "platform/win32/internal/Text.h"
#include "platform/win32/internal/WindowOps.h"

namespace win32::internal {

namespace {

bool Contains(const RECT& r, POINT p) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// The window under a screen point inside `topLevel`: the deepest visible child; a disabled child
// takes no mouse input, so its parent gets it.
HWND WindowAt(HWND topLevel, POINT screen) {
  HWND current = topLevel;
  for (;;) {
    WindowRecord* record = Find(current);
    if (record == nullptr) return nullptr;
    const POINT origin = ClientOrigin(*record);
    const POINT local{screen.x - origin.x, screen.y - origin.y};
    HWND next = nullptr;
    for (HWND child : record->children) {
      WindowRecord* c = Find(child);
      if (c == nullptr || !(c->style & WS_VISIBLE) || !Contains(c->rect, local)) continue;
      if (c->style & WS_DISABLED) return current;
      next = child;
      break;
    }
    if (next == nullptr) return current;
    current = next;
  }
}

WPARAM KeyState(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  WPARAM state = 0;
  if (buttons & Qt::LeftButton) state |= MK_LBUTTON;
  if (buttons & Qt::RightButton) state |= MK_RBUTTON;
  if (buttons & Qt::MiddleButton) state |= MK_MBUTTON;
  if (modifiers & Qt::ShiftModifier) state |= MK_SHIFT;
  if (modifiers & Qt::ControlModifier) state |= MK_CONTROL;
  return state;
}

void SendLeave(State& state) {
  const HWND tracked = state.tracking.window;
  state.tracking = Tracking{};
  if (Find(tracked) != nullptr) SendMessageA(tracked, WM_MOUSELEAVE, 0, 0);
}

UINT MessageFor(const QMouseEvent& event, HWND target) {
  const bool left = event.button() == Qt::LeftButton;
  const bool right = event.button() == Qt::RightButton;
  switch (event.type()) {
    case QEvent::MouseMove:
      return WM_MOUSEMOVE;
    case QEvent::MouseButtonPress:
      return left ? WM_LBUTTONDOWN : right ? WM_RBUTTONDOWN : WM_NULL;
    case QEvent::MouseButtonRelease:
      return left ? WM_LBUTTONUP : right ? WM_RBUTTONUP : WM_NULL;
    case QEvent::MouseButtonDblClick: {
      // Only a class with CS_DBLCLKS hears of double clicks; others get a second press.
      WindowRecord* record = Find(target);
      const bool doubles = record != nullptr && (record->cls->info.style & CS_DBLCLKS);
      if (left) return doubles ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN;
      return right ? WM_RBUTTONDOWN : WM_NULL;
    }
    default:
      return WM_NULL;
  }
}

WPARAM VirtualKey(int key) {
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return WPARAM('A' + (key - Qt::Key_A));
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return WPARAM('0' + (key - Qt::Key_0));
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return WPARAM(0x70 + (key - Qt::Key_F1));
  switch (key) {
    case Qt::Key_Backspace:
      return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return VK_RETURN;
    case Qt::Key_Escape:
      return VK_ESCAPE;
    case Qt::Key_Space:
      return VK_SPACE;
    case Qt::Key_PageUp:
      return 0x21;
    case Qt::Key_PageDown:
      return 0x22;
    case Qt::Key_End:
      return VK_END;
    case Qt::Key_Home:
      return VK_HOME;
    case Qt::Key_Left:
      return VK_LEFT;
    case Qt::Key_Up:
      return VK_UP;
    case Qt::Key_Right:
      return VK_RIGHT;
    case Qt::Key_Down:
      return VK_DOWN;
    case Qt::Key_Insert:
      return 0x2D;
    case Qt::Key_Delete:
      return VK_DELETE;
    case Qt::Key_Shift:
      return VK_SHIFT;
    case Qt::Key_Control:
      return VK_CONTROL;
    case Qt::Key_Alt:
      return VK_MENU;
    default:
      return 0;  // no virtual key of its own; its text still comes as WM_CHAR
  }
}

}  // namespace

void RouteMouse(HWND topLevel, const QMouseEvent& event) {
  State* state = Gui();
  WindowRecord* top = Find(topLevel);
  if (state == nullptr || top == nullptr || top->destroying) return;
  const QPoint global = event.globalPosition().toPoint();
  state->mouse.global = global;
  state->mouse.buttons = event.buttons();
  const POINT screen{global.x(), global.y()};
  const HWND under = WindowAt(topLevel, screen);
  if (state->tracking.window != nullptr && (state->tracking.flags & TME_LEAVE) &&
      state->tracking.window != under) {
    SendLeave(*state);
  }
  state->mouse.over = under;
  const HWND target = Find(state->capture) != nullptr ? state->capture : under;
  const UINT message = MessageFor(event, target);
  if (target == nullptr || message == WM_NULL) return;
  const bool press =
      message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_LBUTTONDBLCLK;
  if (press && target != topLevel && GetFocus() != target) {
    SetFocus(target);
    if (Find(target) == nullptr) return;
  }
  WindowRecord* record = Find(target);
  if (record == nullptr) return;
  const POINT origin = ClientOrigin(*record);
  SendMessageA(target, message, KeyState(event.buttons(), event.modifiers()),
               MAKELPARAM(screen.x - origin.x, screen.y - origin.y));
}

void RouteLeave(HWND topLevel) {
  State* state = Gui();
  if (state == nullptr) return;
  if (state->mouse.over != nullptr && IsSelfOrDescendant(state->mouse.over, topLevel)) {
    state->mouse.over = nullptr;
  }
  if (state->tracking.window != nullptr && (state->tracking.flags & TME_LEAVE) &&
      IsSelfOrDescendant(state->tracking.window, topLevel)) {
    SendLeave(*state);
  }
}

void RouteKey(HWND topLevel, const QKeyEvent& event) {
  State* state = Gui();
  WindowRecord* top = Find(topLevel);
  if (state == nullptr || top == nullptr || top->destroying) return;
  // Keys go to the focused window inside this top-level window, or to the window itself.
  const HWND target = state->focus != nullptr && IsSelfOrDescendant(state->focus, topLevel)
                          ? state->focus
                          : topLevel;
  const bool down = event.type() == QEvent::KeyPress;
  LPARAM flags = LPARAM(1) | LPARAM(event.nativeScanCode() & 0xFF) << 16;
  if (down && event.isAutoRepeat()) flags |= LPARAM(1) << 30;
  if (!down) flags |= LPARAM(3) << 30;
  if (const WPARAM key = VirtualKey(event.key()); key != 0) {
    SendMessageA(target, down ? WM_KEYDOWN : WM_KEYUP, key, flags);
  }
  if (!down) return;
  // The text as GBK bytes, one WM_CHAR each: a double-byte character comes as its lead byte,
  // then its trail byte, as an ANSI window receives it.
  for (const char byte : FromQString(event.text())) {
    if (byte == 0x7F) continue;  // Delete is a key, not a character
    if (Find(target) == nullptr) return;
    SendMessageA(target, WM_CHAR, static_cast<unsigned char>(byte), flags);
  }
}

}  // namespace win32::internal
