// Registration of the built-in classes as system classes: found for every instance, never
// unregistered.
#include "platform/win32/internal/Builtin.h"
#include "platform/win32/internal/State.h"

namespace win32::internal {

namespace {

void AddSystemClass(State& state, const char* name, WNDPROC proc, UINT style, ATOM atom) {
  auto cls = std::make_shared<ClassRecord>();
  cls->name = name;
  cls->system = true;
  cls->atom = atom;
  cls->info.cbSize = sizeof(WNDCLASSEXA);
  cls->info.style = style;
  cls->info.lpfnWndProc = proc;
  cls->info.lpszClassName = cls->name.c_str();
  state.classes.push_back(cls);
}

}  // namespace

void AddBuiltinClasses(State& state) {
  AddSystemClass(state, "BUTTON", ButtonProc, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, 0xC001);
  AddSystemClass(state, "EDIT", EditProc, CS_DBLCLKS, 0xC002);
  state.nextAtom = 0xC003;
}

}  // namespace win32::internal
