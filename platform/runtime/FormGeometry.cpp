#include "platform/runtime/internal/FormGeometry.h"

#include <QWidget>
#include <algorithm>

#include "platform/win32/Window.h"

namespace runtime::internal {

namespace {

// The screen position of the peer's own (0, 0).
QPoint PeerOrigin(const QWidget* peer) {
  return peer->isWindow() ? peer->geometry().topLeft() : peer->mapToGlobal(QPoint(0, 0));
}

}  // namespace

int ClampPlace(int value) {
  return std::clamp(value, -kPlaceLimit, kPlaceLimit);
}

int ClampSize(int value) {
  return std::clamp(value, 0, kPlaceLimit);
}

QRect WindowRectOf(win32::HWND window) {
  win32::RECT rect{};
  if (!win32::GetWindowRect(window, &rect)) return {};
  return QRect(QPoint(rect.left, rect.top), QSize(rect.right - rect.left, rect.bottom - rect.top));
}

QRect ClientAreaInPeer(win32::HWND window, const QWidget* peer) {
  win32::RECT client{};
  win32::POINT origin{0, 0};
  if (peer == nullptr || !win32::GetClientRect(window, &client) ||
      !win32::ClientToScreen(window, &origin)) {
    return {};
  }
  return QRect(QPoint(origin.x, origin.y) - PeerOrigin(peer),
               QSize(client.right - client.left, client.bottom - client.top));
}

QRect WindowAreaInPeer(win32::HWND window, const QWidget* peer) {
  if (peer == nullptr) return {};
  const QRect rect = WindowRectOf(window);
  return rect.translated(-PeerOrigin(peer));
}

}  // namespace runtime::internal
