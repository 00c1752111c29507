#include "tools/artwork/Canvas.h"

#include <algorithm>
#include <cmath>

namespace artwork {
namespace {

float Clamp01(float v) {
  return std::clamp(v, 0.0f, 1.0f);
}

int ToByte(float v) {
  return int(std::lround(Clamp01(v) * 255.0f));
}

}  // namespace

Canvas Canvas::FromImage(const QImage& image) {
  QImage source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  Canvas canvas(source.width(), source.height());
  for (int y = 0; y < source.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    for (int x = 0; x < source.width(); ++x) {
      QRgb p = line[x];
      canvas.at(x, y) = {qRed(p) / 255.0f, qGreen(p) / 255.0f, qBlue(p) / 255.0f,
                         qAlpha(p) / 255.0f};
    }
  }
  return canvas;
}

void Canvas::Over(const Canvas& top) {
  if (top.width_ != width_ || top.height_ != height_) return;
  for (std::size_t i = 0; i < pixels_.size(); ++i) {
    const Rgba& s = top.pixels_[i];
    Rgba& d = pixels_[i];
    float k = 1.0f - s.a;
    d = {s.r + d.r * k, s.g + d.g * k, s.b + d.b * k, s.a + d.a * k};
  }
}

void Canvas::Plus(const Canvas& top, float gain) {
  if (top.width_ != width_ || top.height_ != height_) return;
  for (std::size_t i = 0; i < pixels_.size(); ++i) {
    const Rgba& s = top.pixels_[i];
    Rgba& d = pixels_[i];
    d.a = Clamp01(d.a + s.a * gain);
    // Premultiplied colour may not exceed alpha.
    d.r = std::min(d.r + s.r * gain, d.a);
    d.g = std::min(d.g + s.g * gain, d.a);
    d.b = std::min(d.b + s.b * gain, d.a);
  }
}

void Canvas::BoxBlurRows(int radius) {
  std::vector<Rgba> line(width_);
  float norm = 1.0f / float(2 * radius + 1);
  for (int y = 0; y < height_; ++y) {
    Rgba* row = &pixels_[y * width_];
    Rgba sum;
    auto add = [&sum](const Rgba& p, float sign) {
      sum.r += sign * p.r;
      sum.g += sign * p.g;
      sum.b += sign * p.b;
      sum.a += sign * p.a;
    };
    // Pixels outside the picture count as transparent.
    for (int x = 0; x <= radius && x < width_; ++x) add(row[x], 1.0f);
    for (int x = 0; x < width_; ++x) {
      line[x] = {sum.r * norm, sum.g * norm, sum.b * norm, sum.a * norm};
      if (x + radius + 1 < width_) add(row[x + radius + 1], 1.0f);
      if (x - radius >= 0) add(row[x - radius], -1.0f);
    }
    std::copy(line.begin(), line.end(), row);
  }
}

void Canvas::BoxBlurColumns(int radius) {
  std::vector<Rgba> column(height_);
  float norm = 1.0f / float(2 * radius + 1);
  for (int x = 0; x < width_; ++x) {
    Rgba sum;
    auto add = [&](int y, float sign) {
      const Rgba& p = pixels_[y * width_ + x];
      sum.r += sign * p.r;
      sum.g += sign * p.g;
      sum.b += sign * p.b;
      sum.a += sign * p.a;
    };
    for (int y = 0; y <= radius && y < height_; ++y) add(y, 1.0f);
    for (int y = 0; y < height_; ++y) {
      column[y] = {sum.r * norm, sum.g * norm, sum.b * norm, sum.a * norm};
      if (y + radius + 1 < height_) add(y + radius + 1, 1.0f);
      if (y - radius >= 0) add(y - radius, -1.0f);
    }
    for (int y = 0; y < height_; ++y) pixels_[y * width_ + x] = column[y];
  }
}

void Canvas::Blur(int sigma) {
  if (sigma <= 0) return;
  // Three passes of a box of half-width r have a variance of r (r + 1): close to a Gaussian.
  for (int pass = 0; pass < 3; ++pass) {
    BoxBlurRows(sigma);
    BoxBlurColumns(sigma);
  }
  // Rounding in the running sums can leave tiny negative values.
  for (Rgba& p : pixels_) {
    p.a = Clamp01(p.a);
    p.r = std::clamp(p.r, 0.0f, p.a);
    p.g = std::clamp(p.g, 0.0f, p.a);
    p.b = std::clamp(p.b, 0.0f, p.a);
  }
}

QImage Canvas::ToImage() const {
  QImage image(width_, height_, QImage::Format_ARGB32);
  for (int y = 0; y < height_; ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width_; ++x) {
      const Rgba& p = at(x, y);
      int alpha = ToByte(p.a);
      if (alpha == 0) {
        line[x] = qRgba(0, 0, 0, 0);
        continue;
      }
      line[x] = qRgba(ToByte(p.r / p.a), ToByte(p.g / p.a), ToByte(p.b / p.a), alpha);
    }
  }
  return image;
}

}  // namespace artwork
