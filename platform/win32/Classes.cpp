// Window classes: registration with every WNDCLASSEXA field kept, lookup, removal; the module
// handle and the standard cursors.
#include <algorithm>
#include <array>

#include "platform/win32/Kernel.h"
#include "platform/win32/Window.h"
#include "platform/win32/internal/WindowOps.h"

namespace win32 {

using internal::ClassRecord;
using internal::Gui;
using internal::State;

namespace {

constexpr std::size_t kMaxClassName = 255;

bool SameName(const ClassRecord& cls, LPCSTR name) {
  if (internal::IsAtomName(name)) return cls.atom == ATOM(reinterpret_cast<ULONG_PTR>(name));
  return internal::Folded(cls.name.c_str()) == internal::Folded(name);
}

HINSTANCE Normalised(HINSTANCE instance) {
  return instance == nullptr ? internal::ThisModule() : instance;
}

// A class the program registered itself (never a built-in one) for this instance.
std::vector<std::shared_ptr<ClassRecord>>::iterator FindLocal(State& state, LPCSTR name,
                                                              HINSTANCE instance) {
  return std::find_if(state.classes.begin(), state.classes.end(), [&](const auto& cls) {
    return !cls->system && cls->info.hInstance == Normalised(instance) && SameName(*cls, name);
  });
}

bool IsIntResource(LPCSTR name) {
  return reinterpret_cast<ULONG_PTR>(name) <= 0xFFFF;
}

}  // namespace

namespace internal {

HINSTANCE ThisModule() {
  return reinterpret_cast<HINSTANCE>(ULONG_PTR(0x400000));
}

std::shared_ptr<ClassRecord> FindClass(LPCSTR name, HINSTANCE instance) {
  State* state = Gui();
  if (state == nullptr || name == nullptr) return nullptr;
  auto local = FindLocal(*state, name, instance);
  if (local != state->classes.end()) return *local;
  for (bool system : {false, true}) {
    for (const auto& cls : state->classes) {
      if (cls->system == system && SameName(*cls, name)) return cls;
    }
  }
  return nullptr;
}

}  // namespace internal

ATOM RegisterClassExA(const WNDCLASSEXA* wc) {
  State* state = Gui();
  if (state == nullptr) return 0;
  if (wc == nullptr || wc->cbSize != sizeof(WNDCLASSEXA) || wc->lpszClassName == nullptr ||
      IsIntResource(wc->lpszClassName) || wc->lpfnWndProc == nullptr || wc->cbClsExtra < 0 ||
      wc->cbWndExtra < 0 || std::string_view(wc->lpszClassName).size() > kMaxClassName) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (FindLocal(*state, wc->lpszClassName, wc->hInstance) != state->classes.end()) {
    SetLastError(ERROR_CLASS_ALREADY_EXISTS);
    return 0;
  }
  auto cls = std::make_shared<ClassRecord>();
  cls->info = *wc;
  cls->info.hInstance = Normalised(wc->hInstance);
  cls->name = wc->lpszClassName;
  cls->info.lpszClassName = cls->name.c_str();
  if (wc->lpszMenuName != nullptr && !IsIntResource(wc->lpszMenuName)) {
    cls->menuName = wc->lpszMenuName;
    cls->info.lpszMenuName = cls->menuName.c_str();
  }
  cls->atom = state->nextAtom++;
  state->classes.push_back(cls);
  return cls->atom;
}

BOOL UnregisterClassA(LPCSTR className, HINSTANCE instance) {
  State* state = Gui();
  if (state == nullptr) return FALSE;
  if (className == nullptr) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  auto it = FindLocal(*state, className, instance);
  if (it == state->classes.end()) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  if ((*it)->windowCount > 0) {
    SetLastError(ERROR_CLASS_HAS_WINDOWS);
    return FALSE;
  }
  state->classes.erase(it);
  return TRUE;
}

BOOL GetClassInfoExA(HINSTANCE instance, LPCSTR className, WNDCLASSEXA* wc) {
  if (Gui() == nullptr) return FALSE;
  if (className == nullptr || wc == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::shared_ptr<ClassRecord> cls = internal::FindClass(className, instance);
  if (!cls) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  *wc = cls->info;
  return BOOL(cls->atom);
}

HMODULE GetModuleHandleA(LPCSTR moduleName) {
  if (moduleName == nullptr) return internal::ThisModule();
  SetLastError(ERROR_MOD_NOT_FOUND);
  return nullptr;
}

HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR cursorName) {
  // The standard cursors; the stand-in has no cursor resources of its own.
  static constexpr std::array<ULONG_PTR, 16> kStandard = {32512, 32513, 32514, 32515, 32516, 32640,
                                                          32641, 32642, 32643, 32644, 32645, 32646,
                                                          32648, 32649, 32650, 32651};
  State* state = Gui();
  if (state == nullptr) return nullptr;
  const auto id = reinterpret_cast<ULONG_PTR>(cursorName);
  if (instance != nullptr || !IsIntResource(cursorName) ||
      std::find(kStandard.begin(), kStandard.end(), id) == kStandard.end()) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  auto [it, added] = state->cursors.emplace(id, nullptr);
  if (added) it->second = internal::NewHandle<HCURSOR>();
  return it->second;
}

}  // namespace win32
