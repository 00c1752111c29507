#pragma once
// A window's background picture, drawn over the whole client area above the controls (the
// closing animation shows the window's own snapshot in place of its controls). It lets every
// mouse event through. A picture that does not decode draws nothing.

#include <QImage>
#include <QWidget>

#include "platform/bytes/ByteBlock.h"
#include "platform/runtime/Window.h"

namespace runtime::internal {

class BackgroundPicture : public QWidget {
 public:
  explicit BackgroundPicture(QWidget* clientArea);

  void SetPicture(bytes::ByteBlockView picture);  // BMP or PNG file bytes
  void SetMode(PictureMode mode);
  const QImage& Picture() const { return picture_; }
  PictureMode Mode() const { return mode_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
  PictureMode mode_ = PictureMode::Normal;
};

}  // namespace runtime::internal
