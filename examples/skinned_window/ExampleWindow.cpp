#include "examples/skinned_window/ExampleWindow.h"

#include <string>

#include "examples/skinned_window/Controls.h"
#include "examples/skinned_window/Layout.h"
#include "examples/skinned_window/Report.h"
#include "uikit/Kit.h"

namespace example {

namespace {

using namespace win32;

constexpr char kClassName[] = "KitExampleWindow";
constexpr char kTitle[] = "Kit example";

LRESULT ExampleWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == WORD(ControlId::CloseButton) && HIWORD(wParam) == BN_CLICKED) {
        Report("clicked");
        DestroyWindow(window);
      }
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_ESCAPE) DestroyWindow(window);
      return 0;
    case WM_LBUTTONDOWN:
      // Without a caption, the window is moved by dragging its back picture.
      ReleaseCapture();
      SendMessageA(window, WM_NCLBUTTONDOWN, WPARAM(HTCAPTION), 0);
      return 0;
    case WM_DESTROY:
      // The controls are still there while their parent hears of its end.
      Report("final text " + ControlText(ControlOf(window, ControlId::TextBox)));
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

bool RegisterWindowClass() {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = ExampleWindowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = kClassName;
  return RegisterClassExA(&wc) != 0;
}

// Each control's place in the window's client coordinates, as the window has it.
void ReportPlaces(HWND window) {
  for (const ControlRow& row : kControls) {
    RECT r{};
    GetWindowRect(ControlOf(window, row.id), &r);
    POINT corner{r.left, r.top};
    ScreenToClient(window, &corner);
    Report("place " + std::string(row.name) + " " + std::to_string(corner.x) + " " +
           std::to_string(corner.y) + " " + std::to_string(r.right - r.left) + " " +
           std::to_string(r.bottom - r.top));
  }
}

}  // namespace

void WindowRelease::operator()(HWND window) const {
  if (IsWindow(window)) DestroyWindow(window);
}

OwnedWindow CreateExampleWindow(const Skin& skin) {
  if (!RegisterWindowClass()) return nullptr;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - kWindowWidth) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - kWindowHeight) / 2;
  OwnedWindow window(CreateWindowExA(0, kClassName, kTitle, WS_POPUP, x, y, kWindowWidth,
                                     kWindowHeight, nullptr, nullptr, GetModuleHandleA(nullptr),
                                     nullptr));
  if (!window) return nullptr;
  // Layered before it is shown; the controls are hooked once they all exist.
  uikit::LayeredImageHost* host = uikit::Host();
  if (!host->Attach(window.get()) || !host->SetImageData(skin.backPicture()) ||
      !CreateControls(window.get(), skin)) {
    return nullptr;
  }
  host->SkinChildren();
  ShowWindow(window.get(), SW_SHOW);
  ReportPlaces(window.get());
  Report("ready");
  return window;
}

}  // namespace example
