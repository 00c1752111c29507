#pragma once
// The client area of a form's window: the widget its controls sit in. It paints the form's
// background, except while the window is layered: then the host's presented picture is the
// window's whole look and the client area stays see-through.

#include <QColor>
#include <QWidget>

#include "platform/win32/Types.h"

namespace runtime::internal {

class ClientArea : public QWidget {
 public:
  ClientArea(QWidget* peer, win32::HWND window, QColor background);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  win32::HWND window_;
  QColor background_;
};

}  // namespace runtime::internal
