// Window properties: pointer-sized values by name (compared without case, as atoms are) or by
// atom; they go with the window.
#include <string>

#include "platform/win32/Kernel.h"
#include "platform/win32/Window.h"
#include "platform/win32/internal/State.h"

namespace win32 {

namespace {

std::string Key(LPCSTR name) {
  if (internal::IsAtomName(name)) {
    return "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name));
  }
  return internal::Folded(name);
}

}  // namespace

BOOL SetPropA(HWND window, LPCSTR name, HANDLE value) {
  internal::WindowRecord* record = internal::Lookup(window);
  if (record == nullptr) return FALSE;
  if (name == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  record->props[Key(name)] = value;
  return TRUE;
}

HANDLE GetPropA(HWND window, LPCSTR name) {
  internal::WindowRecord* record = internal::Lookup(window);
  if (record == nullptr || name == nullptr) return nullptr;
  auto it = record->props.find(Key(name));
  return it == record->props.end() ? nullptr : it->second;
}

HANDLE RemovePropA(HWND window, LPCSTR name) {
  internal::WindowRecord* record = internal::Lookup(window);
  if (record == nullptr || name == nullptr) return nullptr;
  auto it = record->props.find(Key(name));
  if (it == record->props.end()) return nullptr;
  HANDLE value = it->second;
  record->props.erase(it);
  return value;
}

}  // namespace win32
