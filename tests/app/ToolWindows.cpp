#include "tests/app/ToolWindows.h"

#include <QApplication>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include "platform/win32/Window.h"
#include "platform/win32/internal/Peer.h"

namespace app::test {

std::vector<win32::HWND> ToolWindows() {
  std::vector<win32::HWND> windows;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    win32::HWND window = win32::internal::WindowOfPeer(widget);
    if (window != nullptr && win32::IsWindow(window) && win32::internal::PeerOf(window) == widget) {
      windows.push_back(window);
    }
  }
  return windows;
}

void CloseOtherWindowsLater(win32::HWND keep, int milliseconds) {
  QTimer::singleShot(milliseconds, [keep] {
    for (win32::HWND window : ToolWindows()) {
      if (window != keep) win32::PostMessageA(window, win32::WM_CLOSE, 0, 0);
    }
  });
}

void RunLater(std::function<void()> action, int milliseconds) {
  QTimer::singleShot(milliseconds, std::move(action));
}

bool PresentedPictureIs(win32::HWND window, bytes::ByteBlockView png) {
  const QImage* shown = win32::internal::PresentedPicture(window);
  if (shown == nullptr) return false;
  QImage expected;
  if (!expected.loadFromData(png.data(), int(png.size()), "PNG")) return false;
  expected = expected.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  return shown->convertToFormat(QImage::Format_ARGB32_Premultiplied) == expected;
}

bool PeerShowsPresentedPicture(win32::HWND window) {
  QWidget* peer = win32::internal::PeerOf(window);
  const QImage* shown = win32::internal::PresentedPicture(window);
  if (peer == nullptr || shown == nullptr) return false;
  QImage rendered(peer->size(), QImage::Format_ARGB32_Premultiplied);
  rendered.fill(Qt::transparent);
  peer->render(&rendered, QPoint(), QRegion(), QWidget::DrawChildren);
  return rendered == shown->convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace app::test
