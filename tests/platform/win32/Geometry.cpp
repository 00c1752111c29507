// GetWindowRect, GetClientRect, SetWindowPos, MoveWindow, ScreenToClient, ClientToScreen,
// GetSystemMetrics, and the peer's placement.
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "platform/win32/internal/Peer.h"
#include "tests/platform/win32/Support.h"

namespace win32test {
namespace {

using Win32Geometry = Win32Test;

RECT RectOf(HWND w) {
  RECT r{-1, -1, -1, -1};
  EXPECT_TRUE(GetWindowRect(w, &r));
  return r;
}

RECT ClientOf(HWND w) {
  RECT r{-1, -1, -1, -1};
  EXPECT_TRUE(GetClientRect(w, &r));
  return r;
}

// The frame the platform puts around the peer's client area.
QMargins FrameOf(QWidget* peer) {
  const QRect f = peer->frameGeometry();
  const QRect g = peer->geometry();
  return QMargins(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(),
                  f.bottom() - g.bottom());
}

TEST_F(Win32Geometry, TheOuterRectangleIsKeptExactly) {
  HWND popup = MakeWindow(WS_POPUP, 0, -50, 30, 389, 463);
  EXPECT_EQ(RectOf(popup), (RECT{-50, 30, 339, 493}));
  EXPECT_EQ(ClientOf(popup), (RECT{0, 0, 389, 463}));
  HWND framed =
      MakeWindow(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE, 0, 10, 20, 389, 463);
  Pump();
  EXPECT_EQ(RectOf(framed), (RECT{10, 20, 399, 483}));
}

TEST_F(Win32Geometry, AFramedPeersClientAreaIsTheOuterRectangleLessTheFrame) {
  HWND w = MakeWindow(WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 0, 10, 20, 300, 200);
  Pump();
  QWidget* peer = internal::PeerOf(w);
  const QMargins frame = FrameOf(peer);
  EXPECT_EQ(peer->geometry(), QRect(10, 20, 300, 200).marginsRemoved(frame));
  EXPECT_EQ(peer->frameGeometry(), QRect(10, 20, 300, 200));
  EXPECT_EQ(ClientOf(w),
            (RECT{0, 0, 300 - frame.left() - frame.right(), 200 - frame.top() - frame.bottom()}));
  POINT origin{0, 0};
  ClientToScreen(w, &origin);
  EXPECT_EQ(origin.x, 10 + frame.left());
  EXPECT_EQ(origin.y, 20 + frame.top());
}

TEST_F(Win32Geometry, AFramelessPeerIsTheOuterRectangle) {
  HWND w = MakeWindow(WS_POPUP | WS_VISIBLE, 0, 40, 50, 60, 70);
  Pump();
  EXPECT_EQ(internal::PeerOf(w)->geometry(), QRect(40, 50, 60, 70));
}

TEST_F(Win32Geometry, ChildRectanglesAreRelativeToTheParentsClientArea) {
  HWND parent = MakeWindow(WS_POPUP, 0, 100, 200, 300, 300);
  HWND child = MakeChild(parent, 10, 20, 30, 40);
  HWND grandchild = MakeChild(child, 1, 2, 3, 4);
  EXPECT_EQ(RectOf(child), (RECT{110, 220, 140, 260}));
  EXPECT_EQ(RectOf(grandchild), (RECT{111, 222, 114, 226}));
  EXPECT_EQ(ClientOf(child), (RECT{0, 0, 30, 40}));
  SetWindowPos(parent, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_EQ(RectOf(grandchild), (RECT{11, 22, 14, 26}));
}

TEST_F(Win32Geometry, SetWindowPosFlags) {
  struct Case {
    UINT flags;
    RECT expected;
  };
  const Case cases[] = {
      {SWP_NOZORDER, {5, 6, 12, 14}},
      {SWP_NOZORDER | SWP_NOMOVE, {100, 120, 107, 128}},
      {SWP_NOZORDER | SWP_NOSIZE, {5, 6, 205, 156}},
      {SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE, {100, 120, 300, 270}},
      {SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE, {5, 6, 12, 14}},
  };
  for (const Case& c : cases) {
    HWND w = MakeWindow();
    EXPECT_TRUE(SetWindowPos(w, nullptr, 5, 6, 7, 8, c.flags));
    EXPECT_EQ(RectOf(w), c.expected) << c.flags;
    DestroyWindow(w);
  }
}

TEST_F(Win32Geometry, NegativeSizesBecomeZero) {
  HWND w = MakeWindow();
  EXPECT_TRUE(SetWindowPos(w, nullptr, 1, 2, -6, -1, SWP_NOZORDER));
  EXPECT_EQ(RectOf(w), (RECT{1, 2, 1, 2}));
  EXPECT_EQ(ClientOf(w), (RECT{0, 0, 0, 0}));
}

TEST_F(Win32Geometry, SetWindowPosTellsTheWindowWhatChanged) {
  HWND parent = MakeWindow();
  HWND child = MakeChild(parent, 1, 1, 10, 10);
  std::vector<WINDOWPOS> seen;
  SetHook([&](HWND, UINT m, WPARAM, LPARAM lp) -> std::optional<LRESULT> {
    if (m == WM_WINDOWPOSCHANGED) seen.push_back(*reinterpret_cast<WINDOWPOS*>(lp));
    return std::nullopt;
  });
  Log().clear();
  SetWindowPos(child, nullptr, 3, 4, 10, 10, SWP_NOZORDER);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].hwnd, child);
  EXPECT_EQ(seen[0].x, 3);
  EXPECT_EQ(seen[0].y, 4);
  EXPECT_EQ(seen[0].cx, 10);
  EXPECT_EQ(seen[0].cy, 10);
  EXPECT_EQ(seen[0].flags, SWP_NOZORDER | SWP_NOSIZE);  // the size did not change
  // The default procedure answers with WM_MOVE (client origin in the parent) only.
  EXPECT_EQ(MessagesOf(child), (std::vector<UINT>{WM_WINDOWPOSCHANGED, WM_MOVE}));
  EXPECT_EQ(Find(child, WM_MOVE).at(0).lParam, MAKELPARAM(3, 4));
  Log().clear();
  MoveWindow(child, 3, 4, 20, 30, TRUE);
  EXPECT_EQ(MessagesOf(child), (std::vector<UINT>{WM_WINDOWPOSCHANGED, WM_SIZE}));
  EXPECT_EQ(Find(child, WM_SIZE).at(0).lParam, MAKELPARAM(20, 30));
  EXPECT_EQ(seen.back().flags, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

TEST_F(Win32Geometry, SetWindowPosBadArguments) {
  HWND w = MakeWindow();
  HWND gone = MakeWindow();
  DestroyWindow(gone);
  SetLastError(0);
  EXPECT_FALSE(SetWindowPos(gone, nullptr, 0, 0, 1, 1, SWP_NOZORDER));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  SetLastError(0);
  EXPECT_FALSE(SetWindowPos(w, gone, 0, 0, 1, 1, 0));  // insert after a window that is gone
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_EQ(RectOf(w), (RECT{100, 120, 300, 270}));              // nothing changed
  EXPECT_TRUE(SetWindowPos(w, gone, 0, 0, 1, 1, SWP_NOZORDER));  // ignored with SWP_NOZORDER
  EXPECT_FALSE(SetWindowPos(GetDesktopWindow(), nullptr, 0, 0, 1, 1, SWP_NOZORDER));
  EXPECT_FALSE(MoveWindow(gone, 0, 0, 1, 1, TRUE));
}

TEST_F(Win32Geometry, TopmostSwitchesTheBandWithoutRemappingThePeer) {
  HWND w = MakeWindow(WS_POPUP | WS_VISIBLE);
  Pump();
  QWidget* peer = internal::PeerOf(w);
  const QWindow* native = peer->windowHandle();
  ASSERT_NE(native, nullptr);
  const WId id = peer->winId();
  const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  EXPECT_TRUE(SetWindowPos(w, HWND_TOPMOST, 0, 0, 0, 0, flags));
  EXPECT_EQ(DWORD(GetWindowLongA(w, GWL_EXSTYLE)), WS_EX_TOPMOST);
  EXPECT_TRUE(native->flags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(peer->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(peer->windowHandle(), native);
  EXPECT_EQ(peer->winId(), id);
  EXPECT_TRUE(peer->isVisible());
  EXPECT_TRUE(SetWindowPos(w, HWND_NOTOPMOST, 0, 0, 0, 0, flags));
  EXPECT_EQ(GetWindowLongA(w, GWL_EXSTYLE), 0);
  EXPECT_FALSE(native->flags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(peer->winId(), id);
  EXPECT_TRUE(peer->isVisible());
  EXPECT_EQ(RectOf(w), (RECT{100, 120, 300, 270}));
}

TEST_F(Win32Geometry, TopmostMovesTheWindowIntoTheTopBand) {
  HWND a = MakeWindow();
  HWND b = MakeWindow();
  SetWindowPos(a, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(GetWindow(GetDesktopWindow(), GW_CHILD), a);
  // A normal window brought to the top stays below the topmost band.
  SetWindowPos(b, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(GetWindow(GetDesktopWindow(), GW_CHILD), a);
  SetWindowPos(a, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(GetWindow(GetDesktopWindow(), GW_CHILD), a);  // top of the normal band
  EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
}

TEST_F(Win32Geometry, ShowAndHideThroughSetWindowPos) {
  HWND w = MakeWindow();
  QWidget* peer = internal::PeerOf(w);
  const UINT keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER;
  EXPECT_TRUE(SetWindowPos(w, nullptr, 0, 0, 0, 0, keep | SWP_SHOWWINDOW | SWP_NOACTIVATE));
  EXPECT_TRUE(IsWindowVisible(w));
  EXPECT_TRUE(peer->isVisible());
  EXPECT_TRUE(SetWindowPos(w, nullptr, 0, 0, 0, 0, keep | SWP_HIDEWINDOW));
  EXPECT_FALSE(IsWindowVisible(w));
  EXPECT_FALSE(peer->isVisible());
}

TEST_F(Win32Geometry, FrameChangedKeepsTheOuterRectangleAndTheClientFillsIt) {
  HWND w = MakeWindow(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE, 0, 30, 40, 389, 463);
  Pump();
  QWidget* peer = internal::PeerOf(w);
  ASSERT_FALSE(peer->windowFlags() & Qt::FramelessWindowHint);
  // A new style shows only once the frame is said to have changed.
  SetWindowLongA(w, GWL_STYLE, LONG_PTR(LONG(WS_POPUP | WS_VISIBLE)));
  EXPECT_FALSE(peer->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(SetWindowPos(w, nullptr, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED));
  Pump();
  EXPECT_TRUE(peer->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(peer->isVisible());
  EXPECT_EQ(RectOf(w), (RECT{30, 40, 419, 503}));
  EXPECT_EQ(ClientOf(w), (RECT{0, 0, 389, 463}));
  EXPECT_EQ(peer->geometry(), QRect(30, 40, 389, 463));
}

TEST_F(Win32Geometry, AUserMoveOfThePeerMovesTheWindow) {
  HWND w = MakeWindow(WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 0, 10, 10, 200, 100);
  Pump();
  Log().clear();
  QWidget* peer = internal::PeerOf(w);
  peer->move(250, 260);  // as a window manager would: the frame's new place
  Pump();
  EXPECT_EQ(RectOf(w), (RECT{250, 260, 450, 360}));
  ASSERT_EQ(Find(w, WM_WINDOWPOSCHANGED).size(), 1u);
  EXPECT_EQ(Find(w, WM_MOVE).size(), 1u);
}

TEST_F(Win32Geometry, ShowingAHiddenFramedWindowKeepsItsRectangleAtEveryMoment) {
  // The platform reports the place the window was made at after the frame became known; that
  // late report is no user move.
  HWND w = MakeWindow(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 205, 168, 389, 463);
  ShowWindow(w, SW_SHOWNORMAL);
  EXPECT_EQ(RectOf(w), (RECT{205, 168, 594, 631}));
  for (int i = 0; i < 5; ++i) {
    Pump();
    EXPECT_EQ(RectOf(w), (RECT{205, 168, 594, 631})) << i;
  }
  EXPECT_EQ(internal::PeerOf(w)->frameGeometry(), QRect(205, 168, 389, 463));
}

TEST_F(Win32Geometry, AUserMoveBackToTheFirstPlaceCounts) {
  HWND w = MakeWindow(WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 0, 10, 10, 200, 100);
  Pump();
  QWidget* peer = internal::PeerOf(w);
  peer->move(300, 300);
  Pump();
  EXPECT_EQ(RectOf(w), (RECT{300, 300, 500, 400}));
  peer->move(10, 10);
  Pump();
  EXPECT_EQ(RectOf(w), (RECT{10, 10, 210, 110}));
}

TEST_F(Win32Geometry, ScreenAndClientCoordinates) {
  HWND parent = MakeWindow(WS_POPUP, 0, 100, 200, 50, 50);
  HWND child = MakeChild(parent, 5, 6, 10, 10);
  POINT p{120, 230};
  EXPECT_TRUE(ScreenToClient(child, &p));
  EXPECT_EQ(p.x, 15);
  EXPECT_EQ(p.y, 24);
  EXPECT_TRUE(ClientToScreen(child, &p));
  EXPECT_EQ(p.x, 120);
  EXPECT_EQ(p.y, 230);
  EXPECT_TRUE(ScreenToClient(parent, &p));
  EXPECT_EQ(p.x, 20);
  EXPECT_EQ(p.y, 30);
  EXPECT_FALSE(ScreenToClient(parent, nullptr));
  EXPECT_FALSE(ClientToScreen(parent, nullptr));
  DestroyWindow(parent);
  POINT untouched{7, 8};
  EXPECT_FALSE(ScreenToClient(parent, &untouched));
  EXPECT_FALSE(ClientToScreen(child, &untouched));
  EXPECT_EQ(untouched.x, 7);
  EXPECT_EQ(untouched.y, 8);
}

TEST_F(Win32Geometry, RectanglesBadArguments) {
  HWND w = MakeWindow();
  SetLastError(0);
  EXPECT_FALSE(GetWindowRect(w, nullptr));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_FALSE(GetClientRect(w, nullptr));
  RECT r{1, 2, 3, 4};
  EXPECT_FALSE(GetClientRect(nullptr, &r));
  EXPECT_EQ(r, (RECT{1, 2, 3, 4}));
}

TEST_F(Win32Geometry, SystemMetricsComeFromThePrimaryScreen) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), screen.width());
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), screen.height());
  EXPECT_GT(GetSystemMetrics(SM_CXSCREEN), 0);
  EXPECT_EQ(GetSystemMetrics(-1), 0);
  EXPECT_EQ(GetSystemMetrics(9999), 0);
}

TEST_F(Win32Geometry, DefaultPlaceForOverlappedWindowsOnly) {
  HWND overlapped = MakeWindow(WS_OVERLAPPED, 0, CW_USEDEFAULT, 5, CW_USEDEFAULT, 5);
  const RECT r = RectOf(overlapped);
  EXPECT_GT(r.right - r.left, 0);
  EXPECT_GT(r.bottom - r.top, 0);
  HWND popup = MakeWindow(WS_POPUP, 0, CW_USEDEFAULT, 5, CW_USEDEFAULT, 5);
  EXPECT_EQ(RectOf(popup), (RECT{0, 0, 0, 0}));
}

}  // namespace
}  // namespace win32test
