#pragma once
// The tool's built-in pictures: the 35 splash frames (PNG), the silver picture of the closing
// animation (BMP) and the program icon (PNG). They are constants of the executable, so they live
// as long as the process; a view of them never owns anything. Asking for a frame number outside
// 1 to 35 gives an empty view (or a null layout).

#include <cstdint>

#include "platform/bytes/ByteBlock.h"

namespace assets {

inline constexpr int kSplashFrameCount = 35;

int SplashFrameCount();

// Frame n, 1 to SplashFrameCount(), in the order of display: the bytes of a PNG file.
bytes::ByteBlockView SplashFrame(int n);
// The same frame in the byte block's stored layout (marker, length, bytes); nullptr outside.
const std::uint8_t* SplashFrameLayout(int n);

// The 24-bit bitmap file of 108 x 76 silver pixels, and its stored layout.
bytes::ByteBlockView SilverPicture();
const std::uint8_t* SilverPictureLayout();

// The program icon, a PNG file, and its stored layout.
bytes::ByteBlockView ProgramIcon();
const std::uint8_t* ProgramIconLayout();

}  // namespace assets
