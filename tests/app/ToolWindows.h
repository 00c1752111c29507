#pragma once
// Qt-side helpers for the application shell's tests, kept out of the GBK-compiled test sources:
// the tool's top-level windows and what a layered window shows.

#include <functional>
#include <vector>

#include "platform/bytes/ByteBlock.h"
#include "platform/win32/Types.h"

namespace app::test {

// Every top-level window of the tool that has an on-screen peer, in no particular order.
std::vector<win32::HWND> ToolWindows();

// After `milliseconds` of the running message loop, sends every tool window but `keep` a close
// request, as its close box would.
void CloseOtherWindowsLater(win32::HWND keep, int milliseconds);

// Runs `action` once the message loop has run for `milliseconds`.
void RunLater(std::function<void()> action, int milliseconds);

// Whether the picture last presented on the layered window is exactly this PNG, premultiplied.
bool PresentedPictureIs(win32::HWND window, bytes::ByteBlockView png);

// Whether the window's peer, rendered as on screen, shows the presented picture (nothing of the
// window's own client area painted over it).
bool PeerShowsPresentedPicture(win32::HWND window);

}  // namespace app::test
