// The peer of a top-level window: Qt flags from styles, close requests, children of the window
// runtime, PeerOf and WindowOfPeer.
#include <QLabel>
#include <QPointer>
#include <QWidget>

#include "platform/win32/internal/Peer.h"
#include "tests/platform/win32/Support.h"

namespace win32test {
namespace {

using Win32Peer = Win32Test;

TEST_F(Win32Peer, StylesBecomeQtFlags) {
  struct Case {
    const char* what;
    DWORD style;
    DWORD exStyle;
    Qt::WindowFlags present;
    Qt::WindowFlags absent;
    bool resizable;
  };
  const Case cases[] = {
      {"main window", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0,
       Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint,
       Qt::WindowMaximizeButtonHint | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint, false},
      {"maximise box", WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX, 0, Qt::WindowMaximizeButtonHint,
       Qt::WindowMinimizeButtonHint, false},
      {"sizing frame", WS_CAPTION | WS_THICKFRAME, 0, Qt::WindowTitleHint,
       Qt::WindowCloseButtonHint, true},
      {"popup", WS_POPUP, 0, Qt::FramelessWindowHint, Qt::WindowTitleHint, false},
      {"topmost", WS_POPUP, WS_EX_TOPMOST, Qt::WindowStaysOnTopHint, {}, false},
      {"layered", WS_CAPTION, WS_EX_LAYERED, Qt::FramelessWindowHint, Qt::WindowTitleHint, false},
  };
  for (const Case& c : cases) {
    HWND w = MakeWindow(c.style, c.exStyle);
    QWidget* peer = internal::PeerOf(w);
    ASSERT_NE(peer, nullptr) << c.what;
    EXPECT_EQ(peer->windowFlags() & c.present, c.present) << c.what;
    EXPECT_EQ(peer->windowFlags() & c.absent, Qt::WindowFlags()) << c.what;
    EXPECT_EQ(peer->minimumSize() != peer->maximumSize(), c.resizable) << c.what;
    DestroyWindow(w);
  }
}

TEST_F(Win32Peer, ToolWindowsHaveNoTaskbarEntry) {
  HWND tool = MakeWindow(WS_POPUP, WS_EX_TOOLWINDOW);
  HWND plain = MakeWindow(WS_POPUP);
  EXPECT_EQ(internal::PeerOf(tool)->windowType(), Qt::Tool);
  EXPECT_EQ(internal::PeerOf(plain)->windowType(), Qt::Window);
}

TEST_F(Win32Peer, ACloseRequestTheProcedureDeclinesKeepsTheWindow) {
  HWND w = MakeWindow(WS_OVERLAPPED | WS_SYSMENU | WS_VISIBLE);
  SetHook([](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_CLOSE) return LRESULT(0);
    return std::nullopt;
  });
  QWidget* peer = internal::PeerOf(w);
  EXPECT_FALSE(peer->close());
  EXPECT_TRUE(IsWindow(w));
  EXPECT_TRUE(peer->isVisible());
  EXPECT_EQ(Find(w, WM_CLOSE).size(), 1u);
}

TEST_F(Win32Peer, TheRuntimesControlsLiveInThePeerAndAreNotPaintedOver) {
  HWND w = MakeWindow(WS_POPUP | WS_VISIBLE, 0, 0, 0, 40, 30);
  QWidget* peer = internal::PeerOf(w);
  auto* control = new QWidget(peer);
  control->setGeometry(10, 5, 8, 6);
  control->setAutoFillBackground(true);
  QPalette palette = control->palette();
  palette.setColor(QPalette::Window, Qt::red);
  control->setPalette(palette);
  control->show();
  QPointer<QWidget> watch = control;
  Pump();
  const QImage picture = peer->grab().toImage();
  EXPECT_EQ(picture.pixelColor(12, 7), QColor(Qt::red));
  EXPECT_EQ(internal::WindowOfPeer(control), w);
  EXPECT_EQ(internal::WindowOfPeer(peer), w);
  DestroyWindow(w);
  Pump();
  EXPECT_FALSE(watch);  // deleted with the peer
}

TEST_F(Win32Peer, WindowOfPeerForOtherWidgets) {
  QWidget stranger;
  EXPECT_EQ(internal::WindowOfPeer(&stranger), nullptr);
  EXPECT_EQ(internal::WindowOfPeer(nullptr), nullptr);
  HWND w = MakeWindow();
  QPointer<QWidget> peer = internal::PeerOf(w);
  DestroyWindow(w);
  ASSERT_TRUE(peer);  // not yet deleted, but no longer a window's peer
  EXPECT_EQ(internal::WindowOfPeer(peer), nullptr);
  EXPECT_EQ(internal::PresentedPicture(w), nullptr);
}

TEST_F(Win32Peer, TheTitleAndObjectNameCarryTheText) {
  HWND w = CreateWindowExA(0, kClass, "Splash", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                           nullptr);
  EXPECT_EQ(internal::PeerOf(w)->windowTitle(), QString("Splash"));
  EXPECT_EQ(internal::PeerOf(w)->objectName(), QString("Splash"));
}

}  // namespace
}  // namespace win32test
