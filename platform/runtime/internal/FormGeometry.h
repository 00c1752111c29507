#pragma once
// Where a window's parts lie inside its peer, and the clamps of written window places: left and
// top to -32627..32627, width and height to 0..32627. A handle that is no window gives empty
// rectangles.

#include <QRect>

#include "platform/win32/Types.h"

class QWidget;

namespace runtime::internal {

inline constexpr int kPlaceLimit = 32627;

int ClampPlace(int value);  // left, top
int ClampSize(int value);   // width, height

// The window's rectangle in screen pixels, frame included.
QRect WindowRectOf(win32::HWND window);
// The client rectangle, and the whole window rectangle, in the peer's own coordinates.
QRect ClientAreaInPeer(win32::HWND window, const QWidget* peer);
QRect WindowAreaInPeer(win32::HWND window, const QWidget* peer);

}  // namespace runtime::internal
