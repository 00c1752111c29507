// GDI objects in DCs: selecting, deleting (refused while a DC still uses the object, so no DC
// ever draws into freed memory), the stock objects and GetObjectA; and what GDI+ reads of a DC.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/win32/Gdi.h"
#include "platform/win32/Kernel.h"
#include "platform/win32/internal/GdiTable.h"
#include "platform/win32/internal/Surface.h"

namespace win32 {

using internal::DcKind;
using internal::DcRecord;
using internal::GdiKind;
using internal::GdiObject;
using internal::Gui;
using internal::State;

namespace {

bool FontInUse(State& state, HGDIOBJ font) {
  return std::any_of(state.dcs.begin(), state.dcs.end(),
                     [&](const auto& entry) { return entry.second->font == font; });
}

}  // namespace

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
  DcRecord* record = internal::FindDc(dc);
  GdiObject* selected = internal::FindObject(object);
  if (record == nullptr || selected == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  if (selected->kind == GdiKind::Font) {
    const HGDIOBJ previous = record->font;
    record->font = object;
    return previous;
  }
  // A bitmap goes into a memory DC only, and into one DC at a time.
  if (record->kind != DcKind::Memory ||
      (selected->selectedInto != nullptr && selected->selectedInto != dc)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const HGDIOBJ previous = record->bitmap;
  if (GdiObject* old = internal::FindObject(previous); old != nullptr && !old->stock) {
    old->selectedInto = nullptr;
  }
  record->bitmap = object;
  if (!selected->stock) selected->selectedInto = dc;
  return previous;
}

BOOL DeleteObject(HGDIOBJ object) {
  State* state = Gui();
  GdiObject* record = internal::FindObject(object);
  if (state == nullptr || record == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (record->stock) return TRUE;  // deleting a stock object does nothing, harmlessly
  const bool inUse =
      record->kind == GdiKind::Bitmap ? record->selectedInto != nullptr : FontInUse(*state, object);
  if (inUse) return FALSE;
  state->objects.erase(object);
  return TRUE;
}

HGDIOBJ GetStockObject(int index) {
  State* state = Gui();
  if (state == nullptr || index != DEFAULT_GUI_FONT) return nullptr;
  return state->stockFont;
}

int GetObjectA(HGDIOBJ object, int size, LPVOID buffer) {
  GdiObject* record = internal::FindObject(object);
  if (record == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  if (record->kind == GdiKind::Font) {
    if (buffer == nullptr) return int(sizeof(LOGFONTA));
    if (size <= 0) return 0;
    // As much of the LOGFONTA as the buffer holds.
    const int count = std::min(size, int(sizeof(LOGFONTA)));
    std::memcpy(buffer, &record->font, std::size_t(count));
    return count;
  }
  if (buffer == nullptr) return int(sizeof(BITMAP));
  // A bitmap is described whole or not at all.
  if (size < int(sizeof(BITMAP))) return 0;
  BITMAP bitmap{};
  bitmap.bmWidth = record->width;
  bitmap.bmHeight = std::abs(record->height);
  bitmap.bmWidthBytes = record->stride;
  bitmap.bmPlanes = 1;
  bitmap.bmBitsPixel = WORD(record->bitCount);
  bitmap.bmBits = record->bits.empty() ? nullptr : record->bits.data();
  std::memcpy(buffer, &bitmap, sizeof bitmap);
  return int(sizeof bitmap);
}

namespace internal {

bool SelectedDib(HDC dc, DibSurface* surface) {
  DcRecord* record = FindDc(dc);
  GdiObject* bitmap = record == nullptr ? nullptr : FindObject(record->bitmap);
  if (bitmap == nullptr || bitmap->stock || bitmap->bitCount != 32 || surface == nullptr) {
    return false;
  }
  surface->bits = bitmap->bits.data();
  surface->width = bitmap->width;
  surface->height = std::abs(bitmap->height);
  surface->stride = bitmap->stride;
  surface->bottomUp = bitmap->height > 0;
  return true;
}

HGDIOBJ SelectedFont(HDC dc) {
  DcRecord* record = FindDc(dc);
  return record == nullptr ? nullptr : record->font;
}

}  // namespace internal

}  // namespace win32
