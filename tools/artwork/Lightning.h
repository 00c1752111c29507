#pragma once
// Blue lightning for the splash: jagged, branching bolts with a soft glow, drawn as light to be
// added over the smoke. Each bolt's seed fixes its shape, so a frame always gets the same bolts.
// Nothing can fail.

#include <QPointF>
#include <cstdint>
#include <vector>

#include "tools/artwork/Canvas.h"

namespace artwork {

struct Bolt {
  QPointF from;
  QPointF to;
  double width{1};       // of the bright core, in pixels
  double brightness{1};  // 0 to 1
  std::uint64_t seed{0};
};

Canvas RenderLightning(const std::vector<Bolt>& bolts, int width, int height);

}  // namespace artwork
