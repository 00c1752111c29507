#pragma once
// The example window's size and the table of its skinned controls, one row each, in the window's
// client coordinates (for a window without a frame, the same as its picture's). The controls are
// made in the order of the rows, which so is their order from the top of the Z order.

namespace example {

inline constexpr int kWindowWidth = 360;
inline constexpr int kWindowHeight = 220;

// Control identifiers, as WM_COMMAND carries them.
enum class ControlId : int { Picture = 10, TextBox = 11, CloseButton = 12 };

struct ControlRow {
  ControlId id;
  const char* name;  // as the example reports it
  int x;
  int y;
  int width;
  int height;
};

inline constexpr ControlRow kControls[] = {
    {ControlId::Picture, "picture", 24, 52, 72, 72},
    {ControlId::TextBox, "textbox", 112, 70, 224, 30},
    {ControlId::CloseButton, "button", 216, 160, 120, 36},
};

}  // namespace example
