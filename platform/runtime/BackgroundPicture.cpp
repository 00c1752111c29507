#include "platform/runtime/internal/BackgroundPicture.h"

#include <QPainter>

namespace runtime::internal {

BackgroundPicture::BackgroundPicture(QWidget* clientArea) : QWidget(clientArea) {
  setObjectName(QStringLiteral("background picture"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(clientArea->rect());
  show();
  raise();
}

void BackgroundPicture::SetPicture(bytes::ByteBlockView picture) {
  picture_ = QImage::fromData(picture.data(), static_cast<int>(picture.size()));
  update();
}

void BackgroundPicture::SetMode(PictureMode mode) {
  mode_ = mode;
  update();
}

void BackgroundPicture::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  if (mode_ == PictureMode::Stretched) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), picture_);
  } else {
    painter.drawImage(QPoint(0, 0), picture_);
  }
}

}  // namespace runtime::internal
