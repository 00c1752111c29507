#pragma once
// Skinned child controls: child windows of a host whose look comes from their "PngControl_"
// properties. The kit hooks them with its window procedures and draws them into the host's canvas;
// a missing image, font or property leaves that part undrawn.

#include "platform/gdiplus/Gdiplus.h"
#include "platform/win32/Types.h"

namespace uikit {

inline constexpr char kTypeProperty[] = "PngControl_Type";

// Gives one child of the host the kit's procedure for its type (once).
void HookSkinnedControl(win32::HWND child);
// Draws one skinned control into the canvas that `graphics` draws on.
void DrawSkinnedControl(win32::HWND host, win32::HWND control, gdiplus::GpGraphics* graphics);

}  // namespace uikit
