#pragma once
// Skinned child controls: child windows of a host whose look comes from their "PngControl_"
// properties. The kit hooks them with its window procedures and draws them into the host's canvas;
// a missing image, font or property leaves that part undrawn. The images stay the application's.

#include "platform/gdiplus/Gdiplus.h"
#include "platform/win32/Types.h"

namespace uikit {

// The properties of a skinned control, as the application and the kit set them.
inline constexpr char kTypeProperty[] = "PngControl_Type";
inline constexpr char kBackTypeProperty[] = "PngControl_BackType";
inline constexpr char kControlImageProperty[] = "PngControl_BackImage";
inline constexpr char kNormalImageProperty[] = "PngControl_NormalImage";
inline constexpr char kHoverImageProperty[] = "PngControl_OverlImage";
inline constexpr char kPressedImageProperty[] = "PngControl_DownImage";
inline constexpr char kDisabledImageProperty[] = "PngControl_DisableImage";
inline constexpr char kBackColorProperty[] = "PngControl_BackColor";
inline constexpr char kBackAlphaProperty[] = "PngControl_BackAlpha";
inline constexpr char kBorderColorProperty[] = "PngControl_OrderColor";
inline constexpr char kBorderAlphaProperty[] = "PngControl_OrderAlpha";
inline constexpr char kTextColorProperty[] = "PngControl_TextColor";
inline constexpr char kDrawStateProperty[] = "Vesta_DrawState";
inline constexpr char kChildWndProcProperty[] = "PngControl_ChildWndProc";
inline constexpr char kWndProcProperty[] = "PngControl_WndProc";

// "PngControl_Type" values the kit draws; other non-zero values are skinned but draw nothing.
inline constexpr int kPictureControl = 2;
inline constexpr int kButtonControl = 3;
inline constexpr int kTextBoxControl = 4;

// "PngControl_BackType" values; any other value draws the image at its natural size.
inline constexpr int kStretchBack = 1;
inline constexpr int kFitBack = 2;

// A button's "Vesta_DrawState".
inline constexpr int kNormalState = 0;
inline constexpr int kHoverState = 1;
inline constexpr int kPressedState = 2;
inline constexpr int kDisabledState = 3;

// "PngControl_BackColor" or "PngControl_OrderColor" of all 32 bits set: no fill, no border.
inline constexpr win32::DWORD kNoColor = 0xFFFFFFFF;

// One child of the host as SkinChildren visits it: an outside procedure in "PngControl_WndProc"
// is put back first; then a button or text box not yet hooked gets the kit's procedure.
void HookSkinnedControl(win32::HWND child);
// Keeps a button's draw state from the mouse and enabled state, recomposing the host each time.
win32::LRESULT ButtonProc(win32::HWND control, win32::UINT message, win32::WPARAM wParam,
                          win32::LPARAM lParam);
// Recomposes the host after text and focus changes and hands the caret to the focused text box.
win32::LRESULT TextBoxProc(win32::HWND control, win32::UINT message, win32::WPARAM wParam,
                           win32::LPARAM lParam);
// Draws one skinned control into the host's canvas at its place in the host's client area.
void DrawSkinnedControl(win32::HWND host, win32::HWND control, gdiplus::GpGraphics* graphics);
// The button's image for a draw state; the normal image stands in for a missing one (null too).
gdiplus::GpImage* StateImage(win32::HWND control, int drawState);
// The size an image is drawn at to fit a box: never larger than the box nor the image.
win32::SIZE FitSize(int imageWidth, int imageHeight, int boxWidth, int boxHeight);

}  // namespace uikit
