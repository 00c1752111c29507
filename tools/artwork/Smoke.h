#pragma once
// The splash's smoke cloud: soft puffs gathered around a centre, textured by warped fractal noise,
// dark grey-violet with a blue glow inside and a halo of blue light around it. Nothing can fail.

#include "tools/artwork/Canvas.h"

namespace artwork {

struct CloudShape {
  double centreX{0};
  double centreY{0};
  double radius{100};  // in pixels, before stretching
  double stretchX{1};  // the spread at the end flattens the cloud: wide and low
  double stretchY{1};
  double gather{1};  // 0: puffs scattered far out and faint; 1: gathered into one cloud
  double time{0};    // drives the billows; frames a step apart look a step apart
  double glow{1};    // strength of the blue light inside the cloud
  double opacity{1};
};

Canvas RenderSmoke(const CloudShape& cloud, int width, int height);

}  // namespace artwork
