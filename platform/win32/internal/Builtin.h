#pragma once
// Inside the stand-in only: the built-in child window classes "BUTTON" and "EDIT", registered
// as system classes when the platform state is made.

#include "platform/win32/Window.h"

namespace win32::internal {

struct State;

void AddBuiltinClasses(State& state);

LRESULT ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace win32::internal
