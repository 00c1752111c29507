#include "platform/runtime/internal/Snapshot.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "platform/runtime/internal/Bmp.h"
#include "platform/runtime/internal/FormGeometry.h"
#include "platform/win32/Window.h"

namespace runtime::internal {

namespace {

// The offscreen platform keeps no screen to read back, so the peer paints itself; the frame
// around it (which no one draws there) is a caption grey.
QImage PaintedByPeer(win32::HWND window, QWidget* peer, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(QColor(212, 208, 200));
  const QRect area = WindowAreaInPeer(window, peer);
  QPainter painter(&image);
  painter.drawPixmap(-area.topLeft(), peer->grab());
  return image;
}

}  // namespace

bytes::ByteBlock SnapshotOf(win32::HWND window, QWidget* peer) {
  const QRect rect = WindowRectOf(window);
  if (peer == nullptr || rect.isEmpty()) return {};
  QImage image;
  QScreen* screen = QGuiApplication::primaryScreen();
  // The screen holds the window only while it is mapped and drawn: right after its frame has
  // been taken away (the closing animation's first step) the platform may still be remapping it,
  // and the screen would give the desktop behind it.
  // A window without a frame is all client area, which the peer paints exactly as it shows it.
  const bool framed = (win32::GetWindowLongA(window, win32::GWL_STYLE) & win32::WS_CAPTION) != 0;
  const bool onScreen = framed && peer->isVisible() && peer->windowHandle() != nullptr &&
                        peer->windowHandle()->isExposed();
  if (screen != nullptr && onScreen &&
      QGuiApplication::platformName() != QLatin1String("offscreen")) {
    const QPixmap shot = screen->grabWindow(0, rect.x(), rect.y(), rect.width(), rect.height());
    if (shot.size() == rect.size()) image = shot.toImage();
  }
  if (image.isNull()) image = PaintedByPeer(window, peer, rect.size());
  return EncodeBmp24(image);
}

}  // namespace runtime::internal
