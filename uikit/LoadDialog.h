#pragma once
// The "VestaLoadDialog" window class: a window that owns a worker thread, a picture and the
// picture's memory (named by its properties) and releases all three when it is destroyed; it can
// be dragged by its client area. Registration failures are not reported.

#include "platform/win32/Types.h"

namespace uikit {

inline constexpr char kLoadDialogClass[] = "VestaLoadDialog";
inline constexpr char kThreadProperty[] = "Vesta_Thread";
inline constexpr char kImageProperty[] = "Vesta_Image";
inline constexpr char kStreamProperty[] = "Vesta_Stream";
inline constexpr char kHitMoveProperty[] = "VestaHitMove";

void RegisterLoadDialogClass();
win32::LRESULT LoadDialogProc(win32::HWND window, win32::UINT message, win32::WPARAM wParam,
                              win32::LPARAM lParam);

}  // namespace uikit
