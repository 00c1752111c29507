#include "tools/artwork/Sparks.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <cmath>
#include <numbers>

#include "tools/artwork/Random.h"

namespace artwork {
namespace {

QImage Transparent(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

}  // namespace

Canvas RenderSparkRing(const SparkRing& ring, int width, int height) {
  QImage glow = Transparent(width, height);
  QImage core = Transparent(width, height);
  QPainter glowPainter(&glow);
  QPainter corePainter(&core);
  glowPainter.setRenderHint(QPainter::Antialiasing);
  corePainter.setRenderHint(QPainter::Antialiasing);
  glowPainter.setCompositionMode(QPainter::CompositionMode_Plus);
  corePainter.setCompositionMode(QPainter::CompositionMode_Plus);

  // A faint band of light along the ring ties the sparks together.
  glowPainter.setPen(QPen(QColor(40, 110, 255, 34), 6.0));
  glowPainter.setBrush(Qt::NoBrush);
  glowPainter.drawEllipse(QPointF(ring.centreX, ring.centreY), ring.radiusX, ring.radiusY);

  Random rng(ring.seed);
  for (int i = 0; i < ring.count; ++i) {
    double angle = 2.0 * std::numbers::pi * (i + rng.Range(-0.4, 0.4)) / ring.count;
    double spread = 1.0 + 0.06 * std::clamp(rng.Gaussian(), -2.5, 2.5);
    double c = std::cos(angle), s = std::sin(angle);
    QPointF at(ring.centreX + c * ring.radiusX * spread, ring.centreY + s * ring.radiusY * spread);
    double size = rng.Range(0.8, 1.1) * (rng.Uniform() < 0.2 ? 2.6 : 1.5);
    double brightness = rng.Range(0.55, 1.0);

    // Outward direction on the ellipse: streaks point away from the centre.
    QPointF outward(c * ring.radiusY, s * ring.radiusX);
    outward /= std::hypot(outward.x(), outward.y());
    double trail = rng.Uniform() < 0.5 ? rng.Range(4.0, 12.0) : 0.0;

    glowPainter.setPen(Qt::NoPen);
    glowPainter.setBrush(QColor(50, 130, 255, int(150 * brightness)));
    glowPainter.drawEllipse(at, size * 3.5, size * 3.5);

    if (trail > 0.0) {
      corePainter.setPen(QPen(QColor(110, 180, 255, int(200 * brightness)), size * 0.9,
                              Qt::SolidLine, Qt::RoundCap));
      corePainter.drawLine(at - outward * trail, at);
    }
    corePainter.setPen(Qt::NoPen);
    corePainter.setBrush(QColor(150, 210, 255, int(255 * brightness)));
    corePainter.drawEllipse(at, size, size);
    corePainter.setBrush(QColor(240, 250, 255, int(255 * brightness)));
    corePainter.drawEllipse(at, size * 0.5, size * 0.5);
  }
  glowPainter.end();
  corePainter.end();

  Canvas light = Canvas::FromImage(glow);
  light.Blur(3);
  light.Plus(Canvas::FromImage(core), 1.0f);
  return light;
}

}  // namespace artwork
