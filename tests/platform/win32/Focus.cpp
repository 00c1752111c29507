// SetFocus, GetFocus, SetCapture, ReleaseCapture, GetCapture.
#include "tests/platform/win32/Support.h"

namespace win32test {
namespace {

using Win32Focus = Win32Test;

std::vector<std::pair<HWND, UINT>> Sequence() {
  std::vector<std::pair<HWND, UINT>> order;
  for (const Recorded& r : Log()) order.emplace_back(r.window, r.message);
  return order;
}

TEST_F(Win32Focus, KillFocusToTheOldWindowThenSetFocusToTheNew) {
  HWND top = MakeWindow();
  HWND a = MakeChild(top, 0, 0, 5, 5);
  HWND b = MakeChild(top, 5, 0, 5, 5);
  SetFocus(nullptr);
  Log().clear();
  EXPECT_EQ(SetFocus(a), nullptr);
  EXPECT_EQ(GetFocus(), a);
  EXPECT_EQ(SetFocus(b), a);
  EXPECT_EQ(GetFocus(), b);
  const std::vector<std::pair<HWND, UINT>> expected = {
      {a, WM_SETFOCUS}, {a, WM_KILLFOCUS}, {b, WM_SETFOCUS}};
  EXPECT_EQ(Sequence(), expected);
  EXPECT_EQ(Find(a, WM_SETFOCUS)[0].wParam, 0u);  // nobody had it before
  EXPECT_EQ(Find(a, WM_KILLFOCUS)[0].wParam, reinterpret_cast<WPARAM>(b));
  EXPECT_EQ(Find(b, WM_SETFOCUS)[0].wParam, reinterpret_cast<WPARAM>(a));
}

TEST_F(Win32Focus, TheSameWindowAgainSendsNothing) {
  HWND w = MakeWindow();
  SetFocus(w);
  Log().clear();
  EXPECT_EQ(SetFocus(w), w);
  EXPECT_TRUE(Log().empty());
}

TEST_F(Win32Focus, NullRemovesTheFocus) {
  HWND w = MakeWindow();
  SetFocus(w);
  Log().clear();
  EXPECT_EQ(SetFocus(nullptr), w);
  EXPECT_EQ(GetFocus(), nullptr);
  ASSERT_EQ(MessagesOf(w), (std::vector<UINT>{WM_KILLFOCUS}));
  EXPECT_EQ(Find(w, WM_KILLFOCUS)[0].wParam, 0u);
}

TEST_F(Win32Focus, BadAndDisabledWindowsCannotTakeIt) {
  HWND top = MakeWindow();
  HWND child = MakeChild(top, 0, 0, 5, 5);
  HWND disabled = MakeChild(top, 0, 0, 5, 5, WS_VISIBLE | WS_DISABLED);
  SetFocus(top);
  Log().clear();
  SetLastError(0);
  EXPECT_EQ(SetFocus(reinterpret_cast<HWND>(0x10)), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_EQ(SetFocus(disabled), nullptr);
  EnableWindow(top, FALSE);  // takes the focus away
  EXPECT_EQ(GetFocus(), nullptr);
  // Inside a disabled window nothing can take it either.
  EXPECT_EQ(SetFocus(child), nullptr);
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_TRUE(Find(child, WM_SETFOCUS).empty());
}

TEST_F(Win32Focus, ADestroyedFocusWindowLeavesNoFocus) {
  HWND w = MakeWindow();
  HWND other = MakeWindow();
  SetFocus(w);
  DestroyWindow(w);
  EXPECT_EQ(GetFocus(), nullptr);
  Log().clear();
  EXPECT_EQ(SetFocus(other), nullptr);
  EXPECT_EQ(MessagesOf(other), (std::vector<UINT>{WM_SETFOCUS}));
}

TEST_F(Win32Focus, FocusMovedInsideKillFocusWins) {
  HWND a = MakeWindow();
  HWND b = MakeWindow();
  HWND c = MakeWindow();
  SetFocus(a);
  SetHook([&](HWND w, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (w == a && m == WM_KILLFOCUS) SetFocus(c);
    return std::nullopt;
  });
  SetFocus(b);
  EXPECT_EQ(GetFocus(), c);
  EXPECT_TRUE(Find(b, WM_SETFOCUS).empty());
}

TEST_F(Win32Focus, Capture) {
  HWND a = MakeWindow();
  HWND b = MakeWindow();
  ReleaseCapture();
  Log().clear();
  EXPECT_EQ(SetCapture(a), nullptr);
  EXPECT_EQ(GetCapture(), a);
  EXPECT_EQ(SetCapture(b), a);
  EXPECT_EQ(GetCapture(), b);
  ASSERT_EQ(Find(a, WM_CAPTURECHANGED).size(), 1u);
  EXPECT_EQ(Find(a, WM_CAPTURECHANGED)[0].lParam, reinterpret_cast<LPARAM>(b));
  EXPECT_EQ(SetCapture(b), b);  // the same window: no notice
  EXPECT_TRUE(Find(b, WM_CAPTURECHANGED).empty());
  EXPECT_TRUE(ReleaseCapture());
  EXPECT_EQ(GetCapture(), nullptr);
  ASSERT_EQ(Find(b, WM_CAPTURECHANGED).size(), 1u);
  EXPECT_EQ(Find(b, WM_CAPTURECHANGED)[0].lParam, 0);
  EXPECT_TRUE(ReleaseCapture());  // nothing to release is still success
  EXPECT_EQ(Find(b, WM_CAPTURECHANGED).size(), 1u);
}

TEST_F(Win32Focus, CaptureBadWindows) {
  HWND w = MakeWindow();
  SetCapture(w);
  EXPECT_EQ(SetCapture(nullptr), nullptr);
  EXPECT_EQ(SetCapture(reinterpret_cast<HWND>(0x10)), nullptr);
  EXPECT_EQ(GetCapture(), w);  // unchanged
  DestroyWindow(w);
  EXPECT_EQ(GetCapture(), nullptr);
}

}  // namespace
}  // namespace win32test
