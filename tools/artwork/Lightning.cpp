#include "tools/artwork/Lightning.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <cmath>

#include "tools/artwork/Random.h"

namespace artwork {
namespace {

struct Stroke {
  QPolygonF path;
  double width;
  double brightness;
};

// Midpoint displacement: each level splits every segment and pushes the middle sideways by a
// random share of the segment's length, which gives the zig-zag of a discharge.
QPolygonF JaggedPath(QPointF from, QPointF to, Random& rng) {
  std::vector<QPointF> points{from, to};
  for (int level = 0; level < 6; ++level) {
    std::vector<QPointF> next;
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
      QPointF a = points[i], b = points[i + 1];
      QPointF d = b - a;
      double length = std::hypot(d.x(), d.y());
      QPointF normal(-d.y() / length, d.x() / length);
      double offset = std::clamp(rng.Gaussian(), -2.5, 2.5) * 0.2 * length;
      next.push_back(a);
      next.push_back((a + b) / 2.0 + normal * offset);
    }
    next.push_back(points.back());
    points = std::move(next);
  }
  return QPolygonF(QList<QPointF>(points.begin(), points.end()));
}

void AddBolt(QPointF from, QPointF to, double width, double brightness, int depth, Random& rng,
             std::vector<Stroke>& strokes) {
  QPolygonF path = JaggedPath(from, to, rng);
  strokes.push_back({path, width, brightness});
  if (depth == 0) return;
  QPointF d = to - from;
  double length = std::hypot(d.x(), d.y());
  double heading = std::atan2(d.y(), d.x());
  // Side branches leave the main path at a slant and fade sooner.
  double chance = depth > 1 ? 0.2 : 0.07;
  for (int i = 4; i + 4 < path.size(); i += 4) {
    if (rng.Uniform() > chance) continue;
    double remaining = 1.0 - double(i) / path.size();
    double turn = rng.Range(0.4, 0.95) * (rng.Uniform() < 0.5 ? -1.0 : 1.0);
    double reach = length * remaining * rng.Range(0.3, 0.6);
    QPointF start = path[i];
    QPointF end = start + QPointF(std::cos(heading + turn), std::sin(heading + turn)) * reach;
    AddBolt(start, end, width * 0.6, brightness * 0.75, depth - 1, rng, strokes);
  }
}

void DrawStrokes(QImage& image, const std::vector<Stroke>& strokes, double widthScale,
                 double extraWidth, QColor colour) {
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setCompositionMode(QPainter::CompositionMode_Plus);
  for (const Stroke& s : strokes) {
    QColor c = colour;
    c.setAlphaF(float(colour.alphaF() * s.brightness));
    QPen pen(c, s.width * widthScale + extraWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.drawPolyline(s.path);
  }
}

QImage Transparent(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

}  // namespace

Canvas RenderLightning(const std::vector<Bolt>& bolts, int width, int height) {
  std::vector<Stroke> strokes;
  for (const Bolt& bolt : bolts) {
    Random rng(bolt.seed);
    AddBolt(bolt.from, bolt.to, bolt.width, bolt.brightness, 2, rng, strokes);
  }

  QImage glow = Transparent(width, height);
  DrawStrokes(glow, strokes, 5.0, 2.0, QColor(60, 130, 255, 110));
  Canvas light = Canvas::FromImage(glow);
  Canvas haze = light;
  light.Blur(3);
  haze.Blur(12);
  light.Plus(haze, 1.6f);

  QImage core = Transparent(width, height);
  DrawStrokes(core, strokes, 2.2, 0.4, QColor(120, 190, 255, 230));
  DrawStrokes(core, strokes, 0.9, 0.0, QColor(235, 245, 255, 255));
  light.Plus(Canvas::FromImage(core), 1.0f);
  return light;
}

}  // namespace artwork
