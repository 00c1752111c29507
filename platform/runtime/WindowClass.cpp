#include "platform/runtime/internal/WindowClass.h"

#include "platform/runtime/internal/FormWindow.h"
#include "platform/runtime/internal/WindowSet.h"
#include "platform/win32/Window.h"

namespace runtime::internal {

namespace {

win32::LRESULT FormProcedure(win32::HWND handle, win32::UINT message, win32::WPARAM wParam,
                             win32::LPARAM lParam) {
  FormWindow* window = WindowSet::Instance().Find(handle);
  switch (message) {
    case win32::WM_TIMER:
      if (window != nullptr) {
        window->OnTimer(wParam);
        return 0;
      }
      break;
    case win32::WM_SIZE:
    case win32::WM_MOVE:
    case win32::WM_WINDOWPOSCHANGED:
      if (window != nullptr) window->FitClientArea();
      break;
    case win32::WM_KEYDOWN:
      if (wParam == win32::VK_ESCAPE && window != nullptr && window->EscCloses()) {
        window->RequestClose();
        return 0;
      }
      break;
    case win32::WM_DESTROY:
      WindowSet::Instance().Remove(handle);
      return 0;
    default:
      break;
  }
  return win32::DefWindowProcA(handle, message, wParam, lParam);
}

}  // namespace

bool RegisterFormClass() {
  const win32::HINSTANCE instance = win32::GetModuleHandleA(nullptr);
  win32::WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (win32::GetClassInfoExA(instance, kFormClassName, &existing)) return true;
  win32::WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = FormProcedure;
  wc.hInstance = instance;
  wc.hCursor = win32::LoadCursorA(nullptr, win32::IDC_ARROW);
  wc.lpszClassName = kFormClassName;
  return win32::RegisterClassExA(&wc) != 0;
}

}  // namespace runtime::internal
