#pragma once
// The 35 frames of the splash: a dark smoke cloud with a blue glow gathers, crackles with blue
// lightning and swells, and in the last frame spreads out flat with a ring of blue sparks.
// Each frame depends only on its number.

#include <QImage>

namespace artwork {

inline constexpr int kSplashFrameCount = 35;
inline constexpr int kSplashWidth = 495;
inline constexpr int kSplashHeight = 331;

// Frame n (1 to kSplashFrameCount), 495 x 331 with a transparent background; a null image for
// any other n.
QImage RenderSplashFrame(int n);

}  // namespace artwork
