// Device contexts: window DCs (which draw nothing: a layered window's picture reaches the
// screen through UpdateLayeredWindow) and memory DCs that hold one bitmap and one font.
#include "platform/win32/Gdi.h"
#include "platform/win32/Kernel.h"
#include "platform/win32/internal/GdiTable.h"

namespace win32 {

using internal::DcKind;
using internal::DcRecord;
using internal::Gui;
using internal::State;

namespace {

HDC AddDc(State& state, DcKind kind, HWND window) {
  auto record = std::make_unique<DcRecord>();
  record->kind = kind;
  record->window = window;
  record->bitmap = kind == DcKind::Memory ? state.stockBitmap : nullptr;
  record->font = state.stockFont;
  const HDC handle = internal::NewHandle<HDC>();
  state.dcs.emplace(handle, std::move(record));
  return handle;
}

HDC WindowDc(HWND window) {
  State* state = Gui();
  if (state == nullptr) return nullptr;
  // Null stands for the whole screen.
  if (window != nullptr && internal::Lookup(window) == nullptr) return nullptr;
  return AddDc(*state, DcKind::Window, window);
}

}  // namespace

HDC GetWindowDC(HWND window) {
  return WindowDc(window);
}

HDC GetDC(HWND window) {
  return WindowDc(window);
}

int ReleaseDC(HWND window, HDC dc) {
  (void)window;
  State* state = Gui();
  DcRecord* record = internal::FindDc(dc);
  if (state == nullptr || record == nullptr || record->kind != DcKind::Window) return 0;
  state->dcs.erase(dc);
  return 1;
}

HDC CreateCompatibleDC(HDC dc) {
  State* state = Gui();
  if (state == nullptr) return nullptr;
  if (dc != nullptr && internal::FindDc(dc) == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return AddDc(*state, DcKind::Memory, nullptr);
}

BOOL DeleteDC(HDC dc) {
  State* state = Gui();
  DcRecord* record = internal::FindDc(dc);
  // A window DC is given back with ReleaseDC, never deleted.
  if (state == nullptr || record == nullptr || record->kind != DcKind::Memory) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  // The bitmap it held stays the program's to delete.
  if (internal::GdiObject* bitmap = internal::FindObject(record->bitmap)) {
    if (bitmap->selectedInto == dc) bitmap->selectedInto = nullptr;
  }
  state->dcs.erase(dc);
  return TRUE;
}

}  // namespace win32
