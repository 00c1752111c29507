// TrackMouseEvent with TME_LEAVE over the peer's input routing, GetCursorPos, SetCursorPos.
#include <QCursor>
#include <QTest>
#include <QWidget>

#include "platform/win32/internal/Peer.h"
#include "tests/platform/win32/Support.h"

namespace win32test {
namespace {

using Win32Mouse = Win32Test;

TRACKMOUSEEVENT Leave(HWND w) {
  return TRACKMOUSEEVENT{sizeof(TRACKMOUSEEVENT), TME_LEAVE, w, 0};
}

// A shown top-level window at (200, 200) with a child at (10, 10) of 40 x 20.
struct Scene {
  HWND top;
  HWND child;
  QWidget* peer;
};

Scene MakeScene() {
  Scene s{};
  s.top = MakeWindow(WS_POPUP | WS_VISIBLE, 0, 200, 200, 100, 80);
  s.child = MakeChild(s.top, 10, 10, 40, 20);
  s.peer = internal::PeerOf(s.top);
  EXPECT_TRUE(QTest::qWaitForWindowExposed(s.peer));
  return s;
}

TEST_F(Win32Mouse, OneLeaveWhenTheMouseLeavesTheTrackedChild) {
  Scene s = MakeScene();
  QTest::mouseMove(s.peer, QPoint(20, 15));
  ASSERT_FALSE(Find(s.child, WM_MOUSEMOVE).empty());
  EXPECT_EQ(Find(s.child, WM_MOUSEMOVE).back().lParam, MAKELPARAM(10, 5));
  TRACKMOUSEEVENT track = Leave(s.child);
  EXPECT_TRUE(TrackMouseEvent(&track));
  QTest::mouseMove(s.peer, QPoint(30, 18));  // still over it
  Pump();
  EXPECT_TRUE(Find(s.child, WM_MOUSELEAVE).empty());
  QTest::mouseMove(s.peer, QPoint(70, 60));  // over the parent now
  EXPECT_EQ(Find(s.child, WM_MOUSELEAVE).size(), 1u);
  QTest::mouseMove(s.peer, QPoint(80, 70));
  QTest::mouseMove(s.peer, QPoint(20, 15));
  QTest::mouseMove(s.peer, QPoint(70, 60));
  Pump();
  EXPECT_EQ(Find(s.child, WM_MOUSELEAVE).size(), 1u);  // one per TrackMouseEvent
}

TEST_F(Win32Mouse, LeavingThePeerEndsTheTracking) {
  Scene s = MakeScene();
  QTest::mouseMove(s.peer, QPoint(20, 15));
  TRACKMOUSEEVENT track = Leave(s.child);
  TrackMouseEvent(&track);
  QCursor::setPos(5, 5);  // outside every window
  Pump();
  EXPECT_EQ(Find(s.child, WM_MOUSELEAVE).size(), 1u);
}

TEST_F(Win32Mouse, MovingOntoAChildLeavesTheParent) {
  Scene s = MakeScene();
  QTest::mouseMove(s.peer, QPoint(70, 60));
  TRACKMOUSEEVENT track = Leave(s.top);
  EXPECT_TRUE(TrackMouseEvent(&track));
  QTest::mouseMove(s.peer, QPoint(20, 15));
  EXPECT_EQ(Find(s.top, WM_MOUSELEAVE).size(), 1u);
}

TEST_F(Win32Mouse, TrackingAWindowTheMouseIsNotOverLeavesAtOnce) {
  Scene s = MakeScene();
  QTest::mouseMove(s.peer, QPoint(70, 60));
  TRACKMOUSEEVENT track = Leave(s.child);
  EXPECT_TRUE(TrackMouseEvent(&track));
  EXPECT_TRUE(Find(s.child, WM_MOUSELEAVE).empty());  // posted, not sent
  Pump();
  EXPECT_EQ(Find(s.child, WM_MOUSELEAVE).size(), 1u);
}

TEST_F(Win32Mouse, QueryAndCancel) {
  Scene s = MakeScene();
  QTest::mouseMove(s.peer, QPoint(20, 15));
  TRACKMOUSEEVENT track = Leave(s.child);
  TrackMouseEvent(&track);
  TRACKMOUSEEVENT query{sizeof(TRACKMOUSEEVENT), TME_QUERY, nullptr, 0xdeadbeef};
  EXPECT_TRUE(TrackMouseEvent(&query));
  EXPECT_EQ(query.dwFlags, TME_LEAVE);
  EXPECT_EQ(query.hwndTrack, s.child);
  EXPECT_EQ(query.dwHoverTime, 0u);
  TRACKMOUSEEVENT cancel{sizeof(TRACKMOUSEEVENT), TME_LEAVE | TME_CANCEL, s.child, 0};
  EXPECT_TRUE(TrackMouseEvent(&cancel));
  QTest::mouseMove(s.peer, QPoint(70, 60));
  Pump();
  EXPECT_TRUE(Find(s.child, WM_MOUSELEAVE).empty());
  query = TRACKMOUSEEVENT{sizeof(TRACKMOUSEEVENT), TME_QUERY, s.top, 5};
  TrackMouseEvent(&query);
  EXPECT_EQ(query.dwFlags, 0u);
  EXPECT_EQ(query.hwndTrack, nullptr);
}

TEST_F(Win32Mouse, ATrackedWindowThatIsDestroyedHearsNothing) {
  Scene s = MakeScene();
  QTest::mouseMove(s.peer, QPoint(20, 15));
  TRACKMOUSEEVENT track = Leave(s.child);
  TrackMouseEvent(&track);
  DestroyWindow(s.child);
  QTest::mouseMove(s.peer, QPoint(70, 60));
  Pump();
  EXPECT_TRUE(Find(s.child, WM_MOUSELEAVE).empty());
  TRACKMOUSEEVENT query{sizeof(TRACKMOUSEEVENT), TME_QUERY, nullptr, 0};
  TrackMouseEvent(&query);
  EXPECT_EQ(query.hwndTrack, nullptr);
}

TEST_F(Win32Mouse, TrackMouseEventBadArguments) {
  HWND w = MakeWindow();
  SetLastError(0);
  EXPECT_FALSE(TrackMouseEvent(nullptr));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  // 16 is the structure's size in a 32-bit process; built for x86-64 it is 24.
  TRACKMOUSEEVENT small{16, TME_LEAVE, w, 0};
  SetLastError(0);
  EXPECT_FALSE(TrackMouseEvent(&small));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  TRACKMOUSEEVENT gone = Leave(reinterpret_cast<HWND>(0x10));
  SetLastError(0);
  EXPECT_FALSE(TrackMouseEvent(&gone));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
}

TEST_F(Win32Mouse, CursorPosition) {
  EXPECT_TRUE(SetCursorPos(321, 123));
  POINT p{0xdead, 0xbeef};
  EXPECT_TRUE(GetCursorPos(&p));
  EXPECT_EQ(p.x, 321);
  EXPECT_EQ(p.y, 123);
  EXPECT_EQ(QCursor::pos(), QPoint(321, 123));
  EXPECT_FALSE(GetCursorPos(nullptr));
}

}  // namespace
}  // namespace win32test
