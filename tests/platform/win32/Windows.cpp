// CreateWindowExA, DestroyWindow, IsWindow, GetParent, GetWindow, GetDesktopWindow.
#include <QPointer>
#include <QWidget>
#include <set>

#include "platform/win32/internal/Peer.h"
#include "tests/platform/win32/Support.h"

namespace win32test {
namespace {

using Win32Windows = Win32Test;

// The window's children from the top of the Z order down, as GW_CHILD and GW_HWNDNEXT give them.
std::vector<HWND> ChildrenOf(HWND parent) {
  std::vector<HWND> order;
  for (HWND h = GetWindow(parent, GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT)) {
    order.push_back(h);
  }
  return order;
}

TEST_F(Win32Windows, CreationSendsNcCreateCreateSizeMoveWithTheCreateStruct) {
  int param = 0;
  std::vector<CREATESTRUCTA> seen;
  SetHook([&](HWND, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
    if (message == WM_NCCREATE || message == WM_CREATE) {
      seen.push_back(*reinterpret_cast<const CREATESTRUCTA*>(lParam));
    }
    return std::nullopt;
  });
  HWND w = CreateWindowExA(WS_EX_TOOLWINDOW, kClass, "name", WS_POPUP, 10, 20, 30, 40, nullptr,
                           nullptr, GetModuleHandleA(nullptr), &param);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(MessagesOf(w), (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE}));
  ASSERT_EQ(seen.size(), 2u);
  for (const CREATESTRUCTA& cs : seen) {
    EXPECT_EQ(cs.lpCreateParams, &param);
    EXPECT_EQ(cs.hInstance, GetModuleHandleA(nullptr));
    EXPECT_EQ(cs.hwndParent, nullptr);
    EXPECT_EQ(cs.x, 10);
    EXPECT_EQ(cs.y, 20);
    EXPECT_EQ(cs.cx, 30);
    EXPECT_EQ(cs.cy, 40);
    EXPECT_EQ(DWORD(cs.style), WS_POPUP);
    EXPECT_STREQ(cs.lpszName, "name");
    EXPECT_STREQ(cs.lpszClass, kClass);
    EXPECT_EQ(cs.dwExStyle, WS_EX_TOOLWINDOW);
  }
  const Recorded size = Find(w, WM_SIZE).at(0);
  EXPECT_EQ(size.wParam, SIZE_RESTORED);
  EXPECT_EQ(size.lParam, MAKELPARAM(30, 40));
  EXPECT_EQ(Find(w, WM_MOVE).at(0).lParam, MAKELPARAM(10, 20));
}

TEST_F(Win32Windows, VisibleStyleShowsTheWindowAfterCreate) {
  bool visibleDuringCreate = true;
  SetHook([&](HWND w, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    // The window is shown only after WM_CREATE has been answered.
    if (message == WM_CREATE) visibleDuringCreate = IsWindowVisible(w) != FALSE;
    return std::nullopt;
  });
  HWND w = MakeWindow(WS_POPUP | WS_VISIBLE);
  ASSERT_NE(w, nullptr);
  EXPECT_FALSE(visibleDuringCreate);
  EXPECT_EQ(MessagesOf(w),
            (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW}));
  EXPECT_TRUE(IsWindowVisible(w));
  EXPECT_TRUE(internal::PeerOf(w)->isVisible());
}

TEST_F(Win32Windows, OverlappedWindowsAlwaysGetACaption) {
  HWND overlapped = MakeWindow(WS_OVERLAPPED);
  HWND popup = MakeWindow(WS_POPUP);
  EXPECT_EQ(DWORD(GetWindowLongA(overlapped, GWL_STYLE)), WS_CAPTION | WS_CLIPSIBLINGS);
  EXPECT_EQ(DWORD(GetWindowLongA(popup, GWL_STYLE)), WS_POPUP);
}

TEST_F(Win32Windows, CreationFailures) {
  HWND destroyed = MakeWindow();
  DestroyWindow(destroyed);
  struct Case {
    const char* what;
    LPCSTR className;
    DWORD style;
    HWND parent;
    DWORD error;
  };
  const Case cases[] = {
      {"unknown class", "NoSuchClass", WS_POPUP, nullptr, ERROR_CANNOT_FIND_WND_CLASS},
      {"null class", nullptr, WS_POPUP, nullptr, ERROR_CANNOT_FIND_WND_CLASS},
      {"child without parent", kClass, WS_CHILD, nullptr, ERROR_TLW_WITH_WSCHILD},
      {"destroyed parent", kClass, WS_CHILD, destroyed, ERROR_INVALID_WINDOW_HANDLE},
      {"destroyed owner", kClass, WS_POPUP, destroyed, ERROR_INVALID_WINDOW_HANDLE},
  };
  for (const Case& c : cases) {
    SetLastError(0xdeadbeef);
    EXPECT_EQ(CreateWindowExA(0, c.className, "x", c.style, 0, 0, 10, 10, c.parent, nullptr,
                              nullptr, nullptr),
              nullptr)
        << c.what;
    EXPECT_EQ(GetLastError(), c.error) << c.what;
  }
}

TEST_F(Win32Windows, CreateAnsweredMinusOneDestroysTheWindow) {
  HWND made = nullptr;
  SetHook([&](HWND w, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    made = w;
    if (message == WM_CREATE) return LRESULT(-1);
    return std::nullopt;
  });
  EXPECT_EQ(MakeWindow(), nullptr);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(MessagesOf(made),
            (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_DESTROY, WM_NCDESTROY}));
  EXPECT_FALSE(IsWindow(made));
}

TEST_F(Win32Windows, NcCreateAnsweredFalseFailsWithoutCreate) {
  HWND made = nullptr;
  SetHook([&](HWND w, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    made = w;
    if (message == WM_NCCREATE) return LRESULT(FALSE);
    return std::nullopt;
  });
  EXPECT_EQ(MakeWindow(), nullptr);
  EXPECT_EQ(MessagesOf(made), (std::vector<UINT>{WM_NCCREATE, WM_NCDESTROY}));
  EXPECT_FALSE(IsWindow(made));
}

TEST_F(Win32Windows, HandlesAreNeverReusedAndDieAtOnce) {
  std::set<HWND> seen;
  for (int i = 0; i < 50; ++i) {
    HWND w = MakeWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(seen.insert(w).second);
    EXPECT_TRUE(IsWindow(w));
    EXPECT_TRUE(DestroyWindow(w));
    EXPECT_FALSE(IsWindow(w));
  }
  HWND gone = *seen.begin();
  SetLastError(0);
  EXPECT_EQ(GetWindowLongA(gone, GWL_STYLE), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_EQ(SendMessageA(gone, WM_GETTEXTLENGTH, 0, 0), 0);
  EXPECT_FALSE(SetPropA(gone, "p", reinterpret_cast<HANDLE>(1)));
  RECT r{111, 222, 333, 444};
  EXPECT_FALSE(GetWindowRect(gone, &r));
  EXPECT_EQ(r.left, 111);  // untouched
  EXPECT_FALSE(DestroyWindow(gone));
}

TEST_F(Win32Windows, DestroyBadHandles) {
  SetLastError(0);
  EXPECT_FALSE(DestroyWindow(nullptr));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_FALSE(DestroyWindow(reinterpret_cast<HWND>(0x12345678)));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_FALSE(DestroyWindow(GetDesktopWindow()));
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  EXPECT_FALSE(IsWindow(nullptr));
}

TEST_F(Win32Windows, DestroyOrderParentFirstThenChildrenThenNcDestroyChildrenFirst) {
  HWND parent = MakeWindow();
  HWND first = MakeChild(parent, 0, 0, 10, 10);
  HWND second = MakeChild(parent, 0, 0, 10, 10);
  SetPropA(parent, "kept", reinterpret_cast<HANDLE>(7));
  bool childrenAlive = false;
  HANDLE propDuringDestroy = nullptr;
  SetHook([&](HWND w, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (w == parent && message == WM_DESTROY) {
      childrenAlive = IsWindow(first) && IsWindow(second);
      propDuringDestroy = GetPropA(parent, "kept");
    }
    return std::nullopt;
  });
  Log().clear();
  EXPECT_TRUE(DestroyWindow(parent));
  std::vector<std::pair<HWND, UINT>> order;
  for (const Recorded& r : Log()) order.emplace_back(r.window, r.message);
  // Children are visited from the top of the Z order, where the first one made is.
  const std::vector<std::pair<HWND, UINT>> expected = {
      {parent, WM_DESTROY},  {first, WM_DESTROY},    {second, WM_DESTROY},
      {first, WM_NCDESTROY}, {second, WM_NCDESTROY}, {parent, WM_NCDESTROY}};
  EXPECT_EQ(order, expected);
  EXPECT_TRUE(childrenAlive);
  EXPECT_EQ(propDuringDestroy, reinterpret_cast<HANDLE>(7));
  EXPECT_FALSE(IsWindow(parent));
  EXPECT_FALSE(IsWindow(first));
  EXPECT_FALSE(IsWindow(second));
}

TEST_F(Win32Windows, DestroyFromTheWindowsOwnProcedure) {
  HWND w = MakeWindow();
  int destroys = 0;
  SetHook([&](HWND self, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_USER) {
      DestroyWindow(self);
      return LRESULT(42);
    }
    if (message == WM_DESTROY) {
      ++destroys;
      // Asked again while on its way: nothing more happens.
      EXPECT_TRUE(DestroyWindow(self));
    }
    return std::nullopt;
  });
  EXPECT_EQ(SendMessageA(w, WM_USER, 0, 0), 42);
  EXPECT_FALSE(IsWindow(w));
  EXPECT_EQ(destroys, 1);
}

TEST_F(Win32Windows, TopLevelWindowsHaveAPeerChildrenDoNot) {
  HWND w = MakeWindow();
  HWND child = MakeChild(w, 0, 0, 5, 5);
  QPointer<QWidget> peer = internal::PeerOf(w);
  ASSERT_TRUE(peer);
  EXPECT_TRUE(peer->isWindow());
  EXPECT_EQ(internal::PeerOf(child), nullptr);
  EXPECT_EQ(internal::PeerOf(nullptr), nullptr);
  peer->show();
  DestroyWindow(w);
  // Hidden at once, deleted once the event loop runs.
  ASSERT_TRUE(peer);
  EXPECT_FALSE(peer->isVisible());
  EXPECT_EQ(internal::PeerOf(w), nullptr);
  Pump();
  EXPECT_FALSE(peer);
}

TEST_F(Win32Windows, ClosingThePeerDestroysTheWindowFromInsideQt) {
  HWND w = MakeWindow(WS_OVERLAPPED | WS_SYSMENU | WS_VISIBLE);
  QPointer<QWidget> peer = internal::PeerOf(w);
  Log().clear();
  // The platform's close request (close box, Alt+F4) arrives as QWidget::close.
  EXPECT_FALSE(peer->close());  // Qt is told no; the window procedure decides
  EXPECT_EQ(Find(w, WM_CLOSE).size(), 1u);
  EXPECT_FALSE(IsWindow(w));
  Pump();
  EXPECT_FALSE(peer);
}

TEST_F(Win32Windows, OwnedWindowsGoWithTheirOwner) {
  HWND owner = MakeWindow();
  HWND child = MakeChild(owner, 0, 0, 5, 5);
  HWND popup = MakeWindow(WS_POPUP);
  DestroyWindow(popup);
  HWND ownedPopup =
      CreateWindowExA(0, kClass, "", WS_POPUP, 0, 0, 5, 5, child, nullptr, nullptr, nullptr);
  HWND ownedOverlapped =
      CreateWindowExA(0, kClass, "", WS_OVERLAPPED, 0, 0, 5, 5, owner, nullptr, nullptr, nullptr);
  // The owner is the top-level window of the window given as parent.
  EXPECT_EQ(GetWindow(ownedPopup, GW_OWNER), owner);
  EXPECT_EQ(GetParent(ownedPopup), owner);  // a popup reports its owner as its parent
  EXPECT_EQ(GetParent(ownedOverlapped), nullptr);
  EXPECT_EQ(GetWindow(ownedOverlapped, GW_OWNER), owner);
  Log().clear();
  DestroyWindow(owner);
  EXPECT_FALSE(IsWindow(ownedPopup));
  EXPECT_FALSE(IsWindow(ownedOverlapped));
  // Owned windows go first.
  ASSERT_FALSE(Log().empty());
  EXPECT_NE(Log().front().window, owner);
}

TEST_F(Win32Windows, GetParentOfChildrenAndTopLevels) {
  HWND top = MakeWindow();
  HWND child = MakeChild(top, 0, 0, 5, 5);
  HWND grandchild = MakeChild(child, 0, 0, 2, 2);
  EXPECT_EQ(GetParent(child), top);
  EXPECT_EQ(GetParent(grandchild), child);
  EXPECT_EQ(GetParent(top), nullptr);
  SetLastError(0);
  EXPECT_EQ(GetParent(nullptr), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  // A child given the desktop as parent would be a top-level child: the desktop parent is
  // taken as none.
  HWND onDesktop = CreateWindowExA(0, kClass, "", WS_POPUP, 0, 0, 5, 5, GetDesktopWindow(), nullptr,
                                   nullptr, nullptr);
  EXPECT_EQ(GetParent(onDesktop), nullptr);
  EXPECT_EQ(GetWindow(onDesktop, GW_OWNER), nullptr);
}

// A new child is added at the bottom: the first child made is at the top of the Z order and
// GW_HWNDNEXT walks the others in the order they were made.
TEST_F(Win32Windows, GetWindowWalksTheZOrderFirstChildOnTop) {
  HWND parent = MakeWindow();
  HWND a = MakeChild(parent, 0, 0, 5, 5);
  HWND b = MakeChild(parent, 0, 0, 5, 5);
  HWND c = MakeChild(parent, 0, 0, 5, 5);
  EXPECT_EQ(GetWindow(parent, GW_CHILD), a);
  EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
  EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), c);
  EXPECT_EQ(GetWindow(c, GW_HWNDNEXT), nullptr);
  EXPECT_EQ(GetWindow(c, GW_HWNDPREV), b);
  EXPECT_EQ(GetWindow(a, GW_HWNDPREV), nullptr);
  EXPECT_EQ(GetWindow(b, GW_HWNDFIRST), a);
  EXPECT_EQ(GetWindow(b, GW_HWNDLAST), c);
  EXPECT_EQ(GetWindow(a, GW_CHILD), nullptr);

  struct Move {
    HWND window;
    HWND after;
    std::vector<HWND> order;
  };
  const Move moves[] = {
      {c, HWND_TOP, {c, a, b}}, {c, HWND_BOTTOM, {a, b, c}},  {a, b, {b, a, c}},  // just below b
      {c, b, {b, c, a}},        {a, HWND_TOPMOST, {a, b, c}},  // for a child the same as HWND_TOP
  };
  for (const Move& m : moves) {
    EXPECT_TRUE(SetWindowPos(m.window, m.after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
    EXPECT_EQ(ChildrenOf(parent), m.order);
  }
  // SWP_NOZORDER leaves the order alone whatever insertAfter says.
  SetWindowPos(c, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_EQ(GetWindow(parent, GW_CHILD), a);
  DestroyWindow(b);
  EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), c);
}

TEST_F(Win32Windows, ANewChildGoesBelowItsSiblingsWhereverTheyWereMoved) {
  HWND parent = MakeWindow();
  HWND a = MakeChild(parent, 0, 0, 5, 5);
  HWND b = MakeChild(parent, 0, 0, 5, 5);
  SetWindowPos(b, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  HWND c = MakeChild(parent, 0, 0, 5, 5);
  EXPECT_EQ(ChildrenOf(parent), (std::vector<HWND>{b, a, c}));
  // Hidden or not, a new child is at the bottom; a grandchild too, among its own siblings.
  HWND hidden = MakeChild(parent, 0, 0, 5, 5, 0);
  HWND inner1 = MakeChild(a, 0, 0, 2, 2);
  HWND inner2 = MakeChild(a, 0, 0, 2, 2);
  EXPECT_EQ(ChildrenOf(parent), (std::vector<HWND>{b, a, c, hidden}));
  EXPECT_EQ(ChildrenOf(a), (std::vector<HWND>{inner1, inner2}));
}

TEST_F(Win32Windows, GetWindowBadArguments) {
  HWND w = MakeWindow();
  SetLastError(0);
  EXPECT_EQ(GetWindow(w, 7), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(GetWindow(nullptr, GW_CHILD), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
}

TEST_F(Win32Windows, TheDesktopHoldsTheTopLevelWindowsTopmostBandFirst) {
  HWND desktop = GetDesktopWindow();
  ASSERT_NE(desktop, nullptr);
  EXPECT_EQ(GetDesktopWindow(), desktop);
  EXPECT_TRUE(IsWindow(desktop));
  EXPECT_TRUE(IsWindowVisible(desktop));
  RECT r{};
  EXPECT_TRUE(GetWindowRect(desktop, &r));
  EXPECT_EQ(r.right - r.left, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(r.bottom - r.top, GetSystemMetrics(SM_CYSCREEN));
  HWND onTop = MakeWindow(WS_POPUP, WS_EX_TOPMOST);
  HWND older = MakeWindow();
  HWND newer = MakeWindow();
  EXPECT_EQ(GetWindow(desktop, GW_CHILD), onTop);  // older, but in the topmost band
  EXPECT_EQ(GetWindow(onTop, GW_HWNDNEXT), newer);
  EXPECT_EQ(GetWindow(newer, GW_HWNDNEXT), older);
  EXPECT_EQ(GetWindow(older, GW_HWNDNEXT), nullptr);
  EXPECT_EQ(GetParent(newer), nullptr);
}

}  // namespace
}  // namespace win32test
