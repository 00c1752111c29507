#pragma once
// The silver picture the closing animation flashes before the main window goes: a 24-bit
// Windows bitmap file of 108 x 76 pixels, every pixel RGB(192, 192, 192). Nothing can fail.

#include <cstdint>
#include <vector>

namespace artwork {

inline constexpr int kSilverWidth = 108;
inline constexpr int kSilverHeight = 76;

// The whole file: a 14-byte file header, a 40-byte information header, no palette, then the
// rows bottom-up, 324 bytes each (no padding is needed), 24678 bytes in all.
std::vector<std::uint8_t> SilverPictureFile();

}  // namespace artwork
