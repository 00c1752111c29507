#include "uikit/LoadDialog.h"

#include "platform/gdiplus/Gdiplus.h"
#include "platform/win32/Kernel.h"
#include "platform/win32/Memory.h"
#include "platform/win32/Window.h"

namespace uikit {

void RegisterLoadDialogClass() {
  win32::WNDCLASSEXA wc{};
  wc.cbSize = sizeof(win32::WNDCLASSEXA);
  wc.style = win32::CS_HREDRAW | win32::CS_VREDRAW;
  wc.lpfnWndProc = LoadDialogProc;
  wc.cbClsExtra = 0;
  wc.cbWndExtra = 0;
  wc.hInstance = win32::GetModuleHandleA(nullptr);
  wc.hIcon = nullptr;
  wc.hCursor = win32::LoadCursorA(nullptr, win32::IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<win32::HBRUSH>(win32::INT_PTR{win32::COLOR_BTNFACE + 1});
  wc.lpszMenuName = nullptr;
  wc.lpszClassName = kLoadDialogClass;
  wc.hIconSm = nullptr;
  win32::RegisterClassExA(&wc);
}

win32::LRESULT LoadDialogProc(win32::HWND window, win32::UINT message, win32::WPARAM wParam,
                              win32::LPARAM lParam) {
  if (message == win32::WM_DESTROY) {
    // The thread may still be drawing the picture, and the picture may still read its bytes:
    // thread first, then the picture, then its memory.
    if (win32::HANDLE thread = win32::GetPropA(window, kThreadProperty)) {
      win32::TerminateThread(thread, 0);
      win32::CloseHandle(thread);
    }
    if (win32::HANDLE image = win32::GetPropA(window, kImageProperty)) {
      gdiplus::GdipDisposeImage(reinterpret_cast<gdiplus::GpImage*>(image));
    }
    if (win32::HANDLE memory = win32::GetPropA(window, kStreamProperty)) {
      win32::GlobalFree(reinterpret_cast<win32::HGLOBAL>(memory));
    }
    return win32::DefWindowProcA(window, message, wParam, lParam);
  }
  if (message == win32::WM_LBUTTONDOWN) {
    const win32::LRESULT result = win32::DefWindowProcA(window, message, wParam, lParam);
    if (reinterpret_cast<win32::UINT_PTR>(win32::GetPropA(window, kHitMoveProperty)) == 1) {
      // As if the caption had been grabbed: the system moves the window with the mouse.
      win32::ReleaseCapture();
      win32::SendMessageA(window, win32::WM_NCLBUTTONDOWN, win32::HTCAPTION, 0);
    }
    return result;
  }
  return win32::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace uikit
