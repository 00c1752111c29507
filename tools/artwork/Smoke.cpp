#include "tools/artwork/Smoke.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "tools/artwork/Noise.h"
#include "tools/artwork/Random.h"

namespace artwork {
namespace {

struct Puff {
  double angle;
  double distance;  // from the centre, in cloud radii
  double size;      // in cloud radii
  double alpha;
  double spin;     // radians per unit of time, so the cloud slowly churns
  double phase;    // of the puff's own small bobbing
  double depth;    // -1 at the back to 1 at the front
  double arrival;  // 0 to 1: how late in the gathering the puff drifts in
};

// The same puffs in every frame, so the cloud moves instead of flickering; back ones first.
// They sit on a sunflower spiral, which covers the disc evenly, so the outline is round and
// lumpy rather than lopsided.
std::vector<Puff> MakePuffs() {
  constexpr int kCount = 180;
  const double goldenAngle = std::numbers::pi * (3.0 - std::sqrt(5.0));
  Random rng(0x5340CE11ull);
  std::vector<Puff> puffs;
  for (int i = 0; i < kCount; ++i) {
    Puff p;
    p.angle = i * goldenAngle + rng.Range(-0.3, 0.3);
    p.distance = 0.84 * std::sqrt((i + rng.Range(0.0, 1.0)) / kCount);
    // Many small puffs and a few big ones; the outer ones smaller, so the outline is lumpy.
    p.size = (0.1 + 0.24 * std::pow(rng.Uniform(), 1.6)) * (1.0 - 0.3 * p.distance);
    p.alpha = rng.Range(0.35, 0.7);
    p.spin = rng.Range(-0.3, 0.3);
    p.phase = rng.Range(0.0, 2.0 * std::numbers::pi);
    p.depth = rng.Range(-1.0, 1.0);
    p.arrival = rng.Uniform();
    puffs.push_back(p);
  }
  std::sort(puffs.begin(), puffs.end(),
            [](const Puff& a, const Puff& b) { return a.depth < b.depth; });
  return puffs;
}

// Smooth bump, 1 at the centre and 0 (with zero slope) from distance 1 on.
double Bump(double d) {
  if (d >= 1.0) return 0.0;
  double k = 1.0 - d * d;
  return k * k;
}

double SmoothStep(double lo, double hi, double v) {
  double t = std::clamp((v - lo) / (hi - lo), 0.0, 1.0);
  return t * t * (3.0 - 2.0 * t);
}

double Mix(double a, double b, double t) {
  return a + (b - a) * t;
}

void PutOver(Rgba& d, double r, double g, double b, double a) {
  a = std::clamp(a, 0.0, 1.0);
  float k = float(1.0 - a);
  d.r = float(r * a) + d.r * k;
  d.g = float(g * a) + d.g * k;
  d.b = float(b * a) + d.b * k;
  d.a = float(a) + d.a * k;
}

enum class Layer { Back, Front };

class SmokePainter {
 public:
  SmokePainter(const CloudShape& cloud, Canvas& canvas)
      : cloud_(cloud),
        canvas_(canvas),
        sx_(cloud.radius * cloud.stretchX),
        sy_(cloud.radius * cloud.stretchY),
        grainX_(30.0 * std::sqrt(cloud.stretchX)),
        grainY_(30.0 * std::sqrt(cloud.stretchY)) {}

  // Blue light scattered around the cloud, behind everything.
  void Halo() {
    ForEachPixel([&](int x, int y, double ux, double uy) {
      double r = std::sqrt(ux * ux + uy * uy);
      double a = cloud_.glow * 0.3 * std::pow(Bump(r / 1.3), 2.0) * cloud_.opacity;
      if (a > 0.0) PutOver(canvas_.at(x, y), 0.1, 0.33, 1.0, a);
    });
  }

  // The glowing heart of the cloud, seen between the front puffs.
  void Core() {
    ForEachPixel([&](int x, int y, double ux, double uy) {
      double r = std::sqrt(ux * ux + uy * uy);
      double k = Bump(r / 0.8);
      if (k <= 0.0) return;
      double flicker = 0.8 + 0.2 * grain_.Fractal(x / 40.0, y / 40.0, cloud_.time, 2);
      double a = std::min(1.0, cloud_.glow * 0.9 * std::pow(k, 1.2) * flicker) * cloud_.opacity;
      double white = std::pow(k, 3.0) * std::min(1.0, cloud_.glow);
      PutOver(canvas_.at(x, y), Mix(0.2, 0.8, white), Mix(0.5, 0.92, white), 1.0, a);
    });
  }

  // Light of the core that shines through the whole cloud and beyond it.
  void Bloom() {
    ForEachPixel([&](int x, int y, double ux, double uy) {
      double k = Bump(std::sqrt(ux * ux + uy * uy) / 1.05);
      if (k <= 0.0) return;
      double a = cloud_.glow * 0.3 * k * k * cloud_.opacity;
      Rgba& p = canvas_.at(x, y);
      p.a = float(std::min(1.0, p.a + a));
      p.r = std::min(p.a, float(p.r + 0.25 * a));
      p.g = std::min(p.a, float(p.g + 0.55 * a));
      p.b = std::min(p.a, float(p.b + 1.0 * a));
    });
  }

  // The front puffs are a little thinner, so the core glows through them.
  void Puffs(const std::vector<Puff>& puffs, Layer layer) {
    for (const Puff& p : puffs) {
      Layer own = p.depth >= 0.0 ? Layer::Front : Layer::Back;
      if (own == layer) Draw(p, layer == Layer::Front ? 0.85 : 1.0);
    }
  }

 private:
  template <typename Fn>
  void ForEachPixel(Fn fn) {
    for (int y = 0; y < canvas_.height(); ++y) {
      for (int x = 0; x < canvas_.width(); ++x) {
        fn(x, y, (x - cloud_.centreX) / sx_, (y - cloud_.centreY) / sy_);
      }
    }
  }

  // One puff: a soft ball whose edge is eaten into by noise, lit from above, with a blue rim on
  // the side facing the glowing core. While the cloud gathers, the puffs spiral in from far out,
  // drawn out along their path into wisps.
  void Draw(const Puff& p, double layerAlpha) {
    double scatter = 1.0 - cloud_.gather;
    double angle = p.angle + p.spin * cloud_.time + 1.5 * scatter;
    double distance = p.distance * (1.0 + 1.3 * std::pow(scatter, 1.2)) +
                      0.035 * std::sin(p.phase + 1.3 * cloud_.time);
    double c = std::cos(angle), s = std::sin(angle);
    double px = cloud_.centreX + distance * c * sx_;
    double py = cloud_.centreY + distance * s * sy_;
    double across = p.size * cloud_.radius * (1.0 + 0.1 * std::sin(p.phase + cloud_.time));
    double along = across * (1.0 + 1.8 * scatter);
    double reach = 1.4 * along * std::max(cloud_.stretchX, cloud_.stretchY);
    int x0 = std::max(0, int(px - reach)), x1 = std::min(canvas_.width() - 1, int(px + reach) + 1);
    int y0 = std::max(0, int(py - reach)), y1 = std::min(canvas_.height() - 1, int(py + reach) + 1);

    // Light from the core reaches the puff from its centre's direction.
    double coreX = cloud_.centreX - px, coreY = cloud_.centreY - py;
    double coreLength = std::max(1e-6, std::hypot(coreX, coreY));
    coreX /= coreLength;
    coreY /= coreLength;
    double coreLight = cloud_.glow * Bump(distance / 1.4);
    // The cloud gathers puff by puff: a few wisps first, the rest drifting in after them.
    double arrived = SmoothStep(p.arrival - 0.12, p.arrival + 0.12, 0.1 + 1.05 * cloud_.gather);
    if (arrived <= 0.0) return;
    double alpha = p.alpha * layerAlpha * cloud_.opacity * arrived;
    double t = cloud_.time;

    for (int y = y0; y <= y1; ++y) {
      for (int x = x0; x <= x1; ++x) {
        double dx = (x - px) / cloud_.stretchX, dy = (y - py) / cloud_.stretchY;
        double u = (-s * dx + c * dy) / along, v = (c * dx + s * dy) / across;
        double d = std::sqrt(u * u + v * v);
        if (d > 1.4) continue;
        // Clamped so that the eroded edge always ends inside the 1.4 drawn above.
        double e =
            std::clamp(edge_.Fractal(x / grainX_, y / grainY_, 0.4 * t + p.phase, 3), -0.9, 0.9);
        double cover = 1.0 - SmoothStep(0.35, 1.0, d + 0.42 * e);
        if (cover <= 0.0) continue;

        // A ball's normal: flat image offset, bulging towards the viewer in the middle.
        double nx = dx / across, ny = dy / across;
        double nz = std::sqrt(std::max(0.0, 1.0 - std::min(1.0, nx * nx + ny * ny)));
        double top = std::clamp(-0.42 * nx - 0.7 * ny + 0.58 * nz + 0.25 * e, 0.0, 1.0);
        double rim = std::clamp(0.85 * (nx * coreX + ny * coreY) + 0.2 * nz, 0.0, 1.0);
        double blue = coreLight * rim * rim;
        double fine = grain_.Fractal(x / 12.0, y / 12.0, 0.6 * t, 2);

        double shade = std::clamp(0.12 + 0.8 * top + 0.08 * fine, 0.0, 1.0);
        double r = Mix(0.05, 0.37, shade) + 0.16 * blue;
        double g = Mix(0.04, 0.33, shade) + 0.45 * blue;
        double b = Mix(0.08, 0.48, shade) + 0.95 * blue;
        double a = alpha * cover * (0.92 + 0.08 * fine);
        PutOver(canvas_.at(x, y), std::min(r, 1.0), std::min(g, 1.0), std::min(b, 1.0), a);
      }
    }
  }

  const CloudShape& cloud_;
  Canvas& canvas_;
  double sx_, sy_;
  double grainX_, grainY_;
  GradientNoise edge_{23};
  GradientNoise grain_{41};
};

}  // namespace

Canvas RenderSmoke(const CloudShape& cloud, int width, int height) {
  Canvas canvas(width, height);
  std::vector<Puff> puffs = MakePuffs();
  SmokePainter painter(cloud, canvas);
  painter.Halo();
  painter.Puffs(puffs, Layer::Back);
  painter.Core();
  painter.Puffs(puffs, Layer::Front);
  painter.Bloom();
  return canvas;
}

}  // namespace artwork
