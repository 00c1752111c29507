// The caption drag of DefWindowProcA's WM_NCLBUTTONDOWN / HTCAPTION: the platform's own move
// when it offers one, otherwise the window follows the mouse until the left button is released.
#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QWindow>

#include "platform/win32/Window.h"
#include "platform/win32/internal/Input.h"
#include "platform/win32/internal/PeerWidget.h"
#include "platform/win32/internal/WindowOps.h"

namespace win32::internal {

namespace {

// Watches every mouse event of the application while a drag runs.
class CaptionDrag final : public QObject {
 public:
  void Begin(HWND window, QPoint offset) {
    if (window_ == nullptr) QCoreApplication::instance()->installEventFilter(this);
    window_ = window;
    offset_ = offset;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (window_ == nullptr) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::MouseMove) {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (!(mouse->buttons() & Qt::LeftButton) || Find(window_) == nullptr) {
        End();
        return false;
      }
      const QPoint at = mouse->globalPosition().toPoint() - offset_;
      SetWindowPos(window_, nullptr, at.x(), at.y(), 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return true;  // the drag has the mouse, as a system move loop would
    }
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      End();
      return true;  // the release ends the move; the window hears nothing of it
    }
    return false;
  }

 private:
  void End() {
    window_ = nullptr;
    QCoreApplication::instance()->removeEventFilter(this);
  }

  HWND window_{nullptr};
  QPoint offset_;
};

}  // namespace

void BeginCaptionDrag(HWND topLevel) {
  State* state = Gui();
  WindowRecord* record = Find(topLevel);
  if (state == nullptr || record == nullptr || !record->peer) return;
  if (QWindow* handle = record->peer->windowHandle();
      handle != nullptr && record->peer->isVisible() && handle->startSystemMove()) {
    return;
  }
  const QPoint cursor =
      (state->mouse.buttons & Qt::LeftButton) ? state->mouse.global : QCursor::pos();
  if (!state->drag) state->drag = std::make_unique<CaptionDrag>();
  static_cast<CaptionDrag*>(state->drag.get())
      ->Begin(topLevel, cursor - QPoint(record->rect.left, record->rect.top));
}

}  // namespace win32::internal
