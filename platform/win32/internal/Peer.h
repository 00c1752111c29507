#pragma once
// Inside the stand-in only (the window runtime and the tests use it; the kit never does): the
// on-screen peer of a top-level window. The peer is a Qt widget that the window table creates
// with the window and deletes with it; it shows the window's frame style, place, size, z-band and,
// for a layered window, the picture last handed to UpdateLayeredWindow. A peer is deleted (with
// every child widget put into it) after its window is destroyed, once the running Qt event
// handler has returned; peers still alive when the Qt application is destroyed are deleted then.

#include "platform/win32/Types.h"

class QWidget;
class QImage;

namespace win32::internal {

// The peer of a top-level window, or null for a child window or a handle that is no window.
QWidget* PeerOf(HWND window);
// The window whose peer the widget is (or contains), or null.
HWND WindowOfPeer(const QWidget* widget);
// The premultiplied ARGB picture last presented on a layered window; null when none was.
const QImage* PresentedPicture(HWND window);

}  // namespace win32::internal
