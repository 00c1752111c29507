#pragma once
// The host's drawing routines, shared with the skinned controls: Compose builds a window's picture
// in a new canvas, Present puts a picture on the layered window (with the caret line if asked),
// OnBlinkTimer blinks the caret from the cached composite. Failures draw nothing.

#include "platform/gdiplus/Gdiplus.h"
#include "platform/win32/Types.h"

namespace uikit {

// What Compose does with its canvas: hand it to the caller, or present it on the window.
enum class ComposeMode { ReturnCanvas, Present };

// ReturnCanvas: the canvas is stored at `canvas` and is the caller's (nothing is stored when none
// could be made). Present: `canvas` is not written; the canvas is presented, then cached when the
// window is the caret host, disposed otherwise.
void Compose(win32::HWND window, gdiplus::GpImage** canvas, ComposeMode mode);
// Draws the image at its own size at the window's top-left corner; the rest stays transparent.
void Present(win32::HWND window, gdiplus::GpImage* image, bool caret);
void DrawCaret(win32::HWND window, win32::HWND control, gdiplus::GpGraphics* graphics);
// The blink timer's procedure (timer id 64).
void OnBlinkTimer(win32::HWND window, win32::UINT message, win32::UINT_PTR id, win32::DWORD time);
// A COLORREF (0x00BBGGRR) and an alpha joined into a GDI+ colour 0xAARRGGBB.
gdiplus::ARGB ToArgb(win32::COLORREF color, int alpha);

}  // namespace uikit
