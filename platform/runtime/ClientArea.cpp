#include "platform/runtime/internal/ClientArea.h"

#include <QPainter>

#include "platform/win32/Window.h"

namespace runtime::internal {

ClientArea::ClientArea(QWidget* peer, win32::HWND window, QColor background)
    : QWidget(peer), window_(window), background_(background) {
  setAutoFillBackground(false);
}

void ClientArea::paintEvent(QPaintEvent*) {
  const auto exStyle = win32::GetWindowLongA(window_, win32::GWL_EXSTYLE);
  if ((exStyle & win32::WS_EX_LAYERED) != 0) return;
  QPainter(this).fillRect(rect(), background_);
}

}  // namespace runtime::internal
