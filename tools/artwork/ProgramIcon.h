#pragma once
// The tool's program icon: a snake's fang with a blue-green drop of poison hanging from its tip,
// on a transparent background. Nothing can fail.

#include <QImage>

namespace artwork {

inline constexpr int kIconSize = 128;

QImage RenderProgramIcon();

}  // namespace artwork
