// The peer widget of a top-level window: flags, placement, close requests and painting.
#include "platform/win32/internal/PeerWidget.h"

#include <QCloseEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>

#include "platform/win32/internal/Input.h"
#include "platform/win32/internal/Text.h"
#include "platform/win32/internal/WindowOps.h"

namespace win32::internal {

namespace {

constexpr std::size_t kMaxRequests = 32;

bool Resizable(const WindowRecord& record) {
  return (record.style & WS_THICKFRAME) != 0;
}

}  // namespace

PeerWidget::PeerWidget(HWND window) : QWidget(nullptr, Qt::Window), window_(window) {
  setMouseTracking(true);
  setAttribute(Qt::WA_DeleteOnClose, false);
  flags_ = windowFlags();
}

Margins PeerWidget::ReportedMargins() const {
  if (frameless_) return {};
  if (isVisible() && testAttribute(Qt::WA_WState_Created)) {
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
  }
  return lastFramed_;
}

void PeerWidget::ApplyStyle() {
  WindowRecord* record = Find(window_);
  if (record == nullptr) return;
  const bool layered = (record->exStyle & WS_EX_LAYERED) != 0;
  const bool caption = (record->style & WS_CAPTION) == WS_CAPTION;
  Qt::WindowFlags flags = Qt::Window;
  if (record->exStyle & WS_EX_TOOLWINDOW) flags = Qt::Tool;
  if (layered || !caption) {
    flags |= Qt::FramelessWindowHint;
  } else {
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (record->style & WS_SYSMENU) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (record->style & WS_MINIMIZEBOX) flags |= Qt::WindowMinimizeButtonHint;
    if (record->style & WS_MAXIMIZEBOX) flags |= Qt::WindowMaximizeButtonHint;
  }
  if (record->exStyle & WS_EX_TOPMOST) flags |= Qt::WindowStaysOnTopHint;
  frameless_ = (flags & Qt::FramelessWindowHint) != 0;

  const bool translucencyChanges = layered != testAttribute(Qt::WA_TranslucentBackground);
  if (flags != flags_ || translucencyChanges) {
    const bool wasVisible = isVisible();
    if (translucencyChanges && testAttribute(Qt::WA_WState_Created)) {
      // An alpha channel needs a new native window.
      hide();
      destroy();
    }
    setAttribute(Qt::WA_TranslucentBackground, layered);
    if (layered) setAttribute(Qt::WA_NoSystemBackground, true);
    setWindowFlags(flags);
    flags_ = flags;
    ApplyGeometry();
    if (wasVisible) show();
  } else {
    ApplyGeometry();
  }
}

void PeerWidget::ApplyGeometry() {
  WindowRecord* record = Find(window_);
  if (record == nullptr) return;
  const Margins m = ReportedMargins();
  if (!frameless_) lastFramed_ = m;
  record->margins = m;
  const RECT& r = record->rect;
  const QRect client(r.left + m.left, r.top + m.top,
                     std::max(0, r.right - r.left - m.left - m.right),
                     std::max(0, r.bottom - r.top - m.top - m.bottom));
  if (requested_.size() >= kMaxRequests) requested_.erase(requested_.begin());
  requested_.push_back(client);
  if (Resizable(*record)) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  } else {
    // Without a sizing frame the user cannot resize the window.
    setFixedSize(client.size());
  }
  setGeometry(client);
}

void PeerWidget::ApplyTopmost() {
  WindowRecord* record = Find(window_);
  if (record == nullptr) return;
  const bool onTop = (record->exStyle & WS_EX_TOPMOST) != 0;
  Qt::WindowFlags flags = flags_;
  flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
  if (flags == flags_) return;
  flags_ = flags;
  if (QWindow* handle = windowHandle()) {
    // Told to the platform window directly so that a mapped window is not remapped.
    overrideWindowFlags(flags);
    handle->setFlag(Qt::WindowStaysOnTopHint, onTop);
  } else {
    setWindowFlags(flags);
  }
}

void PeerWidget::ApplyTitle() {
  WindowRecord* record = Find(window_);
  if (record == nullptr) return;
  const QString title = ToQString(record->text);
  setWindowTitle(title);
  setObjectName(title);
}

void PeerWidget::ShowPeer(bool activate) {
  setAttribute(Qt::WA_ShowWithoutActivating, !activate);
  ApplyGeometry();
  show();
  if (activate) {
    raise();
    activateWindow();
  }
}

bool PeerWidget::event(QEvent* event) {
  const bool result = QWidget::event(event);
  if (event->type() == QEvent::Show) {
    if (QWindow* handle = windowHandle(); handle != nullptr && handle != watched_) {
      if (watched_ != nullptr) watched_->removeEventFilter(this);
      watched_ = handle;
      watched_->installEventFilter(this);
    }
    Placed();
  }
  return result;
}

bool PeerWidget::eventFilter(QObject* watched, QEvent* event) {
  // A window manager's frame becomes known once the window is mapped and exposed.
  if (watched == watched_ && event->type() == QEvent::Expose) Placed();
  return QWidget::eventFilter(watched, event);
}

void PeerWidget::closeEvent(QCloseEvent* event) {
  // The platform's close request (close box, Alt+F4) is the window procedure's to answer.
  event->ignore();
  WindowRecord* record = Find(window_);
  if (record == nullptr || record->destroying) return;
  SendMessageA(window_, WM_CLOSE, 0, 0);
}

void PeerWidget::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  Placed();
}

void PeerWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Placed();
}

void PeerWidget::Placed() {
  WindowRecord* record = Find(window_);
  if (record == nullptr || record->destroying) return;
  const Margins m = ReportedMargins();
  if (m != record->margins) {
    ApplyGeometry();
    return;
  }
  // The platform may report places asked for earlier after later ones (an echo of the place
  // the window was made at, say): any recent request is ours, however late it comes back.
  const QRect client = geometry();
  if (std::find(requested_.begin(), requested_.end(), client) != requested_.end()) return;
  if (!isVisible()) return;
  // The user (or the window manager) moved it; what was asked before is history now.
  requested_.clear();
  RECT outer = record->rect;
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  outer.left = client.left() - m.left;
  outer.top = client.top() - m.top;
  if (Resizable(*record)) {
    outer.right = client.right() + 1 + m.right;
    outer.bottom = client.bottom() + 1 + m.bottom;
  } else {
    outer.right = outer.left + width;
    outer.bottom = outer.top + height;
  }
  const RECT& old = record->rect;
  if (outer.left == old.left && outer.top == old.top && outer.right == old.right &&
      outer.bottom == old.bottom) {
    return;
  }
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  if (outer.left == old.left && outer.top == old.top) flags |= SWP_NOMOVE;
  if (outer.right - outer.left == old.right - old.left &&
      outer.bottom - outer.top == old.bottom - old.top) {
    flags |= SWP_NOSIZE;
  }
  record->rect = outer;
  NotifyPlaced(window_, nullptr, flags);
}

void PeerWidget::paintEvent(QPaintEvent*) {
  // Only a layered window's picture is painted; anything else is the runtime's controls.
  WindowRecord* record = Find(window_);
  if (record == nullptr || !(record->exStyle & WS_EX_LAYERED) || !record->picture) return;
  QPainter painter(this);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(0, 0, *record->picture);
}

void PeerWidget::mouseMoveEvent(QMouseEvent* event) {
  RouteMouse(window_, *event);
}
void PeerWidget::mousePressEvent(QMouseEvent* event) {
  RouteMouse(window_, *event);
}
void PeerWidget::mouseReleaseEvent(QMouseEvent* event) {
  RouteMouse(window_, *event);
}
void PeerWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  RouteMouse(window_, *event);
}
void PeerWidget::leaveEvent(QEvent*) {
  RouteLeave(window_);
}
void PeerWidget::keyPressEvent(QKeyEvent* event) {
  RouteKey(window_, *event);
}
void PeerWidget::keyReleaseEvent(QKeyEvent* event) {
  RouteKey(window_, *event);
}

}  // namespace win32::internal
