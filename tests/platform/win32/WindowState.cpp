// ShowWindow, IsWindowVisible, EnableWindow, IsWindowEnabled.
#include <QWidget>

#include "platform/win32/internal/Peer.h"
#include "tests/platform/win32/Support.h"

namespace win32test {
namespace {

using Win32WindowState = Win32Test;

TEST_F(Win32WindowState, ShowWindowReturnsWhetherItWasVisible) {
  HWND w = MakeWindow();
  QWidget* peer = internal::PeerOf(w);
  Log().clear();
  EXPECT_FALSE(ShowWindow(w, SW_SHOW));
  EXPECT_TRUE(peer->isVisible());
  EXPECT_TRUE(ShowWindow(w, SW_SHOWNA));  // already visible: no second notice
  EXPECT_TRUE(ShowWindow(w, SW_HIDE));
  EXPECT_FALSE(peer->isVisible());
  EXPECT_FALSE(ShowWindow(w, SW_HIDE));
  const std::vector<Recorded> notices = Find(w, WM_SHOWWINDOW);
  ASSERT_EQ(notices.size(), 2u);
  EXPECT_EQ(notices[0].wParam, WPARAM(TRUE));
  EXPECT_EQ(notices[1].wParam, WPARAM(FALSE));
  SetLastError(0);
  EXPECT_FALSE(ShowWindow(w, 1234));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_FALSE(ShowWindow(nullptr, SW_SHOW));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
}

TEST_F(Win32WindowState, AChildIsVisibleOnlyWithAllItsAncestors) {
  HWND top = MakeWindow();
  HWND child = MakeChild(top, 0, 0, 5, 5, WS_VISIBLE);
  HWND grandchild = MakeChild(child, 0, 0, 2, 2, WS_VISIBLE);
  EXPECT_EQ(GetWindowLongA(grandchild, GWL_STYLE) & LONG_PTR(WS_VISIBLE), LONG_PTR(WS_VISIBLE));
  EXPECT_FALSE(IsWindowVisible(grandchild));  // its top-level window is hidden
  ShowWindow(top, SW_SHOWNA);
  EXPECT_TRUE(IsWindowVisible(grandchild));
  ShowWindow(child, SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(grandchild));
  EXPECT_TRUE(IsWindowVisible(top));
  EXPECT_FALSE(IsWindowVisible(nullptr));
}

TEST_F(Win32WindowState, EnableWindowReturnsWhetherItWasDisabled) {
  HWND w = MakeWindow();
  Log().clear();
  EXPECT_TRUE(IsWindowEnabled(w));
  EXPECT_FALSE(EnableWindow(w, TRUE));  // enabled already: no notice
  EXPECT_FALSE(EnableWindow(w, FALSE));
  EXPECT_FALSE(IsWindowEnabled(w));
  EXPECT_EQ(DWORD(GetWindowLongA(w, GWL_STYLE)) & WS_DISABLED, WS_DISABLED);
  EXPECT_TRUE(EnableWindow(w, FALSE));
  EXPECT_TRUE(EnableWindow(w, 5));  // any non-zero value enables
  EXPECT_TRUE(IsWindowEnabled(w));
  const std::vector<Recorded> notices = Find(w, WM_ENABLE);
  ASSERT_EQ(notices.size(), 2u);
  EXPECT_EQ(notices[0].wParam, WPARAM(FALSE));
  EXPECT_EQ(notices[1].wParam, WPARAM(TRUE));
  EXPECT_FALSE(IsWindowEnabled(nullptr));
  EXPECT_FALSE(EnableWindow(nullptr, TRUE));
}

TEST_F(Win32WindowState, TheEnabledStateIsSetBeforeTheNotice) {
  HWND w = MakeWindow();
  BOOL during = TRUE;
  SetHook([&](HWND self, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_ENABLE) during = IsWindowEnabled(self);
    return std::nullopt;
  });
  EnableWindow(w, FALSE);
  EXPECT_FALSE(during);
}

TEST_F(Win32WindowState, DisablingTakesTheFocusAndTheCaptureAway) {
  HWND top = MakeWindow();
  HWND child = MakeChild(top, 0, 0, 5, 5);
  SetFocus(child);
  SetCapture(child);
  Log().clear();
  EnableWindow(top, FALSE);
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(MessagesOf(child), (std::vector<UINT>{WM_KILLFOCUS, WM_CAPTURECHANGED}));
  EXPECT_EQ(MessagesOf(top), (std::vector<UINT>{WM_ENABLE}));
}

TEST_F(Win32WindowState, ThePeerFollowsTheEnabledState) {
  HWND w = MakeWindow();
  QWidget* peer = internal::PeerOf(w);
  EnableWindow(w, FALSE);
  EXPECT_FALSE(peer->isEnabled());
  EnableWindow(w, TRUE);
  EXPECT_TRUE(peer->isEnabled());
  // The disabled bit set through the style long disables it too.
  SetWindowLongA(w, GWL_STYLE, LONG_PTR(LONG(WS_POPUP | WS_DISABLED)));
  EXPECT_FALSE(peer->isEnabled());
  EXPECT_FALSE(IsWindowEnabled(w));
}

}  // namespace
}  // namespace win32test
