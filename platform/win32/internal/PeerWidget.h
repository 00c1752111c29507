#pragma once
// Inside the stand-in only: the on-screen peer of a top-level window. The window table owns it
// (see PeerRelease); it shows the window's frame style, place, z-band and, for a layered window,
// the presented picture, and turns the platform's close requests, moves and input into the
// window's messages. It is an ordinary QWidget: the window runtime puts its controls into it, and
// it paints nothing over them.

#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <vector>

#include "platform/win32/internal/State.h"

namespace win32::internal {

class PeerWidget final : public QWidget {
 public:
  explicit PeerWidget(HWND window);
  HWND Window() const { return window_; }

  // Qt flags from the window's styles: frame and caption buttons, taskbar entry, z-band and the
  // translucency of a layered window. Keeps the outer rectangle.
  void ApplyStyle();
  // Places the client area at the window's outer rectangle minus the platform's frame.
  void ApplyGeometry();
  void ApplyTopmost();
  void ApplyTitle();
  void ShowPeer(bool activate);

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  Margins ReportedMargins() const;
  // After the platform placed the widget: a new frame re-applies the outer rectangle; a move
  // or resize that is none of ours is the user's and updates the outer rectangle.
  void Placed();

  HWND window_;
  bool frameless_{true};
  Qt::WindowFlags flags_;
  Margins lastFramed_;  // frame of the last framed placement, used while the peer is hidden
  std::vector<QRect> requested_;  // client rectangles recently asked of Qt
  QPointer<QWindow> watched_;     // goes null when Qt remakes the platform window
};

}  // namespace win32::internal
