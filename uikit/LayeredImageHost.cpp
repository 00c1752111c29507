#include "uikit/LayeredImageHost.h"

#include <algorithm>

#include "platform/win32/Timer.h"
#include "platform/win32/Window.h"
#include "uikit/Compose.h"
#include "uikit/Decode.h"
#include "uikit/KitState.h"
#include "uikit/SkinnedControls.h"

namespace uikit {

namespace {

gdiplus::GpImage* BackImageOf(win32::HWND window) {
  return reinterpret_cast<gdiplus::GpImage*>(win32::GetPropA(window, kBackImageProperty));
}

// Remembers the window among those that show back images; windows that are gone are dropped.
void NoteBackImageWindow(win32::HWND window) {
  std::vector<win32::HWND>& windows = Kit().backImageWindows;
  std::erase_if(windows, [](win32::HWND w) { return !win32::IsWindow(w); });
  if (std::find(windows.begin(), windows.end(), window) == windows.end()) windows.push_back(window);
}

// A replaced back image that SetImageData decoded goes once no live window shows it any more.
void ReleaseIfUnused(gdiplus::GpImage* image) {
  KitState& kit = Kit();
  if (image == nullptr || !kit.kitBackImages.contains(image)) return;
  for (win32::HWND w : kit.backImageWindows) {
    if (win32::IsWindow(w) && BackImageOf(w) == image) return;
  }
  kit.kitBackImages.erase(image);
  DisposeImage(image);
}

}  // namespace

LayeredImageHost::~LayeredImageHost() = default;

std::unique_ptr<LayeredImageHost> LayeredImageHost::Copy() const {
  return std::make_unique<LayeredImageHost>(window_);
}

bool LayeredImageHost::Attach(win32::HWND window) {
  if (!win32::IsWindow(window)) return false;
  window_ = window;
  // Exactly the layered style: the window's picture comes from UpdateLayeredWindow alone.
  win32::SetWindowLongA(window_, win32::GWL_EXSTYLE, win32::WS_EX_LAYERED);
  win32::CreateCaret(window_, nullptr, 1, 12);
  if (win32::GetPropA(window_, kTimeProperty) != nullptr) return true;
  win32::SetTimer(window_, kBlinkTimerId, kBlinkPeriod, OnBlinkTimer);
  win32::SetPropA(window_, kTimeProperty, reinterpret_cast<win32::HANDLE>(kBlinkTimerId));
  return true;
}

bool LayeredImageHost::SetBackImage(gdiplus::GpImage* image) {
  if (!win32::IsWindow(window_) || image == nullptr) return false;
  gdiplus::GpImage* replaced = BackImageOf(window_);
  win32::SetPropA(window_, kBackImageProperty, reinterpret_cast<win32::HANDLE>(image));
  NoteBackImageWindow(window_);
  Compose(window_, nullptr, ComposeMode::Present);
  if (replaced != image) ReleaseIfUnused(replaced);
  return true;
}

bool LayeredImageHost::SetImageData(bytes::ByteBlockView block) {
  gdiplus::GpImage* image = DecodeImage(block);
  if (image == nullptr) return false;
  Kit().kitBackImages.insert(image);
  if (SetBackImage(image)) return true;
  // The window is gone: the image never became a back image.
  Kit().kitBackImages.erase(image);
  DisposeImage(image);
  return false;
}

void LayeredImageHost::SkinChildren() {
  if (!win32::IsWindow(window_)) return;
  for (win32::HWND child = win32::GetWindow(window_, win32::GW_CHILD); child != nullptr;
       child = win32::GetWindow(child, win32::GW_HWNDNEXT)) {
    HookSkinnedControl(child);
  }
  Compose(window_, nullptr, ComposeMode::Present);
}

void LayeredImageHost::SetBounds(std::optional<int> x, std::optional<int> y,
                                 std::optional<int> width, std::optional<int> height,
                                 Redraw redraw) {
  win32::RECT rect{};
  win32::GetWindowRect(window_, &rect);
  win32::UINT flags = win32::SWP_NOZORDER;
  if (redraw == Redraw::No) flags |= win32::SWP_NOREDRAW;
  if (!x && !y) flags |= win32::SWP_NOMOVE;
  if (!width && !height) flags |= win32::SWP_NOSIZE;
  win32::SetWindowPos(window_, nullptr, x.value_or(rect.left), y.value_or(rect.top),
                      width.value_or(rect.right - rect.left),
                      height.value_or(rect.bottom - rect.top), flags);
}

win32::HWND LayeredImageHost::GetHandle() const {
  return window_;
}

bool LayeredImageHost::IsAlive() const {
  return win32::IsWindow(window_) == win32::TRUE;
}

win32::LRESULT LayeredImageHost::Send(win32::UINT message, win32::WPARAM wParam,
                                      win32::LPARAM lParam) {
  return win32::SendMessageA(window_, message, wParam, lParam);
}

}  // namespace uikit
