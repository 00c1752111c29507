// The caret: one per GUI thread, owned by a window, kept as a place and a hide level; the
// stand-in never draws it (the kit draws its own caret line into the layered picture).
#include "platform/win32/Kernel.h"
#include "platform/win32/Timer.h"
#include "platform/win32/Window.h"
#include "platform/win32/internal/WindowOps.h"

namespace win32 {

using internal::Gui;
using internal::State;

namespace {

// The caret, when `window` may act on it: null stands for the caret's owner.
internal::Caret* OwnedCaret(HWND window) {
  State* state = Gui();
  if (state == nullptr || state->caret.owner == nullptr) return nullptr;
  if (window != nullptr && window != state->caret.owner) return nullptr;
  return &state->caret;
}

}  // namespace

namespace internal {

void ForgetCaret(HWND window) {
  State* state = Gui();
  if (state != nullptr && state->caret.owner == window) state->caret = Caret{};
}

}  // namespace internal

BOOL CreateCaret(HWND window, HBITMAP bitmap, int width, int height) {
  State* state = Gui();
  if (state == nullptr || internal::Lookup(window) == nullptr) return FALSE;
  // A new caret replaces the old one, starts hidden at (0, 0); a zero size means one pixel.
  state->caret = internal::Caret{
      window, bitmap, width > 0 ? width : 1, height > 0 ? height : 1, POINT{0, 0}, 1};
  return TRUE;
}

BOOL DestroyCaret() {
  State* state = Gui();
  if (state == nullptr || state->caret.owner == nullptr) return FALSE;
  state->caret = internal::Caret{};
  return TRUE;
}

BOOL GetCaretPos(POINT* point) {
  internal::Caret* caret = OwnedCaret(nullptr);
  if (caret == nullptr || point == nullptr) return FALSE;
  *point = caret->pos;
  return TRUE;
}

BOOL SetCaretPos(int x, int y) {
  internal::Caret* caret = OwnedCaret(nullptr);
  if (caret == nullptr) return FALSE;
  caret->pos = POINT{x, y};
  return TRUE;
}

BOOL ShowCaret(HWND window) {
  internal::Caret* caret = OwnedCaret(window);
  if (caret == nullptr) return FALSE;
  if (caret->hideLevel > 0) --caret->hideLevel;
  return TRUE;
}

BOOL HideCaret(HWND window) {
  internal::Caret* caret = OwnedCaret(window);
  if (caret == nullptr) return FALSE;
  ++caret->hideLevel;
  return TRUE;
}

}  // namespace win32
