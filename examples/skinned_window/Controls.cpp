#include "examples/skinned_window/Controls.h"

#include <cstdint>

#include "examples/skinned_window/Watch.h"
#include "uikit/SkinnedControls.h"

namespace example {

namespace {

using namespace win32;

// The picture control's own class: it draws nothing itself (the kit draws it into the picture)
// and, made disabled, leaves the mouse to the window under it.
constexpr char kPictureClass[] = "ExamplePicture";

void SetValue(HWND control, const char* name, std::uintptr_t value) {
  SetPropA(control, name, reinterpret_cast<HANDLE>(value));
}
void SetImage(HWND control, const char* name, gdiplus::GpImage* image) {
  SetPropA(control, name, reinterpret_cast<HANDLE>(image));
}

bool RegisterPictureClass() {
  WNDCLASSEXA wc{};
  if (GetClassInfoExA(GetModuleHandleA(nullptr), kPictureClass, &wc)) return true;
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kPictureClass;
  return RegisterClassExA(&wc) != 0;
}

HWND MakeChild(HWND parent, const ControlRow& row, const char* className, DWORD style,
               const char* text) {
  return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, row.x, row.y, row.width,
                         row.height, parent, reinterpret_cast<HMENU>(INT_PTR(row.id)),
                         GetModuleHandleA(nullptr), nullptr);
}

bool MakePicture(HWND parent, const ControlRow& row, const Skin& skin) {
  HWND picture = MakeChild(parent, row, kPictureClass, WS_DISABLED, "");
  if (picture == nullptr) return false;
  SetValue(picture, uikit::kTypeProperty, uikit::kPictureControl);
  SetValue(picture, uikit::kBackTypeProperty, uikit::kFitBack);  // 128 x 128 into 72 x 72
  SetImage(picture, uikit::kControlImageProperty, skin.picture());
  return true;
}

bool MakeTextBox(HWND parent, const ControlRow& row, const Skin& skin) {
  HWND box = MakeChild(parent, row, "EDIT", WS_TABSTOP, "");
  if (box == nullptr) return false;
  SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(skin.textFont()), FALSE);
  SetValue(box, uikit::kTypeProperty, uikit::kTextBoxControl);
  SetValue(box, uikit::kBackColorProperty, RGB(246, 248, 252));
  SetValue(box, uikit::kBackAlphaProperty, 255);
  SetValue(box, uikit::kBorderColorProperty, RGB(111, 134, 173));
  SetValue(box, uikit::kBorderAlphaProperty, 255);
  SetValue(box, uikit::kTextColorProperty, RGB(20, 70, 200));
  WatchControl(box, row.name);
  return true;
}

bool MakeButton(HWND parent, const ControlRow& row, const Skin& skin) {
  HWND button = MakeChild(parent, row, "BUTTON", WS_TABSTOP, "Close");
  if (button == nullptr) return false;
  SetValue(button, uikit::kTypeProperty, uikit::kButtonControl);
  SetValue(button, uikit::kBackTypeProperty, uikit::kStretchBack);
  SetImage(button, uikit::kNormalImageProperty, skin.buttonNormal());
  SetImage(button, uikit::kHoverImageProperty, skin.buttonHover());
  SetImage(button, uikit::kPressedImageProperty, skin.buttonPressed());
  SetImage(button, uikit::kDisabledImageProperty, skin.buttonDisabled());
  WatchControl(button, row.name);
  return true;
}

}  // namespace

bool CreateControls(HWND parent, const Skin& skin) {
  if (!RegisterPictureClass()) return false;
  for (const ControlRow& row : kControls) {
    bool made = false;
    switch (row.id) {
      case ControlId::Picture:
        made = MakePicture(parent, row, skin);
        break;
      case ControlId::TextBox:
        made = MakeTextBox(parent, row, skin);
        break;
      case ControlId::CloseButton:
        made = MakeButton(parent, row, skin);
        break;
    }
    if (!made) return false;
  }
  return true;
}

HWND ControlOf(HWND parent, ControlId id) {
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetWindowLongA(child, GWL_ID) == LONG_PTR(id)) return child;
  }
  return nullptr;
}

std::string ControlText(HWND control) {
  std::string text(std::size_t(GetWindowTextLengthA(control)) + 1, '\0');
  text.resize(std::size_t(GetWindowTextA(control, text.data(), int(text.size()))));
  return text;
}

}  // namespace example
