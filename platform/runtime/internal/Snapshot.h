#pragma once
// A window's whole rectangle, frame included, as it is on screen now, as a 24-bit BMP file. The
// screen is read where the platform lets us; on Qt's offscreen platform the window's peer paints
// itself into the picture instead. Empty when the handle is no window.

#include "platform/bytes/ByteBlock.h"
#include "platform/win32/Types.h"

class QWidget;

namespace runtime::internal {

bytes::ByteBlock SnapshotOf(win32::HWND window, QWidget* peer);

}  // namespace runtime::internal
