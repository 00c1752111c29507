#include "platform/runtime/internal/Snapshot.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include "platform/runtime/internal/Bmp.h"
#include "platform/runtime/internal/FormGeometry.h"

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
  if (screen != nullptr && QGuiApplication::platformName() != QLatin1String("offscreen")) {
    const QPixmap shot = screen->grabWindow(0, rect.x(), rect.y(), rect.width(), rect.height());
    if (shot.size() == rect.size()) image = shot.toImage();
  }
  if (image.isNull()) image = PaintedByPeer(window, peer, rect.size());
  return EncodeBmp24(image);
}

}  // namespace runtime::internal
