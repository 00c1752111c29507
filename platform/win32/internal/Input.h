#pragma once
// Inside the stand-in only: what a top-level window's peer does with Qt input — mouse and keys
// become WM_* messages to the window's children (the stand-in's own child windows) or to the
// window itself — and the caption drag that DefWindowProcA starts for WM_NCLBUTTONDOWN.

#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/win32/Window.h"

namespace win32::internal {

void RouteMouse(HWND topLevel, const QMouseEvent& event);
void RouteLeave(HWND topLevel);
void RouteKey(HWND topLevel, const QKeyEvent& event);

// Moves `topLevel` with the mouse while the left button is held: the platform's own move when it
// has one, otherwise the stand-in follows the mouse events until the button is released.
void BeginCaptionDrag(HWND topLevel);

}  // namespace win32::internal
