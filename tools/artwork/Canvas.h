#pragma once
// A floating-point picture with premultiplied red, green, blue and alpha in [0, 1], on which the
// splash frames are layered before they become 8-bit PNG images. Owns its pixels; operations on
// canvases of different sizes do nothing.

#include <QImage>
#include <vector>

namespace artwork {

struct Rgba {
  float r{0}, g{0}, b{0}, a{0};
};

class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height), pixels_(width * height) {}

  // A QImage painted by QPainter (lightning, sparks) as a canvas.
  static Canvas FromImage(const QImage& image);

  int width() const { return width_; }
  int height() const { return height_; }
  Rgba& at(int x, int y) { return pixels_[y * width_ + x]; }
  const Rgba& at(int x, int y) const { return pixels_[y * width_ + x]; }

  // Porter-Duff "over": top covers this canvas by its alpha.
  void Over(const Canvas& top);
  // Adds light: colour and alpha are summed and clamped, as a glow lights what lies beneath.
  void Plus(const Canvas& top, float gain);
  // Approximates a Gaussian blur of about the given standard deviation by three box blurs.
  void Blur(int sigma);

  // 8-bit, not premultiplied, ready for the PNG writer. A pixel whose alpha rounds to 0 becomes
  // fully transparent black, so the background is exactly alpha 0.
  QImage ToImage() const;

 private:
  void BoxBlurRows(int radius);
  void BoxBlurColumns(int radius);

  int width_;
  int height_;
  std::vector<Rgba> pixels_;
};

}  // namespace artwork
