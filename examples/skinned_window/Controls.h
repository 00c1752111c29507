#pragma once
// The example window's skinned child controls, made in the order of the layout table with their
// "PngControl_" properties set from the skin: a picture, a text box and a button. CreateControls
// gives false when a control cannot be made (those made so far go with the window).

#include <string>

#include "examples/skinned_window/Layout.h"
#include "examples/skinned_window/Skin.h"
#include "platform/win32/Window.h"

namespace example {

bool CreateControls(win32::HWND parent, const Skin& skin);
// The parent's child with the identifier, or null (a walk of the children, as GetDlgItem does).
win32::HWND ControlOf(win32::HWND parent, ControlId id);
// The window's text, as GBK bytes.
std::string ControlText(win32::HWND control);

}  // namespace example
