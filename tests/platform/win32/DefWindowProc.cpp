// DefWindowProcA: text, font, closing, WM_IME_CHAR and the caption drag.
#include <QTest>
#include <QWidget>
#include <cstring>

#include "platform/win32/internal/Peer.h"
#include "tests/platform/win32/Support.h"

namespace win32test {
namespace {

using Win32DefaultProcedure = Win32Test;

TEST_F(Win32DefaultProcedure, TextMessages) {
  HWND w = MakeWindow();
  EXPECT_EQ(DefWindowProcA(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("weapon")), TRUE);
  EXPECT_EQ(DefWindowProcA(w, WM_GETTEXTLENGTH, 0, 0), 6);
  char buffer[8];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(DefWindowProcA(w, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 0);
  EXPECT_EQ(buffer[0], 'x');  // a zero size writes nothing
  EXPECT_EQ(DefWindowProcA(w, WM_GETTEXT, 4, reinterpret_cast<LPARAM>(buffer)), 3);
  EXPECT_STREQ(buffer, "wea");
  EXPECT_EQ(DefWindowProcA(w, WM_GETTEXT, 4, 0), 0);
  EXPECT_EQ(DefWindowProcA(w, WM_SETTEXT, 0, 0), TRUE);
  EXPECT_EQ(DefWindowProcA(w, WM_GETTEXTLENGTH, 0, 0), 0);
}

TEST_F(Win32DefaultProcedure, FontIsKeptPerWindow) {
  HWND a = MakeWindow();
  HWND b = MakeWindow();
  EXPECT_EQ(SendMessageA(a, WM_GETFONT, 0, 0), 0);
  const HFONT font = reinterpret_cast<HFONT>(0x4242);
  EXPECT_EQ(SendMessageA(a, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE), 0);
  EXPECT_EQ(SendMessageA(a, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(font));
  EXPECT_EQ(SendMessageA(b, WM_GETFONT, 0, 0), 0);
}

TEST_F(Win32DefaultProcedure, CloseDestroysTheWindow) {
  HWND w = MakeWindow();
  EXPECT_EQ(SendMessageA(w, WM_CLOSE, 0, 0), 0);
  EXPECT_FALSE(IsWindow(w));
  EXPECT_EQ(MessagesOf(w).back(), WM_NCDESTROY);
}

TEST_F(Win32DefaultProcedure, NcCreateSetsTheTextOnlyThroughTheDefaultProcedure) {
  SetHook([](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_NCCREATE) return LRESULT(TRUE);  // answered without DefWindowProcA
    return std::nullopt;
  });
  HWND w = CreateWindowExA(0, kClass, "ignored", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                           nullptr);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(GetWindowTextLengthA(w), 0);
}

TEST_F(Win32DefaultProcedure, ImeCharBecomesTwoCharsLeadByteFirst) {
  HWND w = MakeWindow();
  Log().clear();
  DefWindowProcA(w, WM_IME_CHAR, 0xC4E3, 1);  // "你"
  DefWindowProcA(w, WM_IME_CHAR, 'a', 1);
  const std::vector<Recorded> chars = Find(w, WM_CHAR);
  ASSERT_EQ(chars.size(), 3u);
  EXPECT_EQ(chars[0].wParam, 0xC4u);
  EXPECT_EQ(chars[1].wParam, 0xE3u);
  EXPECT_EQ(chars[2].wParam, WPARAM('a'));
}

TEST_F(Win32DefaultProcedure, HitTest) {
  HWND w = MakeWindow(WS_POPUP, 0, 10, 10, 20, 20);
  EXPECT_EQ(DefWindowProcA(w, WM_NCHITTEST, 0, MAKELPARAM(15, 15)), HTCLIENT);
  EXPECT_EQ(DefWindowProcA(w, WM_NCHITTEST, 0, MAKELPARAM(30, 15)), HTNOWHERE);
}

TEST_F(Win32DefaultProcedure, BadWindow) {
  SetLastError(0);
  EXPECT_EQ(DefWindowProcA(nullptr, WM_GETTEXTLENGTH, 0, 0), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
}

TEST_F(Win32DefaultProcedure, CaptionDragFollowsTheMouseWhileTheButtonIsHeld) {
  HWND w = MakeWindow(WS_POPUP | WS_VISIBLE, 0, 100, 100, 200, 150);
  Pump();
  QWidget* peer = internal::PeerOf(w);
  QTest::mousePress(peer, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  // What the loading dialog does on WM_LBUTTONDOWN.
  ReleaseCapture();
  SendMessageA(w, WM_NCLBUTTONDOWN, WPARAM(HTCAPTION), 0);
  // Offscreen has no system move, so the stand-in follows the mouse itself.
  QTest::mouseMove(peer, QPoint(30, 40));
  RECT r{};
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, 120);
  EXPECT_EQ(r.top, 130);
  EXPECT_EQ(r.right - r.left, 200);
  Pump();
  QTest::mouseRelease(peer, Qt::LeftButton, Qt::NoModifier, QPoint(30, 40));
  // Released: further moves leave the window where it is.
  QTest::mouseMove(peer, QPoint(60, 60));
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, 120);
  EXPECT_EQ(r.top, 130);
}

TEST_F(Win32DefaultProcedure, CaptionDragEndsWithTheWindow) {
  HWND w = MakeWindow(WS_POPUP | WS_VISIBLE, 0, 100, 100, 200, 150);
  Pump();
  QWidget* peer = internal::PeerOf(w);
  QTest::mousePress(peer, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  SendMessageA(w, WM_NCLBUTTONDOWN, WPARAM(HTCAPTION), 0);
  HWND other = MakeWindow(WS_POPUP | WS_VISIBLE, 0, 0, 0, 50, 50);
  DestroyWindow(w);
  QTest::mouseMove(internal::PeerOf(other), QPoint(20, 20));
  RECT r{};
  GetWindowRect(other, &r);
  EXPECT_EQ(r.left, 0);
  QTest::mouseRelease(internal::PeerOf(other), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
}

}  // namespace
}  // namespace win32test
