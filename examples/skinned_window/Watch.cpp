#include "examples/skinned_window/Watch.h"

#include <cstdint>
#include <memory>
#include <string>

#include "examples/skinned_window/Controls.h"
#include "examples/skinned_window/Report.h"
#include "uikit/SkinnedControls.h"

namespace example {

namespace {

using namespace win32;

constexpr char kWatchProperty[] = "Example_Watch";

// What the watch last reported of its control; the control's property owns it until
// WM_NCDESTROY.
struct Watched {
  WNDPROC original{nullptr};
  std::string name;
  int state{uikit::kNormalState};
  std::string text;
};

Watched* WatchOf(HWND control) {
  return reinterpret_cast<Watched*>(GetPropA(control, kWatchProperty));
}

int DrawState(HWND control) {
  return int(reinterpret_cast<std::uintptr_t>(GetPropA(control, uikit::kDrawStateProperty)));
}

const char* StateName(int state) {
  switch (state) {
    case uikit::kHoverState:
      return "hover";
    case uikit::kPressedState:
      return "pressed";
    case uikit::kDisabledState:
      return "disabled";
    default:
      return "normal";
  }
}

// The messages after which the draw state or the text may be new. Reading the text sends
// messages of its own, so the watch looks only after these.
bool MayChange(UINT message) {
  switch (message) {
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_ENABLE:
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_SETTEXT:
    case WM_CUT:
    case WM_PASTE:
      return true;
    default:
      return false;
  }
}

void ReportChanges(HWND control, Watched& watched) {
  if (const int state = DrawState(control); state != watched.state) {
    watched.state = state;
    Report(watched.name + " state " + StateName(state));
  }
  if (std::string text = ControlText(control); text != watched.text) {
    watched.text = std::move(text);
    Report(watched.name + " text " + watched.text);
  }
}

LRESULT WatchProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  Watched* watched = WatchOf(control);
  if (watched == nullptr) return DefWindowProcA(control, message, wParam, lParam);
  if (message == WM_KEYDOWN && wParam == VK_ESCAPE) {
    // A focused control gets the keys; Esc closes the window whichever control has them.
    PostMessageA(GetParent(control), WM_CLOSE, 0, 0);
    return 0;
  }
  if (message == WM_NCDESTROY) {
    const std::unique_ptr<Watched> owned(watched);
    RemovePropA(control, kWatchProperty);
    return CallWindowProcA(owned->original, control, message, wParam, lParam);
  }
  // The kit has set the draw state already; the built-in control changes the text, and may end
  // the window (a click on the button), while it handles the message.
  if (MayChange(message)) ReportChanges(control, *watched);
  const LRESULT result = CallWindowProcA(watched->original, control, message, wParam, lParam);
  if (MayChange(message) && (watched = WatchOf(control)) != nullptr) {
    ReportChanges(control, *watched);
  }
  return result;
}

}  // namespace

void WatchControl(HWND control, const char* name) {
  auto watched = std::make_unique<Watched>();
  watched->original = reinterpret_cast<WNDPROC>(GetWindowLongA(control, GWL_WNDPROC));
  watched->name = name;
  watched->state = DrawState(control);
  watched->text = ControlText(control);
  if (watched->original == nullptr ||
      !SetPropA(control, kWatchProperty, reinterpret_cast<HANDLE>(watched.get()))) {
    return;
  }
  // The property owns the record from here until WM_NCDESTROY.
  static_cast<void>(watched.release());
  SetWindowLongA(control, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(WatchProc));
}

}  // namespace example
