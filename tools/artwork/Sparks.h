#pragma once
// The ring of blue sparks that the splash's smoke throws out as it spreads flat at the end:
// bright dots and short outward streaks on an ellipse, with a glow, drawn as light to be added
// over the smoke. Nothing can fail.

#include <cstdint>

#include "tools/artwork/Canvas.h"

namespace artwork {

struct SparkRing {
  double centreX{0};
  double centreY{0};
  double radiusX{100};
  double radiusY{30};
  int count{100};
  std::uint64_t seed{0};
};

Canvas RenderSparkRing(const SparkRing& ring, int width, int height);

}  // namespace artwork
