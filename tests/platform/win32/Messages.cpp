// SetWindowLongA/GetWindowLongA, CallWindowProcA, SendMessageA, PostMessageA, PostQuitMessage.
#include <QCoreApplication>
#include <QTimer>
#include <thread>

#include "tests/platform/win32/Support.h"

namespace win32test {
namespace {

using Win32Messages = Win32Test;

WNDPROC previous = nullptr;
std::vector<UINT> subclassed;

LRESULT Subclass(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  subclassed.push_back(m);
  if (m == WM_USER + 1) return 99;
  return CallWindowProcA(previous, w, m, wp, lp);
}

TEST_F(Win32Messages, SubclassingThroughTheWindowProcedureLong) {
  HWND w = MakeWindow();
  subclassed.clear();
  previous = reinterpret_cast<WNDPROC>(
      SetWindowLongA(w, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(Subclass)));
  EXPECT_EQ(previous, RecordingProc);
  EXPECT_EQ(GetWindowLongA(w, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(Subclass));
  Log().clear();
  EXPECT_EQ(SendMessageA(w, WM_USER + 1, 0, 0), 99);
  EXPECT_EQ(SendMessageA(w, WM_USER + 2, 0, 0), 0);
  EXPECT_EQ(subclassed, (std::vector<UINT>{WM_USER + 1, WM_USER + 2}));
  EXPECT_EQ(MessagesOf(w), (std::vector<UINT>{WM_USER + 2}));  // passed on
  SetLastError(0);
  EXPECT_EQ(SetWindowLongA(w, GWL_WNDPROC, 0), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(GetWindowLongA(w, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(Subclass));
  SetWindowLongA(w, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingProc));
}

TEST_F(Win32Messages, LongsReturnTheirPreviousValue) {
  HWND parent = MakeWindow();
  HWND w = MakeChild(parent, 0, 0, 5, 5, 0, 77);
  EXPECT_EQ(GetWindowLongA(w, GWL_ID), 77);  // a child's menu argument is its id
  struct Case {
    int index;
    LONG_PTR first;
    LONG_PTR second;
  };
  const Case cases[] = {
      {GWL_ID, 5, 6},
      {GWL_USERDATA, LONG_PTR(0x123456789ABCDEF0), -1},
      {GWL_STYLE, LONG_PTR(WS_CHILD | WS_VISIBLE), LONG_PTR(WS_CHILD)},
      {GWL_EXSTYLE, LONG_PTR(WS_EX_CLIENTEDGE), 0},
      {GWL_HINSTANCE, 0x5000, 0x6000},
  };
  for (const Case& c : cases) {
    const LONG_PTR before = GetWindowLongA(w, c.index);
    EXPECT_EQ(SetWindowLongA(w, c.index, c.first), before) << c.index;
    EXPECT_EQ(GetWindowLongA(w, c.index), c.first) << c.index;
    EXPECT_EQ(SetWindowLongA(w, c.index, c.second), c.first) << c.index;
    EXPECT_EQ(GetWindowLongA(w, c.index), c.second) << c.index;
  }
  EXPECT_EQ(GetWindowLongA(w, GWL_HWNDPARENT), reinterpret_cast<LONG_PTR>(parent));
  // Style values are 32-bit: the high bit reads back sign-extended, as a LONG.
  SetWindowLongA(parent, GWL_STYLE, LONG_PTR(LONG(WS_POPUP)));
  EXPECT_EQ(GetWindowLongA(parent, GWL_STYLE), LONG_PTR(LONG(WS_POPUP)));
}

TEST_F(Win32Messages, TopmostIsNotChangedThroughTheExtendedStyleLong) {
  HWND w = MakeWindow(WS_POPUP, WS_EX_TOPMOST);
  EXPECT_EQ(SetWindowLongA(w, GWL_EXSTYLE, LONG_PTR(WS_EX_TOOLWINDOW)), LONG(WS_EX_TOPMOST));
  EXPECT_EQ(DWORD(GetWindowLongA(w, GWL_EXSTYLE)), WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
  HWND plain = MakeWindow();
  SetWindowLongA(plain, GWL_EXSTYLE, LONG_PTR(WS_EX_TOPMOST));
  EXPECT_EQ(GetWindowLongA(plain, GWL_EXSTYLE), 0);
}

TEST_F(Win32Messages, BadWindowsAndTheDesktop) {
  for (HWND bad : {HWND(nullptr), reinterpret_cast<HWND>(0x4)}) {
    SetLastError(0);
    EXPECT_EQ(GetWindowLongA(bad, GWL_STYLE), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
    SetLastError(0);
    EXPECT_EQ(SetWindowLongA(bad, GWL_USERDATA, 1), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
    SetLastError(0);
    EXPECT_EQ(SendMessageA(bad, WM_USER, 0, 0), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  }
  SetLastError(0);
  EXPECT_EQ(SetWindowLongA(GetDesktopWindow(), GWL_USERDATA, 1), 0);
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
}

TEST_F(Win32Messages, CallWindowProcCallsWhateverItIsGiven) {
  EXPECT_EQ(CallWindowProcA(nullptr, nullptr, WM_USER, 0, 0), 0);
  subclassed.clear();
  previous = DefWindowProcA;
  // The window need not exist: the procedure is called as it is.
  EXPECT_EQ(CallWindowProcA(Subclass, reinterpret_cast<HWND>(0x8), WM_USER + 1, 0, 0), 99);
  EXPECT_EQ(subclassed, (std::vector<UINT>{WM_USER + 1}));
}

TEST_F(Win32Messages, SendMessageReturnsTheAnswer) {
  HWND w = MakeWindow();
  SetHook([](HWND, UINT m, WPARAM wp, LPARAM lp) -> std::optional<LRESULT> {
    if (m == WM_USER) return LRESULT(wp * 1000 + lp);
    return std::nullopt;
  });
  EXPECT_EQ(SendMessageA(w, WM_USER, 3, 4), 3004);
}

TEST_F(Win32Messages, PostedMessagesArriveInOrderFromTheEventLoop) {
  HWND w = MakeWindow();
  Log().clear();
  EXPECT_TRUE(PostMessageA(w, WM_USER, 1, 10));
  EXPECT_TRUE(PostMessageA(w, WM_USER + 1, 2, 20));
  EXPECT_TRUE(MessagesOf(w).empty());  // nothing until the loop runs
  Pump();
  const std::vector<Recorded> seen = Log();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].message, WM_USER);
  EXPECT_EQ(seen[0].wParam, 1u);
  EXPECT_EQ(seen[0].lParam, 10);
  EXPECT_EQ(seen[1].message, WM_USER + 1);
}

TEST_F(Win32Messages, PostedMessagesToAWindowDestroyedMeanwhileAreDropped) {
  HWND w = MakeWindow();
  EXPECT_TRUE(PostMessageA(w, WM_USER, 0, 0));
  DestroyWindow(w);
  Log().clear();
  Pump();
  EXPECT_TRUE(Log().empty());
  SetLastError(0);
  EXPECT_FALSE(PostMessageA(w, WM_USER, 0, 0));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
}

TEST_F(Win32Messages, PostingFromAnotherThread) {
  HWND w = MakeWindow();
  Log().clear();
  BOOL posted = FALSE;
  std::thread worker([&] { posted = PostMessageA(w, WM_USER, 5, 0); });
  worker.join();
  EXPECT_TRUE(posted);
  Pump();
  ASSERT_EQ(Find(w, WM_USER).size(), 1u);
  EXPECT_EQ(Find(w, WM_USER)[0].wParam, 5u);
}

TEST_F(Win32Messages, PostQuitMessageEndsTheLoopWithItsCode) {
  QTimer::singleShot(0, [] { PostQuitMessage(7); });
  EXPECT_EQ(QCoreApplication::exec(), 7);
  // A posted WM_QUIT for the thread does the same.
  QTimer::singleShot(0, [] { PostMessageA(nullptr, WM_QUIT, 3, 0); });
  EXPECT_EQ(QCoreApplication::exec(), 3);
}

}  // namespace
}  // namespace win32test
