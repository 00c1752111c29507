#include "tools/artwork/SplashSequence.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "tools/artwork/Canvas.h"
#include "tools/artwork/Lightning.h"
#include "tools/artwork/Random.h"
#include "tools/artwork/Smoke.h"
#include "tools/artwork/Sparks.h"

namespace artwork {
namespace {

constexpr double kCentreX = kSplashWidth / 2.0;
constexpr double kCentreY = kSplashHeight / 2.0 + 2.0;
// The first frame with lightning: before it the cloud is still gathering.
constexpr int kFirstCrackle = 6;

double EaseInOut(double t) {
  t = std::clamp(t, 0.0, 1.0);
  return t * t * (3.0 - 2.0 * t);
}

double EaseOut(double t) {
  t = std::clamp(t, 0.0, 1.0);
  return 1.0 - (1.0 - t) * (1.0 - t);
}

CloudShape CloudOfFrame(int n) {
  double t = double(n - 1) / (kSplashFrameCount - 1);
  CloudShape cloud;
  cloud.centreX = kCentreX;
  cloud.centreY = kCentreY;
  cloud.time = 0.11 * n;
  cloud.gather = EaseOut((n - 1) / 11.0);
  cloud.opacity = 0.5 + 0.5 * EaseInOut((n - 1) / 8.0);
  cloud.radius = 72.0 + 62.0 * EaseInOut(t);
  cloud.glow = 0.25 + 0.6 * EaseInOut(t);
  if (n == kSplashFrameCount) {
    // The spread: the cloud falls flat and wide.
    cloud.radius = 124.0;
    cloud.stretchX = 1.7;
    cloud.stretchY = 0.38;
    cloud.glow = 1.5;
  }
  return cloud;
}

// Bolts from near the core out to the cloud's edge; more and brighter as the cloud swells.
std::vector<Bolt> BoltsOfFrame(int n, const CloudShape& cloud) {
  std::vector<Bolt> bolts;
  if (n < kFirstCrackle) return bolts;
  Random rng(0xB017ull * 977 + std::uint64_t(n) * 7919);
  double t = double(n - kFirstCrackle) / (kSplashFrameCount - kFirstCrackle);
  // The spread has discharged: no bolts, only its flash and the sparks.
  if (n == kSplashFrameCount) return bolts;
  int count = 1 + rng.Below(2 + int(2.0 * t));
  for (int i = 0; i < count; ++i) {
    double angle = rng.Range(0.0, 2.0 * std::numbers::pi);
    double reach = cloud.radius * rng.Range(0.7, 1.05);
    double startReach = cloud.radius * rng.Range(0.0, 0.15);
    double startAngle = rng.Range(0.0, 2.0 * std::numbers::pi);
    Bolt bolt;
    bolt.from = QPointF(cloud.centreX + std::cos(startAngle) * startReach * cloud.stretchX,
                        cloud.centreY + std::sin(startAngle) * startReach * cloud.stretchY);
    bolt.to = QPointF(cloud.centreX + std::cos(angle) * reach * cloud.stretchX,
                      cloud.centreY + std::sin(angle) * reach * cloud.stretchY);
    bolt.width = rng.Range(0.9, 1.5);
    bolt.brightness = rng.Range(0.55, 1.0) * (0.7 + 0.3 * t);
    bolt.seed = rng.Next();
    bolts.push_back(bolt);
  }
  return bolts;
}

}  // namespace

QImage RenderSplashFrame(int n) {
  if (n < 1 || n > kSplashFrameCount) return {};
  CloudShape cloud = CloudOfFrame(n);
  std::vector<Bolt> bolts = BoltsOfFrame(n, cloud);
  // Lightning lights the cloud from inside.
  double flash = 0.0;
  for (const Bolt& b : bolts) flash += 0.12 * b.brightness;
  cloud.glow += flash;

  Canvas frame = RenderSmoke(cloud, kSplashWidth, kSplashHeight);
  if (!bolts.empty()) frame.Plus(RenderLightning(bolts, kSplashWidth, kSplashHeight), 1.0f);
  if (n == kSplashFrameCount) {
    SparkRing ring;
    ring.centreX = cloud.centreX;
    ring.centreY = cloud.centreY;
    ring.radiusX = cloud.radius * cloud.stretchX * 1.04;
    ring.radiusY = cloud.radius * cloud.stretchY * 1.55;
    ring.count = 96;
    ring.seed = 0x59A4C5ull;
    frame.Plus(RenderSparkRing(ring, kSplashWidth, kSplashHeight), 1.0f);
  }
  return frame.ToImage();
}

}  // namespace artwork
